#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// General Culvert Design: Culvert > General Design, section 11.
namespace GeneralDesignWiring {

inline constexpr const char* HelpPage = "general_culvert_design.html";

// Loads the culvert-type catalogue (after the standard sizes it refers to),
// builds the window and wires its menu item, Print button and help page.
Wiring::Step Initialize(StartUpMod::LoadedWindows& w);
Wiring::Step Clear(StartUpMod::LoadedWindows& w);
Wiring::Section Section();

} // namespace GeneralDesignWiring
