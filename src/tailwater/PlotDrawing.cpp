#include "tailwater/PlotDrawing.h"

#include "platform/PlotSurface.h"

namespace PlotDrawing {
namespace {

constexpr int MinorTicks = 9;
constexpr float HalfTick = 50;

} // namespace

void PrintAt(PlotSurface& surface, float x, float y, const QString& text) {
    surface.SetCurrentX(x);
    surface.SetCurrentY(y);
    surface.Print(text);
}

void PrintInColor(PlotSurface& surface, float x, float y, const QString& text,
                  const QColor& color) {
    surface.SetForeColor(color);
    PrintAt(surface, x, y, text);
    surface.SetForeColor(Qt::black);
}

void StationTicks(PlotSurface& surface, float x, float step, float bottom, float top) {
    for (int j = 1; j <= MinorTicks; ++j) {
        const auto tx = static_cast<float>(x + j * (static_cast<double>(step) / 10));
        surface.Line(tx, bottom + HalfTick, tx, bottom - HalfTick);
        surface.Line(tx, top + HalfTick, tx, top - HalfTick);
    }
}

void LevelTicks(PlotSurface& surface, float y, float step, float left, float right) {
    for (int j = 1; j <= MinorTicks; ++j) {
        const auto ty = static_cast<float>(y + j * (static_cast<double>(step) / 10));
        surface.Line(left - HalfTick, ty, left + HalfTick, ty);
        surface.Line(right - HalfTick, ty, right + HalfTick, ty);
    }
}

} // namespace PlotDrawing
