#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// Tapered Inlet Design: Culvert > Tapered Inlet Design, section 9.
namespace TaperedInletWiring {

inline constexpr const char* HelpPage = "tapered_inlet_design.html";

// Loads the tapered inlet parameters and (Z, L) pairs (after the standard
// box sizes the search screens), builds and initialises the window and wires
// its menu item, Print button and help page.
Wiring::Step Initialize(StartUpMod::LoadedWindows& w);
Wiring::Step Clear(StartUpMod::LoadedWindows& w);
Wiring::Section Section();

} // namespace TaperedInletWiring
