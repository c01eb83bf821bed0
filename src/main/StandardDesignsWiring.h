#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// VSHA Standard Designs: Culvert > VSHA Standard Design, section 8.
namespace StandardDesignsWiring {

inline constexpr const char* HelpPage = "vsha_standard_designs.html";

// Builds the window (after the standard size tables are loaded) and wires its
// menu item, Print button and help page.
Wiring::Step Initialize(StartUpMod::LoadedWindows& w);
Wiring::Step Clear(StartUpMod::LoadedWindows& w);
Wiring::Section Section();

} // namespace StandardDesignsWiring
