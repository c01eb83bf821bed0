#pragma once

#include <string>
#include <vector>

// The layout state of one tailwater plot, on screen or on paper, in the units
// of its drawing surface (twips). Heights are measured up from the bottom edge
// of the surface. Margins and the four mark offsets are set by the plot's
// initialiser; the rest is recomputed at the start of every plot:
//   XTickPos(0) = LeftMargin,   XTickPos(nX) = SurfaceWidth - RightMargin,
//   YTickPos(0) = BottomMargin, YTickPos(nY) = SurfaceHeight - TopMargin,
//   XScale = (XTickPos(nX) - XTickPos(0)) / (XAxisMax - XAxisMin), YScale alike.
struct PlotLayout {
    float BottomMargin = 0;
    float TopMargin = 0;
    float LeftMargin = 0;
    float RightMargin = 0;
    // Offset of the vertical axis from XTickPos(0); every plot sets it to 0.
    float VertAxisOffset = 0;
    float SurfaceWidth = 0;
    float SurfaceHeight = 0;
    // Indices 0 to the interval count; only the two ends are stored.
    std::vector<float> XTickPos;
    std::vector<float> YTickPos;
    float XAxisMin = 0;
    float XAxisMax = 0;
    float YAxisMax = 0;
    float YAxisMin = 0;
    // Segments of a channel section; last row index of a rating table.
    int DataUpperIndex = 0;
    float XScale = 0;
    float YScale = 0;
    // Subsection marks of a section plot: station, ground elevation and the n
    // of the subsection that begins there (empty for the last mark).
    std::vector<float> MarkX;
    std::vector<float> MarkY;
    std::vector<std::string> MarkText;
    // Height of the subsection line above the top of the plot.
    float MarkLineRise = 0;
    // How far the mark lines rise above the subsection line.
    float MarkOvershoot = 0;
    // Gap between a ground point and the lower end of a mark line.
    float MarkGroundGap = 0;
    // Gap between the top of the plot and a bank line, and under its label.
    float BankMarkGap = 0;
};

// The four tailwater plots.
enum class TailwaterPlot { XSecScreen, RateCurveScreen, RateCurvePrint, XSecPrint };

// A plot's layout as it starts: its margins, the mark offsets and tick arrays
// of 0..10.
PlotLayout InitialPlotLayout(TailwaterPlot plot);
