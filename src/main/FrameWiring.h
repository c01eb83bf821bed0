#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// The application frame: the main window and the hidden pipe-arch test window.
namespace FrameWiring {

Wiring::Step InitializeMainWindow(StartUpMod::LoadedWindows& w);
Wiring::Step InitializePipeArchTestWindow(StartUpMod::LoadedWindows& w);

} // namespace FrameWiring
