#include "platform/PlotRecorder.h"

PlotRecorder::PlotRecorder(const PrinterMetrics& metrics, const PrinterFont& font, QSizeF sizeTwips)
    : metrics_(metrics), font_(font), size_(sizeTwips) {}

void PlotRecorder::Clear() {
    list_.texts.clear();
    list_.lines.clear();
    list_.arcs.clear();
    Changed();
}

float PlotRecorder::TextWidth(const QString& text) const {
    return metrics_.TextWidth(font_, text);
}

float PlotRecorder::TextHeight() const {
    return metrics_.LineHeight(font_);
}

void PlotRecorder::Print(const QString& text) {
    if (!text.isEmpty()) {
        list_.texts.push_back({x_, y_, text, font_, foreColor_});
        Changed();
    }
    x_ += TextWidth(text);
}

void PlotRecorder::Line(float x1, float y1, float x2, float y2) {
    Line(x1, y1, x2, y2, foreColor_);
}

void PlotRecorder::Line(float x1, float y1, float x2, float y2, const QColor& color) {
    list_.lines.push_back({x1, y1, x2, y2, drawWidth_, drawStyle_, color});
    x_ = x2;
    y_ = y2;
    Changed();
}

void PlotRecorder::Arc(float cx, float cy, float radius, float startAngle, float endAngle) {
    list_.arcs.push_back(
        {cx, cy, radius, startAngle, endAngle, drawWidth_, drawStyle_, foreColor_});
    Changed();
}
