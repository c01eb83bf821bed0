#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

class FrmGenDesign;

// Hydrology: the runoff chart, USGS 2001 regression and USGS 1987 tables,
// windows and reports, Design-Q's menu, sections 2 to 4.
namespace HydrologyWiring {

inline constexpr const char* RunoffChartHelpPage = "vosk_runoff_chart.html";
inline constexpr const char* USGSRegressionHelpPage = "usgs_yuld_2001.html";
inline constexpr const char* Mavo1987HelpPage = "usgs_mavo_1987.html";

// Loads the chart's tables, then builds the runoff chart window that lists
// them. Each window's step wires its menu item, Print button and help page.
Wiring::Step InitializeRunoffChart(StartUpMod::LoadedWindows& w);
Wiring::Step InitializeUSGS();
Wiring::Step InitializeMavo1987RegionTables();
Wiring::Step InitializeUSGSRegressionWindow(StartUpMod::LoadedWindows& w);
Wiring::Step InitializeMavo1987Window(StartUpMod::LoadedWindows& w);

Wiring::Step ClearRunoffChart(StartUpMod::LoadedWindows& w);
Wiring::Step ClearUSGSRegression(StartUpMod::LoadedWindows& w);
Wiring::Step ClearMavo1987(StartUpMod::LoadedWindows& w);

Wiring::Section SectionRunoffChart();
Wiring::Section SectionUSGSRegression();
Wiring::Section SectionMavo1987();

// Each window's Compute hands its discharges to its grid of the Q-depth window.
void HandOverToQDepthWindow(const StartUpMod::LoadedWindows& w);
// The General Culvert Design window's three "Get ... Q's" buttons copy from the
// windows' results grids.
void GiveDesignQSources(FrmGenDesign& genDesign, const StartUpMod::LoadedWindows& w);

} // namespace HydrologyWiring
