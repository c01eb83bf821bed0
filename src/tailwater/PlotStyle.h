#pragma once

#include "platform/PlotSurface.h"

#include <QColor>

// How a tailwater plot looks on its surface. The screen and the printed page
// draw the same plot at the same positions relative to their layouts; they
// differ only in these pens, in the minor ticks that only the page has, and in
// where the axis titles stand.
struct PlotStyle {
    // Pen widths, in pixels of the output device: the frame, the data line
    // (ground or curve), and every other line.
    int frameWidth = 1;
    int dataWidth = 2;
    int lineWidth = 1;
    QColor dataColor;
    // The axis titles and the over-bank marks.
    QColor titleColor;
    // The grid lines across the horizontal axis (at its ticks) and across the
    // vertical one.
    DrawStyle verticalGrid = DrawStyle::Dot;
    DrawStyle horizontalGrid = DrawStyle::Dot;
    // Nine short ticks in every interval, across each edge of the frame.
    bool minorTicks = false;
    // The vertical axes' titles centred on the frame's side edges, the
    // horizontal one's 1.5 lines below its labels; else at the surface's edges.
    bool titlesOnFrame = false;
};

namespace PlotStyles {

inline const QColor Red(255, 0, 0);
inline const QColor Blue(0, 0, 255);
inline const QColor Black(0, 0, 0);

// Both screen plots: thin lines, a red data line, blue titles, dotted grids.
inline const PlotStyle Screen{1, 2, 1, Red, Blue, DrawStyle::Dot, DrawStyle::Dot, false, false};

// The printed cross-section: all black and solid, the ground 4 wide.
inline const PlotStyle PrintedCrossSection{
    2, 4, 2, Black, Black, DrawStyle::Solid, DrawStyle::Solid, true, true};

// The printed rating curve: the red curve 4 wide, dashed discharge grid lines.
inline const PlotStyle PrintedRatingCurve{2,    4,   2, Red, Black, DrawStyle::Dash, DrawStyle::Dot,
                                          true, true};

} // namespace PlotStyles
