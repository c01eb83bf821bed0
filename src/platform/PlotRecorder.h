#pragma once

#include "platform/PlotSurface.h"
#include "platform/TwipsPrinter.h"

#include <QSizeF>

// A plot surface that keeps what is drawn on it as a display list of texts and
// lines, the same records a printed page keeps. The screen's PlotCanvas draws
// through one; tests draw on one with FixedPrinterMetrics and read the list.
class PlotRecorder : public PlotSurface {
public:
    // Texts are measured with the metrics in the font given; the surface is
    // sizeTwips large.
    PlotRecorder(const PrinterMetrics& metrics, const PrinterFont& font, QSizeF sizeTwips);

    void SetSize(QSizeF sizeTwips) { size_ = sizeTwips; }
    void SetFont(const PrinterFont& font) { font_ = font; }

    // Empties the display list; the pen and the current point stay as they are.
    void Clear();
    const PrintedPage& DisplayList() const { return list_; }

    float ScaleWidth() const override { return static_cast<float>(size_.width()); }
    float ScaleHeight() const override { return static_cast<float>(size_.height()); }
    float TextWidth(const QString& text) const override;
    float TextHeight() const override;
    void SetDrawWidth(int pixels) override { drawWidth_ = pixels; }
    void SetDrawStyle(DrawStyle style) override { drawStyle_ = style; }
    void SetForeColor(const QColor& color) override { foreColor_ = color; }
    void SetCurrentX(float x) override { x_ = x; }
    void SetCurrentY(float y) override { y_ = y; }
    void Print(const QString& text) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, const QColor& color) override;
    void Arc(float cx, float cy, float radius, float startAngle, float endAngle) override;

protected:
    // Called after every change of the display list.
    virtual void Changed() {}

private:
    const PrinterMetrics& metrics_;
    PrinterFont font_;
    QSizeF size_;
    PrintedPage list_;
    float x_ = 0;
    float y_ = 0;
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    QColor foreColor_ = Qt::black;
};
