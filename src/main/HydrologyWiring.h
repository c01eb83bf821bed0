#pragma once

#include "main/Wiring.h"

// Hydrology: the runoff chart, USGS 2001 regression and USGS 1987 tables.
namespace HydrologyWiring {

Wiring::Step InitializeRunoffChart();
Wiring::Step InitializeUSGS();
Wiring::Step InitializeMavo1987RegionTables();

} // namespace HydrologyWiring
