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

// Nine minor ticks in each interval between the major ticks from x0 on, step
// apart, none after the last: solid lines 100 twips long across the frame's
// bottom edge (at page height bottom) and across its top edge. Solid, so that
// they show whatever style the grid lines have.
void StationTicks(PlotSurface& surface, float x0, float step, int intervals, float bottom,
                  float top);

// The same for the major ticks from page height y0 on, step apart (upwards
// for a negative step), across the frame's left and right edges.
void LevelTicks(PlotSurface& surface, float y0, float step, int intervals, float left, float right);

} // namespace PlotDrawing
