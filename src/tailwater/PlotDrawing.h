#pragma once

#include <QColor>
#include <QString>

class PlotSurface;

// Small drawing steps both tailwater plots take, on screen and on paper.
namespace PlotDrawing {

// A text with its top-left corner at (x, y).
void PrintAt(PlotSurface& surface, float x, float y, const QString& text);

// The same in a colour; the fore colour is black again afterwards.
void PrintInColor(PlotSurface& surface, float x, float y, const QString& text, const QColor& color);

// The nine minor ticks between a major tick at x and the next one step
// further, each 100 twips long across the frame's bottom edge (at page
// height bottom) and across its top edge.
void StationTicks(PlotSurface& surface, float x, float step, float bottom, float top);

// The nine minor ticks between a major tick at page height y and the next one
// step further (upwards for a negative step), each 100 twips long across the
// frame's left and right edges.
void LevelTicks(PlotSurface& surface, float y, float step, float left, float right);

} // namespace PlotDrawing
