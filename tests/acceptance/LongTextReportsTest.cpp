#include "CountingMetrics.h"
#include "LongTexts.h"
#include "ProjectFixture.h"
#include "ReportPageChecks.h"
#include "app/FrmSiteIdentification.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "platform/FieldLimit.h"
#include "platform/TwipsPrinterFixedMetrics.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace {

using namespace ReportPageChecks;

const QString ExampleProject = TW_EXAMPLE_PROJECT;

enum class LongTexts { Words, Unbroken };

// The example project with every site text, the land-use description and the
// first return period of General Culvert Design far longer than a page is
// wide, printed by every report on the recording printer: texts of words, or
// each as long as a box takes without a blank.
class LongTextReports : public ProjectFileTest, public ::testing::WithParamInterface<LongTexts> {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        Open(ExampleProject);
        ASSERT_TRUE(user.MessageTexts().empty());
        const QString words = " of the Hollins Branch crossing below the old mill race road";
        const QString unbroken = Letters(static_cast<qsizetype>(FieldLimit::MaxLength));
        const auto text = [&](const QString& withWords) {
            return GetParam() == LongTexts::Words ? withWords : unbroken;
        };
        const std::pair<QLineEdit*, QString> fields[] = {
            {site->TxtFileNumber, "F-2207" + words},
            {site->TxtDesignNumber, "D-14" + words},
            {site->TxtCounty, "Saint Bartholomew-on-the-Marsh County" + words},
            {site->TxtProject, "Route 614 replacement" + words + words + words},
            {site->TxtProjectNumber, "0614-041-112" + words},
            {site->TxtStructureLocation, "Station 1234+56.78" + words + words},
            {site->TxtStream, "Hollins Branch" + words},
            {site->TxtDesigner, "Maximiliana Featherstonehaugh-Wolfeschlegelsteinhausen" + words},
        };
        for (const auto& [box, typed] : fields) {
            box->setText(text(typed));
            longTexts << text(typed);
        }
        FrmVoskRunoffChart& chart = *windows->voskRunoffChart;
        chart.Opt_VRC_LUS[1]->click();
        longTexts << text("Mixed pasture and woodland on rolling terrain" + words + words + words);
        chart.Txt_VRC_UserLUSDescript->setText(longTexts.back());
        longTexts << text("2-year flood" + words);
        design->GrdDesignQs->SetTextMatrix(1, 1, longTexts.back());
        design->CmdComputeAllResults->click();
        windows->tailwaterCrossSection->CmdPlotXSection_Click();
        windows->tailwaterRatingCurve->CmdComputeRatingsCurve_Click();
        ASSERT_TRUE(user.MessageTexts().empty());
    }

    // A line or part of a line of one of the long texts, or a shortened one.
    bool FromLongText(const QString& printed) const {
        QString text = printed.trimmed();
        if (text.endsWith(QChar(0x2026))) {
            text.chop(1);
        }
        return text.size() >= 6 && std::any_of(longTexts.begin(), longTexts.end(),
                                               [&](const QString& t) { return t.contains(text); });
    }

    QStringList longTexts;
};

INSTANTIATE_TEST_SUITE_P(, LongTextReports,
                         ::testing::Values(LongTexts::Words, LongTexts::Unbroken),
                         [](const auto& info) {
                             return info.param == LongTexts::Words ? "Words" : "Unbroken";
                         });

TEST_P(LongTextReports, EveryTextStaysOnThePageClearOfOtherTextsAndRules) {
    // The reports keep 1000 twips clear of either side of the page for them.
    constexpr float Margin = 1000;
    FixedPrinterMetrics metrics;
    for (const auto& [name, print] : EveryReport(*windows)) {
        TwipsPrinter printer(metrics);
        print(printer);
        ASSERT_FALSE(printer.Document().pages.empty()) << name;
        for (const PrintedPage& page : printer.Document().pages) {
            const auto height =
                static_cast<float>(metrics.PrintableSize(page.orientation).height());
            for (const PrintedText& text : page.texts) {
                const Box box = BoxOf(text, metrics);
                EXPECT_TRUE(box.top >= 0 && box.bottom <= height)
                    << name << ": " << Describe(text) << " below the page";
            }
        }
        EXPECT_EQ(TextFaults(
                      printer.Document(), metrics,
                      [this](const QString& text) { return FromLongText(text); }, Margin),
                  std::vector<std::string>{})
            << name;
    }
}

// However long the texts, a report measures them only as far as their room
// on the page: the texts it measures for a page come to fewer characters
// than one long text has, so that its time stays close to that with short
// texts.
TEST_P(LongTextReports, NoPageMeasuresALongTextInFull) {
    for (const auto& [name, print] : EveryReport(*windows)) {
        CountingMetrics metrics;
        TwipsPrinter printer(metrics);
        print(printer);
        const auto pages = static_cast<qsizetype>(printer.Document().pages.size());
        EXPECT_LT(metrics.measured, pages * static_cast<qsizetype>(FieldLimit::MaxLength)) << name;
    }
}

// Bold wider than the fixed metrics' (14 twips a point where they have 11),
// as a printer's bold face can be: "SELECTION" at 11 points is 1386 wide.
class WideBoldMetrics : public FixedPrinterMetrics {
public:
    float TextWidth(const PrinterFont& font, const QString& text) const override {
        return font.bold ? static_cast<float>(text.size()) * 14 * font.size
                         : FixedPrinterMetrics::TextWidth(font, text);
    }
};

TEST_P(LongTextReports, TheBoldSelectionStandsClearOfItsColumnsRules) {
    const std::pair<const char*, Print> reports[] = {
        {"standard designs", PrtVSHAStandardSize::PrintStandardDesigns},
        {"tapered inlet", PrtTaperedInletInfo::PrintTaperedInletInfo},
        {"drop inlet", PrtDropInlet::PrintDropInletDesign},
    };
    WideBoldMetrics metrics;
    for (const auto& [name, print] : reports) {
        TwipsPrinter printer(metrics);
        print(printer);
        int selections = 0;
        for (const PrintedPage& page : printer.Document().pages) {
            for (const PrintedText& text : page.texts) {
                if (text.text != "SELECTION") {
                    continue;
                }
                ++selections;
                EXPECT_TRUE(text.font.bold) << name;
                // 50 clear of the rules either side.
                Box box = BoxOf(text, metrics);
                box.left -= 50;
                box.right += 50;
                for (const PrintedLine& line : page.lines) {
                    EXPECT_FALSE(Crosses(line, box))
                        << name << ": a rule at " << line.x1 << " through " << Describe(text);
                }
            }
        }
        EXPECT_GT(selections, 0) << name;
    }
}

} // namespace
