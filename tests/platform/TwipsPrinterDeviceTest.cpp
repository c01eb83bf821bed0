#include "platform/TwipsPrinterDevice.h"
#include "platform/TwipsPrinterTargets.h"

#include <QFontInfo>

#include <gtest/gtest.h>

TEST(TwipsPrinterDevice, ReportFontsAreDrawnWithTheirLiberationFaces) {
    struct Case {
        const char* name;
        bool bold;
        const char* family;
    };
    const Case cases[] = {
        {"Times New Roman", false, "Liberation Serif"},
        {"Times New Roman", true, "Liberation Serif"},
        {"Arial", false, "Liberation Sans"},
        {"Arial", true, "Liberation Sans"},
    };
    for (const auto& c : cases) {
        QFontInfo info(DeviceFont({c.name, 11, c.bold}));
        EXPECT_EQ(info.family().toStdString(), c.family) << c.name;
        EXPECT_EQ(info.bold(), c.bold) << c.name;
    }
}

// The expected values come from the fonts' published metrics: digits are
// 1/2 em wide in Times New Roman and 1139/2048 em in Arial, and a Times New
// Roman line is 2355/2048 em (ascent, descent and line gap). Device pixels are
// 1/600 inch (2.4 twips), so widths may differ by half a pixel per character.
TEST(TwipsPrinterDevice, PdfMeasuresFollowTheFontsAndTheLetterPage) {
    auto pdf = OpenPdfFile("unused.pdf");
    const PrinterMetrics& metrics = pdf->Metrics();

    EXPECT_NEAR(metrics.TextWidth({"Times New Roman", 11, false}, "0000000000"), 1100, 12);
    EXPECT_NEAR(metrics.TextWidth({"Arial", 10, false}, "0000000000"), 1112.3, 12);
    EXPECT_NEAR(metrics.LineHeight({"Times New Roman", 11, false}), 253.0, 3);

    EXPECT_EQ(metrics.PrintableSize(PageOrientation::Portrait), QSizeF(11520, 15120));
    EXPECT_EQ(metrics.PrintableSize(PageOrientation::Landscape), QSizeF(15120, 11520));
}
