#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// NE Plunge Basin Design: Erosion > NE Plunge Basin Design, section 13.
namespace PlungeBasinWiring {

inline constexpr const char* HelpPage = "ne_plunge_basin_design.html";

// Builds the standard basin table.
Wiring::Step InitializeBasinTable();
// Builds and initialises the window (after the culvert-type catalogue it
// lists and the channel window its tailwater button reads) and wires its
// menu item, Print button and help page.
Wiring::Step Initialize(StartUpMod::LoadedWindows& w);
Wiring::Step Clear(StartUpMod::LoadedWindows& w);
Wiring::Section Section();

} // namespace PlungeBasinWiring
