#include "tailwater/PlotDrawing.h"

#include "platform/PlotSurface.h"

#include <algorithm>

namespace PlotDrawing {
namespace {

constexpr int MinorTicks = 9;
constexpr float HalfTick = 50;

} // namespace

float LabelMargin(const PlotSurface& surface, float margin, const QStringList& outside,
                  const QString& centred) {
    const float zero = surface.TextWidth("0");
    float room = std::max(margin, surface.TextWidth(centred) / 2 + zero);
    for (const QString& label : outside) {
        room = std::max(room, surface.TextWidth(label) + 2 * zero);
    }
    return room;
}

int LabelStride(const PlotSurface& surface, const QStringList& labels, float step, int rows) {
    const float zero = surface.TextWidth("0");
    const auto intervals = static_cast<int>(labels.size()) - 1;
    auto clear = [&](int stride) {
        const int next = rows * stride; // the next label in the same row
        for (int k = 0; k + next <= intervals; k += stride) {
            const float apart =
                (surface.TextWidth(labels[k]) + surface.TextWidth(labels[k + next])) / 2 + zero;
            if (apart > static_cast<float>(next) * step) {
                return false;
            }
        }
        return true;
    };
    for (int stride = 1; stride < intervals; ++stride) {
        if (intervals % stride == 0 && clear(stride)) {
            return stride;
        }
    }
    return std::max(intervals, 1);
}

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

void StationTicks(PlotSurface& surface, float x0, float step, int intervals, float bottom,
                  float top) {
    surface.SetDrawStyle(DrawStyle::Solid);
    for (int k = 0; k < intervals; ++k) {
        const float x = x0 + static_cast<float>(k) * step;
        for (int j = 1; j <= MinorTicks; ++j) {
            const auto tx = static_cast<float>(x + j * (static_cast<double>(step) / 10));
            surface.Line(tx, bottom + HalfTick, tx, bottom - HalfTick);
            surface.Line(tx, top + HalfTick, tx, top - HalfTick);
        }
    }
}

void LevelTicks(PlotSurface& surface, float y0, float step, int intervals, float left,
                float right) {
    surface.SetDrawStyle(DrawStyle::Solid);
    for (int k = 0; k < intervals; ++k) {
        const float y = y0 + static_cast<float>(k) * step;
        for (int j = 1; j <= MinorTicks; ++j) {
            const auto ty = static_cast<float>(y + j * (static_cast<double>(step) / 10));
            surface.Line(left - HalfTick, ty, left + HalfTick, ty);
            surface.Line(right - HalfTick, ty, right + HalfTick, ty);
        }
    }
}

} // namespace PlotDrawing
