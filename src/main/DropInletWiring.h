#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// Drop Inlet Design: Culvert > Drop Inlet Design, section 10.
namespace DropInletWiring {

inline constexpr const char* HelpPage = "drop_inlet_design.html";

// Loads the drop inlet parameters (after the standard sizes the searches
// read), then builds and initialises the window, which takes its default weir
// option from them, and wires its menu item, Print button and help page.
Wiring::Step Initialize(StartUpMod::LoadedWindows& w);
Wiring::Step Clear(StartUpMod::LoadedWindows& w);
Wiring::Section Section();

} // namespace DropInletWiring
