#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

class PlotSurface;

// Small drawing steps both tailwater plots take, on screen and on paper.
namespace PlotDrawing {

// The room between a frame's side and the surface's edge: the plot's margin,
// or more where a label there would not show whole. The `outside` labels
// stand one "0" off the frame and keep one more "0" from the edge; `centred`
// stands centred on the frame's corner tick, half of it beyond the side.
float LabelMargin(const PlotSurface& surface, float margin, const QStringList& outside,
                  const QString& centred);

// Which ticks, `step` apart, of labels centred on them carry their label:
// every one while neighbours in a row stay a "0" apart, else every s-th for
// the smallest s that divides the intervals (so that both ends keep theirs)
// and keeps them apart; the two ends alone where none does. The labels that
// are shown take `rows` rows in turn.
int LabelStride(const PlotSurface& surface, const QStringList& labels, float step, int rows = 1);

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
