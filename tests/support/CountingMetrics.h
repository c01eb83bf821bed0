#pragma once

#include "platform/TwipsPrinterFixedMetrics.h"

// The fixed metrics, counting the characters of every text they measure: a
// report or a fit that measures a long text in full, or over and over, shows
// in the count long before it shows as time.
class CountingMetrics : public FixedPrinterMetrics {
public:
    float TextWidth(const PrinterFont& font, const QString& text) const override {
        measured += text.size();
        return FixedPrinterMetrics::TextWidth(font, text);
    }

    mutable qsizetype measured = 0;
};
