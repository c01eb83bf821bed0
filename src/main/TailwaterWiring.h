#pragma once

#include "main/StartUpSequence.h"
#include "main/Wiring.h"

// Tailwater: the two plot layouts and the cross-section column names; the
// channel cross-section window (Tailwater > Channel Cross-Section), which also
// serves the other windows' tailwater buttons as a TailwaterChannel, the
// rating curve window (Tailwater > Rating Curve) and the Q-depth window
// (Tailwater > Q - Depth).
namespace TailwaterWiring {

inline constexpr const char* CrossSectionHelpPage = "channel_cross_section.html";
inline constexpr const char* RatingCurveHelpPage = "rating_curve.html";
inline constexpr const char* QDepthHelpPage = "tailwater_q_depth.html";

Wiring::Step InitializeRateCurvePlot();
Wiring::Step InitializeXSecPlot();
Wiring::Step InitializeTailWaterMod();

// Builds the channel window and the tailwater service over it.
Wiring::Step InitializeCrossSection(StartUpMod::LoadedWindows& w);
// After the channel window, which it reads.
Wiring::Step InitializeRatingCurve(StartUpMod::LoadedWindows& w);
// Builds the Q-depth window from the three return-period lists over the
// channel window, gives its grids to the hydrology windows that fill them and
// wires its Print button and help page.
Wiring::Step InitializeQDepthWindow(StartUpMod::LoadedWindows& w);

Wiring::Step ClearCrossSection(StartUpMod::LoadedWindows& w);
Wiring::Step ClearRatingCurve(StartUpMod::LoadedWindows& w);
Wiring::Step ClearQDepth(StartUpMod::LoadedWindows& w);

// Sections 5, 6 and 7 of the project file.
Wiring::Section SectionCrossSection(StartUpMod::LoadedWindows& w);
Wiring::Section SectionRatingCurve(StartUpMod::LoadedWindows& w);
Wiring::Section SectionQDepth(StartUpMod::LoadedWindows& w);

} // namespace TailwaterWiring
