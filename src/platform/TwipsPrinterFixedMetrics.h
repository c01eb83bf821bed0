#pragma once

#include "platform/TwipsPrinter.h"

// Font and page measures that do not depend on any installed font or device,
// so that tests can compute a report's positions by hand. Every name maps to
// the same measures:
// - each character is 10 twips wide per point of font size (11 points: 110),
//   11 twips per point when bold (11 points: 121);
// - a line is 23 twips high per point (11 points: 253, 9 points: 207);
// - the printable area is a letter page less 1/4-inch margins: 11520 x 15120
//   twips in portrait, 15120 x 11520 in landscape.
class FixedPrinterMetrics : public PrinterMetrics {
public:
    float TextWidth(const PrinterFont& font, const QString& text) const override;
    float LineHeight(const PrinterFont& font) const override;
    QSizeF PrintableSize(PageOrientation orientation) const override;
};
