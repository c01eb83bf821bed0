#pragma once

#include "platform/TwipsPrinter.h"

#include <QFont>
#include <QFontMetricsF>

#include <array>
#include <optional>

class QPagedPaintDevice;
class QPainter;

// The font a device draws for a report's font name: "Times New Roman" and
// "Arial" are drawn with their metric-compatible Liberation faces.
QFont DeviceFont(const PrinterFont& font);

// The measures of a real output device (a printer or a PDF writer).
class DeviceMetrics : public PrinterMetrics {
public:
    explicit DeviceMetrics(QPagedPaintDevice& device) : device_(device) {}

    float TextWidth(const PrinterFont& font, const QString& text) const override;
    float LineHeight(const PrinterFont& font) const override;
    QSizeF PrintableSize(PageOrientation orientation) const override;

private:
    // Measuring builds the device's font metrics; a report measures many texts
    // in few fonts, so the last font's metrics are kept, with the advances of
    // the characters numbers are written with: without kerning a number is as
    // wide as its characters' advances added up, and the long tables of the
    // reports are mostly numbers, which are slow to shape one by one.
    struct FontMeasures {
        PrinterFont font;
        QFontMetricsF metrics;
        std::array<qreal, 128> numberAdvances; // below 0 until measured
    };
    FontMeasures& Measures(const PrinterFont& font) const;

    QPagedPaintDevice& device_;
    mutable std::optional<FontMeasures> measures_;
};

// Draws one recorded page on the painter's device, twips at its logical resolution.
void PaintPage(QPainter& painter, const PrintedPage& page);

// Draws a recorded document of at least one page on the device, page by page
// in each page's orientation. Throws AppError when the device refuses it.
void PaintDocument(const PrintedDocument& document, QPagedPaintDevice& device);
