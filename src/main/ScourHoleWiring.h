#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// NE Scour Hole Design: Erosion > NE Scour Hole Design, its plan-view plot
// window, section 12.
namespace ScourHoleWiring {

inline constexpr const char* HelpPage = "ne_scour_hole_design.html";

// Builds the window and its plot window and wires the menu item, the
// tailwater channel, the Print and Plot buttons and the help page.
Wiring::Step Initialize(StartUpMod::LoadedWindows& w);
Wiring::Step Clear(StartUpMod::LoadedWindows& w);
Wiring::Section Section();

} // namespace ScourHoleWiring
