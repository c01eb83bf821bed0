#include "platform/TwipsPrinterDevice.h"
#include "platform/TwipsPrinterTargets.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTemporaryDir>

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
    auto pdf = OpenPdfFile("unused.pdf", "Tarnwell - Test");
    const PrinterMetrics& metrics = pdf->Metrics();

    EXPECT_NEAR(metrics.TextWidth({"Times New Roman", 11, false}, "0000000000"), 1100, 12);
    EXPECT_NEAR(metrics.TextWidth({"Arial", 10, false}, "0000000000"), 1112.3, 12);
    EXPECT_NEAR(metrics.LineHeight({"Times New Roman", 11, false}), 253.0, 3);

    EXPECT_EQ(metrics.PrintableSize(PageOrientation::Portrait), QSizeF(11520, 15120));
    EXPECT_EQ(metrics.PrintableSize(PageOrientation::Landscape), QSizeF(15120, 11520));
}

// Numbers are measured by their characters' advances; they must come out as
// wide as the whole text shaped at once, in every report font.
TEST(TwipsPrinterDevice, NumbersMeasureAsTheirShapedText) {
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("measure.pdf"));
    DeviceMetrics metrics(writer);
    const PrinterFont fonts[] = {
        {"Times New Roman", 11, false}, {"Arial", 9, true}, {"Arial", 10, false}};
    const QString texts[] = {"1,234,567.89", "-0.05", "100.00", "9,999", "+7", "12 ft", "Steep"};
    for (const PrinterFont& font : fonts) {
        const QFontMetricsF shaped(DeviceFont(font), &writer);
        for (const QString& text : texts) {
            SCOPED_TRACE(text.toStdString());
            const double expected = shaped.horizontalAdvance(text) * 1440.0 / writer.logicalDpiX();
            EXPECT_NEAR(metrics.TextWidth(font, text), expected, 0.5);
        }
    }
}
