#pragma once

#include "app/StartUpMod.h"
#include "project_file/ProjectFileFormat.h"

// How a subsystem joins the program. Each subsystem has one wiring unit
// (<Subsystem>Wiring.h) that gives its loading steps, the clear step of its
// input window, its project file section and its help page; its loading step
// builds its window, binds the menu item that shows it and sets its help page.
// The start-up sequence lists them, each in its place.
namespace Wiring {

using StartUpMod::Step;

// One section of the project file with the window side that writes and reads it.
struct Section {
    int number; // 1 to ProjectFileFormat::NumSections, the section's place in the file
    ProjectFileFormat::SectionTable::Handlers handlers;
};

} // namespace Wiring
