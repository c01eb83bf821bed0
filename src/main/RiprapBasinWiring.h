#pragma once

#include "main/Wiring.h"

// HEC-14 riprap basin: the brink-depth curves and the scour-hole depth table,
// built in the program.
namespace RiprapBasinWiring {

Wiring::Step InitBrinkDepthCurves();
Wiring::Step InitializeHec14Tables();

} // namespace RiprapBasinWiring
