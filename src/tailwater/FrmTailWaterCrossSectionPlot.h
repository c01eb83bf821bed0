#pragma once

#include "tailwater/ChannelSection.h"
#include "tailwater/PlotStyle.h"
#include "tailwater/TWXSecPlotMod.h"

#include <QString>

// The channel cross-section as the channel window shows it: ground line,
// roughness subsections, over-bank marks, station and elevation scales with a
// depth scale on the right, dotted grid lines and blue axis titles, laid out
// in XSecScreenLayout. The printed plot draws the same in its own layout and
// style. The rating curve plot shares its labels.
namespace TWXSecPlotMod {

// A tick label: the value with that many decimals, a leading zero, grouped
// thousands and a minus sign; a value that rounds to zero shows no sign.
QString AxisLabel(double value, int decimals);

// The label of a tick whose value the plot builds in single precision, as
// the axis ends are kept: that value, unless single precision misses the
// round value the axis scale chose for the tick by half its last decimal or
// more (whole numbers beyond 2^24, hundredths near a million), which is then
// shown instead.
QString TickLabel(float built, double round, int decimals);

// Draws the prepared section on the surface, which the caller has cleared.
// A section without segments throws AppError.
void PlotCrossSection(PlotSurface& surface, const ChannelSection& section);

// The same plot in the given layout, whose margins are set, and style; the
// layout keeps the axes, scales and marks of the plot.
void DrawCrossSection(PlotSurface& surface, const ChannelSection& section, PlotLayout& layout,
                      const PlotStyle& style);

} // namespace TWXSecPlotMod
