#pragma once

#include <string>

// The directory of the running executable, where the catalogue database and
// the help pages lie.
std::string ProgramDirectory();
