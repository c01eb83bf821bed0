#include "main/HydrologyWiring.h"

#include "hydrology/USGS.h"
#include "hydrology/VoskRunoffChart.h"
#include "hydrology/modUSGSMavo1987.h"

namespace HydrologyWiring {

Wiring::Step InitializeRunoffChart() {
    return {"VoskRunoffChart.InitializeRunoffChart", VoskRunoffChart::LoadRunoffChartTables};
}

Wiring::Step InitializeUSGS() {
    return {"USGS.InitializeUSGS", USGS::InitializeUSGS};
}

Wiring::Step InitializeMavo1987RegionTables() {
    return {"modUSGSMavo1987.InitializeRegionTables", modUSGSMavo1987::InitializeRegionTables};
}

} // namespace HydrologyWiring
