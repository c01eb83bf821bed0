#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// HEC-14 riprap basin: the brink-depth curves and the scour-hole depth table,
// built in the program; Erosion > HEC-14 Riprap Basin Design, section 14.
namespace RiprapBasinWiring {

inline constexpr const char* HelpPage = "hec14_riprap_basin_design.html";

Wiring::Step InitBrinkDepthCurves();
Wiring::Step InitializeHec14Tables();
// Builds and initialises the window (after the culvert-type catalogue it
// lists and the channel window its tailwater button reads) and wires its
// menu item, Print button and help page.
Wiring::Step Initialize(StartUpMod::LoadedWindows& w);
Wiring::Step Clear(StartUpMod::LoadedWindows& w);
Wiring::Section Section();

} // namespace RiprapBasinWiring
