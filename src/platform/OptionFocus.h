#pragma once

// The arrow keys change an option only from the checked option of its group:
// from an unchecked one they move the focus and leave the choice as it was.
// So the keyboard's place in an option group (radio buttons that exclude each
// other, by their parent or by an exclusive QButtonGroup) stays on the checked
// option, whoever checked it: when code (File New, File Open, a window's own
// reset) checks another option while the focus is on the group, the focus
// moves to it; and a focus that comes back to an unchecked option, as a window
// brought to the front gives it back to the control that last had it, goes on
// to the checked one. Tab stops at the checked option alone, where it stands
// in the window's Tab chain, in the first pass after such a change as in every
// later one. A click still gives the focus to the option clicked.
namespace OptionFocus {

// For every option group of the application; once the application exists.
void FollowCheckedOptions();

} // namespace OptionFocus
