#pragma once

#include <QString>

// Globals shared across the windows of the program.
namespace GlobalVariables {

// Full path of the project file last opened or saved; empty for a new project.
extern QString DataFileName;

} // namespace GlobalVariables
