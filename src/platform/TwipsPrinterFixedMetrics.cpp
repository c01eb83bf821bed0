#include "platform/TwipsPrinterFixedMetrics.h"

float FixedPrinterMetrics::TextWidth(const PrinterFont& font, const QString& text) const {
    float perPoint = font.bold ? 11.0f : 10.0f;
    return static_cast<float>(text.size()) * perPoint * font.size;
}

float FixedPrinterMetrics::LineHeight(const PrinterFont& font) const {
    return 23.0f * font.size;
}

QSizeF FixedPrinterMetrics::PrintableSize(PageOrientation orientation) const {
    QSizeF portrait(11520, 15120);
    return orientation == PageOrientation::Portrait ? portrait : portrait.transposed();
}
