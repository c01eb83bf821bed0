#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// The site identification window: Site > Identification, section 1.
namespace SiteIdentificationWiring {

inline constexpr const char* HelpPage = "site_identification.html";

Wiring::Step Initialize(StartUpMod::LoadedWindows& w);
Wiring::Step Clear(StartUpMod::LoadedWindows& w);
Wiring::Section Section();

} // namespace SiteIdentificationWiring
