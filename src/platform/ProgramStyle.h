#pragma once

// The program's look: the desktop's style with crisp rules at any scale and
// the keyboard's focus always in sight. Set once the application exists.
namespace ProgramStyle {

void Use();

} // namespace ProgramStyle
