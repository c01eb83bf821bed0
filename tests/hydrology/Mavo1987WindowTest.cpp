#include "HydrologyWindowFixture.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

using Mavo1987Window = HydrologyWindows;

void Enter(frmUSGSMavo1987& window, const std::array<const char*, 5>& areas) {
    for (size_t i = 0; i < areas.size(); ++i) {
        window.TxtDA[i]->setText(areas[i]);
    }
}

TEST_F(Mavo1987Window, LaysOutSixReturnPeriodsUnderTwoLineHeadings) {
    EXPECT_EQ(mavo->Frame()->windowTitle(), "USGS Flood Frequency, Mavo - 1987");
    EXPECT_EQ(Cells(*mavo->grdQs),
              (std::vector<std::string>{"Return Period\r\n(Years)|Q    \r\n(ft^3/s) ", "2|", "5|",
                                        "10|", "25|", "50|", "100|"}));
    // Widths are kept in whole pixels.
    EXPECT_NEAR(mavo->grdQs->ColWidthTwips(1), 1300, 15);
    EXPECT_EQ(Column(*qDepth->grdMavo87TWCalc, 0),
              (std::vector<std::string>{"2", "5", "10", "25", "50", "100"}));
    EXPECT_FALSE(mavo->CmdPrint->isEnabled());
}

// Q = a A^b of each region (a, b of the built-in table):
//   region 1: 211 0.62, 502 0.60, 757 0.60, 1140 0.57, 1500 0.60, 1880 0.60
//   region 2: 196 0.57, 402 0.55, 570 0.55, 821 0.54, 1020 0.53, 1230 0.53
struct ComputeCase {
    const char* name;
    std::array<const char*, 5> areas;
    const char* total;
    std::vector<std::string> discharges;
};

class Mavo1987Compute : public Mavo1987Window, public ::testing::WithParamInterface<ComputeCase> {};

TEST_P(Mavo1987Compute, ShowsTheTotalAndDischargesAndHandsThemOver) {
    const ComputeCase& c = GetParam();
    FillDepths(*qDepth->grdMavo87TWCalc);
    FillDepths(*qDepth->GrdUSGSTailWaterCalc);
    const auto usgsBefore = Cells(*qDepth->GrdUSGSTailWaterCalc);
    Enter(*mavo, c.areas);
    mavo->cmdComputeQs->click();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(mavo->lblTotalDA->text().toStdString(), c.total);
    EXPECT_EQ(Column(*mavo->grdQs, 1), c.discharges);
    EXPECT_EQ(Column(*qDepth->grdMavo87TWCalc, 1), c.discharges);
    EXPECT_EQ(Column(*qDepth->grdMavo87TWCalc, 2), std::vector<std::string>(6, ""));
    EXPECT_EQ(Column(*qDepth->grdMavo87TWCalc, 3), std::vector<std::string>(6, ""));
    EXPECT_EQ(Cells(*qDepth->GrdUSGSTailWaterCalc), usgsBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Watersheds, Mavo1987Compute,
    ::testing::Values(
        // 211 x 10^0.62 = 879.6, 502 x 10^0.6 = 1,998.5, 757 x 10^0.6 = 3,013.7,
        // 1140 x 10^0.57 = 4,235.5, 1500 x 10^0.6 = 5,971.6, 1880 x 10^0.6 = 7,484.4.
        ComputeCase{"Region1",
                    {"10", "", "", "", ""},
                    "10",
                    {"880", "1,998", "3,014", "4,236", "5,972", "7,484"}},
        // Blanks around the text are dropped before the check.
        ComputeCase{"BlanksAround",
                    {" 10 ", "   ", "", "", ""},
                    "10",
                    {"880", "1,998", "3,014", "4,236", "5,972", "7,484"}},
        // 25 > 20 square miles: 0.6 x region 1 at 25 + 0.4 x region 2 at 25, e.g.
        // 2 years 0.6 x 211 x 25^0.62 + 0.4 x 196 x 25^0.57 = 1,422.5.
        ComputeCase{"AreaWeightedAbove20",
                    {"15", "10", "", "", ""},
                    "25",
                    {"1,423", "3,022", "4,472", "6,152", "8,456", "10,491"}},
        // Exactly 20: each region on its own area, added: 211 x 10^0.62 + 196 x 10^0.57
        // = 879.6 + 728.2 = 1,607.8.
        ComputeCase{"OwnAreasAt20",
                    {"10", "10", "", "", ""},
                    "20",
                    {"1,608", "3,425", "5,036", "7,082", "9,428", "11,652"}},
        // The total in its shortest form; 211 x 0.25^0.62 + 196 x 0.1^0.57 = 142.1.
        ComputeCase{"FractionalTotal",
                    {"0.25", "0.1", "", "", ""},
                    "0.35",
                    {"142", "332", "490", "754", "954", "1,181"}},
        // Region 5's exponents rise with the return period, so on a small watershed
        // Q50 falls below Q25 and is shown as computed: at 0.1 square miles
        // 30 x 0.1^0.66 = 6.56, 37 x 0.1^0.71 = 7.21, 41 x 0.1^0.74 = 7.46,
        // 45 x 0.1^0.77 = 7.64, 47 x 0.1^0.79 = 7.62, 50 x 0.1^0.80 = 7.92.
        ComputeCase{"SmallRegion5Watershed",
                    {"", "", "", "", "0.1"},
                    "0.1",
                    {"7", "7", "7", "8", "8", "8"}},
        // At 0.05: 4.15, 4.41, 4.47, 4.48, 4.41, 4.55.
        ComputeCase{"SmallerRegion5Watershed",
                    {"", "", "", "", "0.05"},
                    "0.05",
                    {"4", "4", "4", "4", "4", "5"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Mavo1987Window, RefusedAreasEmptyTheResultsButNotTheQDepthGrid) {
    struct Case {
        std::array<const char*, 5> areas;
        const char* message;
        int focusBox;
    };
    mavo->StartUp();
    for (const Case& c :
         {Case{{"", " ", "", "", ""}, "Total drainage area is = 0. Can not compute Q's.", 0},
          Case{{"0", "", "", "", "0"}, "Total drainage area is = 0. Can not compute Q's.", 0},
          Case{{"10", "", "ten", "-1", ""},
               "Drainage area for Region 3 can not be evaluated as a number. Please re-enter.",
               2},
          Case{{"10", "", "", "-1", ""},
               "Drainage area for Region 4 is < 0. Drainage area must be >= 0.0",
               3}}) {
        Enter(*mavo, {"10", "", "", "", ""});
        mavo->cmdComputeQs->click();
        const auto handedOver = Cells(*qDepth->grdMavo87TWCalc);
        user.shown.clear();
        Enter(*mavo, c.areas);
        mavo->cmdComputeQs->click();
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text.toStdString(), c.message);
        EXPECT_EQ(user.shown[0].title, "Tarnwell V2.0");
        EXPECT_EQ(Focused(*mavo), mavo->TxtDA[static_cast<size_t>(c.focusBox)]);
        EXPECT_EQ(mavo->lblTotalDA->text(), "");
        EXPECT_EQ(Column(*mavo->grdQs, 1), std::vector<std::string>(6, ""));
        EXPECT_EQ(Cells(*qDepth->grdMavo87TWCalc), handedOver);
    }
}

TEST_F(Mavo1987Window, ResultsGoWhenAnAreaIsEditedAndOnClearData) {
    Enter(*mavo, {"10", "", "", "", ""});
    mavo->cmdComputeQs->click();
    mavo->TxtDA[0]->setText("99");
    EXPECT_EQ(mavo->lblTotalDA->text(), "");
    EXPECT_EQ(Column(*mavo->grdQs, 1), std::vector<std::string>(6, ""));

    mavo->grdQs->SetSelection(3, 0, 5, 1);
    mavo->ClearData();
    const Mavo1987Contents contents = mavo->Contents();
    EXPECT_EQ(contents.regionDA, (std::array<std::string, 5>{"", "", "", "", ""}));
    EXPECT_EQ(contents.totalDA, "");
    EXPECT_EQ(Column(*mavo->grdQs, 0),
              (std::vector<std::string>{"2", "5", "10", "25", "50", "100"}));
    EXPECT_EQ(Column(*mavo->grdQs, 1), std::vector<std::string>(6, ""));
    EXPECT_EQ(mavo->grdQs->Selection().top, 1);
    EXPECT_EQ(mavo->grdQs->Selection().left, 1);
    EXPECT_EQ(mavo->grdQs->Selection().bottom, 1);
    EXPECT_EQ(Column(*qDepth->grdMavo87TWCalc, 1)[0], "880");
}

TEST_F(Mavo1987Window, OpensWithTheFocusOnTheFirstAreaAndNeverShrinksBelowItsFrame) {
    mavo->TxtDA[0]->setText("12.5");
    mavo->StartUp();
    EXPECT_EQ(Focused(*mavo), mavo->TxtDA[0]);
    QMdiSubWindow& frame = *mavo->Frame();
    const QSize initial = frame.size();
    frame.resize(initial.width() / 2, initial.height() / 2);
    EXPECT_GE(frame.width(), initial.width());
    EXPECT_GE(frame.height(), initial.height());
    frame.resize(initial.width() + 100, initial.height() + 50);
    EXPECT_EQ(frame.size(), QSize(initial.width() + 100, initial.height() + 50));
    EXPECT_GE(mavo->width(), mavo->Frame1->width());
}

} // namespace
