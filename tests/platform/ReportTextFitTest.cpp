#include "platform/ReportTextFit.h"
#include "CountingMetrics.h"
#include "LongTexts.h"
#include "platform/TwipsPrinter.h"
#include "platform/TwipsPrinterFixedMetrics.h"

#include <gtest/gtest.h>

#include <functional>

// At 10 points every character of the fixed metrics is 100 twips wide.
namespace {

struct ReportTextFitTest : ::testing::Test {
    ReportTextFitTest() { printer.SetFontSize(10); }
    FixedPrinterMetrics metrics;
    TwipsPrinter printer{metrics};
};

} // namespace

TEST_F(ReportTextFitTest, WrapsAtBlanksAndInsideOverlongWords) {
    struct Case {
        QString text;
        float width;
        QStringList lines;
    };
    const Case cases[] = {
        {"", 500, {""}},
        {"Elk Run", 700, {"Elk Run"}},
        // "Elk Run" is 700: the blank between the words goes.
        {"Elk Run", 600, {"Elk", "Run"}},
        {"Route 9 over  Elk Run", 1200, {"Route 9 over", "Elk Run"}},
        // Blanks as typed, where the text breaks as where it fits.
        {"Elk  Run", 800, {"Elk  Run"}},
        {"  Elk Run", 900, {"  Elk Run"}},
        {"Route  9 over Elk   Run", 1300, {"Route  9 over", "Elk   Run"}},
        // 12 characters in lines of 5.
        {"ABCDEFGHIJKL", 500, {"ABCDE", "FGHIJ", "KL"}},
        {"To ABCDEFG x", 500, {"To", "ABCDE", "FG x"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReportTextFit::Wrap(printer, c.text, c.width, 3), c.lines)
            << c.text.toStdString();
    }
    // Two lines of 12 characters at most: "Elk Run" would make a third, so
    // the second keeps 11 and the ellipsis.
    EXPECT_EQ(ReportTextFit::Wrap(printer, "Route 9 over Route 9 over Elk Run", 1200, 2),
              QStringList({"Route 9 over", "Route 9 ove" + QString(QChar(0x2026))}));
    EXPECT_EQ(ReportTextFit::Wrap(printer, "Route 9 over Route  9 over Elk Run", 1200, 2),
              QStringList({"Route 9 over", "Route  9 ov" + QString(QChar(0x2026))}));
}

TEST_F(ReportTextFitTest, ElidesWithAnEllipsisOnlyWhatDoesNotFit) {
    const QString ellipsis(QChar(0x2026));
    struct Case {
        QString text;
        float width;
        QString fitted;
    };
    const Case cases[] = {
        {"Kent", 400, "Kent"},
        {"Kent County", 1100, "Kent County"},
        // Nine characters fit: eight and the ellipsis, the blank before it dropped.
        {"Kent County", 900, "Kent Cou" + ellipsis},
        {"Kent County", 550, "Kent" + ellipsis},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReportTextFit::Elide(printer, c.text, c.width), c.fitted)
            << c.text.toStdString() << " in " << c.width;
    }
}

// A character beyond the basic plane is two UTF-16 units, each as wide as a
// character in the fixed metrics: a text is never cut between them.
TEST_F(ReportTextFitTest, KeepsBothHalvesOfATwoUnitCharacterTogether) {
    const QString ellipsis(QChar(0x2026));
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80"); // 200 wide
    const QString faces = face + face + face;
    // Three units fit with the ellipsis, but the third is half a face.
    EXPECT_EQ(ReportTextFit::Elide(printer, faces, 400), face + ellipsis);
    EXPECT_EQ(ReportTextFit::Elide(printer, "A" + faces, 400), "A" + face + ellipsis);
    // Lines of three units hold one face; a line of one unit still its first
    // character whole.
    EXPECT_EQ(ReportTextFit::Wrap(printer, faces, 300, 3), QStringList({face, face, face}));
    EXPECT_EQ(ReportTextFit::Wrap(printer, "A" + faces, 300, 3),
              QStringList({"A" + face, face, face}));
    EXPECT_EQ(ReportTextFit::Wrap(printer, face + "A", 100, 3), QStringList({face, "A"}));
}

// A text far longer than its room, as long as a box takes, fitted to a few
// lines: the texts measured come to fewer characters than the text has, so
// that fitting it takes little more time than fitting a short one.
TEST(ReportTextFitLong, MeasuresNoMoreThanTheRoomNeeds) {
    const QString ellipsis(QChar(0x2026));
    const QString unbroken = Letters(65536);
    const QString words = Letters(65536, 8);
    struct Case {
        const char* what;
        std::function<QStringList(const TwipsPrinter&)> fit;
        QStringList fitted;
    };
    const Case cases[] = {
        {"elided",
         [&](const TwipsPrinter& p) { return QStringList{ReportTextFit::Elide(p, unbroken, 550)}; },
         {"ABCD" + ellipsis}},
        {"wrapped",
         [&](const TwipsPrinter& p) { return ReportTextFit::Wrap(p, unbroken, 500, 3); },
         {"ABCDE", "FGHIJ", "KLMN" + ellipsis}},
        {"wrapped at blanks",
         [&](const TwipsPrinter& p) { return ReportTextFit::Wrap(p, words, 1800, 2); },
         {"ABCDEFGH JKLMNOPQ", "STUVWXYZ BCDEFGHI" + ellipsis}},
        {"measured",
         [&](const TwipsPrinter& p) {
             return QStringList{QString::number(ReportTextFit::WidthUpTo(p, unbroken, 1000))};
         },
         {"1100"}},
    };
    for (const auto& c : cases) {
        CountingMetrics metrics;
        TwipsPrinter printer(metrics);
        printer.SetFontSize(10);
        EXPECT_EQ(c.fit(printer), c.fitted) << c.what;
        EXPECT_LT(metrics.measured, unbroken.size()) << c.what;
    }
}

TEST(ReportTextFitShare, NarrowColumnsKeepTheirWidthTheWideOnesShareTheRest) {
    struct Case {
        std::vector<float> wanted;
        float total;
        std::vector<float> widths;
    };
    const Case cases[] = {
        {{500, 1200, 800}, 2500, {500, 1200, 800}},
        // 500 keeps its own; the other two share 1500 equally.
        {{500, 1200, 800}, 2000, {500, 750, 750}},
        // 700 is below its half of 1500: the widest gets the 800 left.
        {{500, 3000, 700}, 2000, {500, 800, 700}},
        {{3000, 3000, 3000}, 3000, {1000, 1000, 1000}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReportTextFit::ShareWidth(c.wanted, c.total), c.widths);
    }
}
