#pragma once

#include "main/Wiring.h"

#include <vector>

// Culvert hydraulics: the five standard barrel size tables, which the culvert
// types and the standard designs refer to.
namespace HydraulicsWiring {

std::vector<Wiring::Step> LoadStandardSizes();

} // namespace HydraulicsWiring
