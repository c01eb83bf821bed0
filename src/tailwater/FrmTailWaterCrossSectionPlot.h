#pragma once

#include "tailwater/ChannelSection.h"
#include "tailwater/TWXSecPlotMod.h"

#include <QColor>
#include <QString>

class PlotSurface;

// The channel cross-section as the channel window shows it: ground line,
// roughness subsections, over-bank marks, station and elevation scales with a
// depth scale on the right, dotted grid lines and blue axis titles, laid out
// in XSecScreenLayout. The rating curve plot shares its colours and labels.
namespace TWXSecPlotMod {

inline const QColor PlotRed(255, 0, 0);
inline const QColor PlotBlue(0, 0, 255);
inline const QColor PlotBlack(0, 0, 0);

// A tick label: the value with that many decimals, a leading zero, grouped
// thousands and a minus sign; a value that rounds to zero shows no sign.
QString AxisLabel(double value, int decimals);

// Draws the prepared section on the surface, which the caller has cleared.
// A section without segments throws AppError.
void PlotCrossSection(PlotSurface& surface, const ChannelSection& section);

} // namespace TWXSecPlotMod
