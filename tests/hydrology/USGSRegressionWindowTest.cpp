#include "HydrologyWindowFixture.h"

#include <QLabel>
#include <QPushButton>

namespace {

using USGSRegressionWindow = HydrologyWindows;

const std::string Region2Warning =
    std::string("WARNING: You have entered a Drainage Area for Region 2 and a Main Channel Slope "
                "(MCS) value, ") +
    " but you have not entered a value for the Orlen Lobe (ORL) drainage area. " +
    " The Q contribution of Region 2 has been computed using the equation based only on "
    "drainage area. " +
    " To use the equation for Region 2 that uses drainage area, main channel slope " +
    " and Orlen lobe, you must enter a value for the Main Channel Slope (MCS) and a value for "
    "the area of the " +
    " watershed in the Orlen lobe (ORL). If the area of the watershed in the Orlen lobe (ORL) " +
    " is 0, enter 0 for ORL. ";

void Enter(FrmUSGSRegression& window, const std::array<const char*, 5>& texts) {
    for (size_t i = 0; i < 3; ++i) {
        window.TxtDA[i]->setText(texts[i]);
    }
    window.TxtWSChar[0]->setText(texts[3]);
    window.TxtWSChar[1]->setText(texts[4]);
}

// A dialog service that also records the results grid as it stood when each
// message was shown.
class WatchingDialogs : public FakeDialogs {
public:
    explicit WatchingDialogs(const FlexGrid& grid) : grid_(grid) {}
    void Message(const QString& text, const QString& title) override {
        FakeDialogs::Message(text, title);
        gridAtMessage.push_back(grid_.TextMatrix(1, 1).toStdString());
    }
    std::vector<std::string> gridAtMessage;

private:
    const FlexGrid& grid_;
};

TEST_F(USGSRegressionWindow, LaysOutTheReturnPeriodsInListOrder) {
    EXPECT_EQ(regression->Frame()->windowTitle(), "USGS Flood Frequency, Yuld - 2001");
    // TblUSGSRPs stores 10 years at ArrayNum 2 before 2 years at ArrayNum 1.
    EXPECT_EQ(
        Cells(*regression->GrdUSGSDesignQs),
        (std::vector<std::string>{"Return\r\nPeriod\r\n(Years)|\r\nQ\r\n(ft^3/s)", "2|", "10|"}));
    EXPECT_EQ(Cells(*qDepth->GrdUSGSTailWaterCalc)[1], "2|||");
    EXPECT_FALSE(regression->CmdPrint->isEnabled());
}

// Expected discharges from the test equations (HydrologyTestData.h), the whole
// area in one region unless said otherwise:
struct ComputeCase {
    const char* name;
    std::array<const char*, 5> entries; // regions 1 to 3, MCS, ORL
    const char* total;
    std::vector<std::string> discharges; // 2 and 10 years
    bool warning;
};

class USGSRegressionCompute : public USGSRegressionWindow,
                              public ::testing::WithParamInterface<ComputeCase> {};

TEST_P(USGSRegressionCompute, ShowsTheTotalAndDischargesHandsThemOverThenWarns) {
    const ComputeCase& c = GetParam();
    WatchingDialogs watching(*regression->GrdUSGSDesignQs);
    FillDepths(*qDepth->GrdUSGSTailWaterCalc);
    FillDepths(*qDepth->GrdVRCTailWaterCalc);
    const auto chartBefore = Cells(*qDepth->GrdVRCTailWaterCalc);
    Enter(*regression, c.entries);
    regression->CmdUSGSComputeQ->click();

    EXPECT_EQ(regression->LblTotalDA->text().toStdString(), c.total);
    EXPECT_EQ(Column(*regression->GrdUSGSDesignQs, 1), c.discharges);
    EXPECT_EQ(Column(*qDepth->GrdUSGSTailWaterCalc, 1), c.discharges);
    EXPECT_EQ(Column(*qDepth->GrdUSGSTailWaterCalc, 2), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Column(*qDepth->GrdUSGSTailWaterCalc, 3), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Cells(*qDepth->GrdVRCTailWaterCalc), chartBefore);
    if (c.warning) {
        ASSERT_EQ(watching.shown.size(), 1u);
        EXPECT_EQ(watching.shown[0].text.toStdString(), Region2Warning);
        EXPECT_EQ(watching.shown[0].title, "Tarnwell V2.0");
        // The warning comes once the discharges are on screen.
        EXPECT_EQ(watching.gridAtMessage[0], c.discharges[0]);
    } else {
        EXPECT_TRUE(watching.shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Watersheds, USGSRegressionCompute,
    ::testing::Values(
        // 10 DA and 20 DA with DA = 100: 1,000 and 2,000.
        ComputeCase{"Region1", {"100", "", "", "", ""}, "100.0", {"1,000", "2,000"}, false},
        // Nothing typed: a total below 1E-05 gives 0 everywhere and no message.
        ComputeCase{"AllBlank", {"", "", "", "", ""}, "0.0", {"0", "0"}, false},
        ComputeCase{"TotalBelowOneHundredThousandth",
                    {"0.000009", "", "", "", ""},
                    "0.0",
                    {"0", "0"},
                    false},
        // Region 2 alone, DA 3: 5 x 3^2 = 45 and 8 x 3^2 = 72. MCS without ORL
        // keeps equation 1 and warns.
        ComputeCase{"Region2SlopeNoLobe", {"", "3", "", "4", ""}, "3.0", {"45", "72"}, true},
        // A lobe area of 0 switches region 2 to equation 2: 4 x 3 x 4^0.5 x 1^1 = 24;
        // that equation has no 10-year row, so 0. No warning.
        ComputeCase{"Region2SlopeLobe0", {"", "3", "", "4", "0"}, "3.0", {"24", "0"}, false},
        // A region typed as 0 counts as given: the warning still shows.
        ComputeCase{"Region2ZeroSlopeNoLobe", {"2", "0", "", "4", ""}, "2.0", {"20", "40"}, true},
        // Lobe area equal to the total is accepted: ORLF = 1, 4 x 3 x 2 x 2 = 48.
        ComputeCase{"LobeEqualsTotal", {"", "3", "", "4", "3"}, "3.0", {"48", "0"}, false},
        // Regions 1 and 3 split 1.5 / 0.5 (fractions 0.75, 0.25), DA 2:
        // 2 yr 0.75 x 20 + 0.25 x 6 = 16.5 -> 17; 10 yr 0.75 x 40 + 0.25 x 12 = 33.
        // Total 2.0 with one to four decimals.
        ComputeCase{"TwoRegions", {"1.5", "", "0.5", "", ""}, "2.0", {"17", "33"}, false},
        ComputeCase{"FourDecimals", {"0.12345", "", "", "", ""}, "0.1235", {"1", "2"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    std::array<const char*, 5> entries;
    const char* message;
    int focusBox;      // 0 to 2 region boxes, 3 MCS, 4 ORL
    const char* total; // the total label afterwards: empty when a region is refused
};

class USGSRegressionRefused : public USGSRegressionWindow,
                              public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(USGSRegressionRefused, ShowsTheFirstMessageFocusesItsBoxAndHandsNothingOver) {
    const RefusedCase& c = GetParam();
    regression->StartUp();
    Enter(*regression, {"10", "", "", "", ""});
    regression->CmdUSGSComputeQ->click();
    const auto handedOver = Cells(*qDepth->GrdUSGSTailWaterCalc);

    Enter(*regression, c.entries);
    regression->CmdUSGSComputeQ->click();

    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text.toStdString(), c.message);
    EXPECT_EQ(user.shown[0].title, "Tarnwell V2.0");
    QLineEdit* boxes[5] = {regression->TxtDA[0], regression->TxtDA[1], regression->TxtDA[2],
                           regression->TxtWSChar[0], regression->TxtWSChar[1]};
    EXPECT_EQ(Focused(*regression), boxes[c.focusBox]);
    EXPECT_EQ(regression->LblTotalDA->text().toStdString(), c.total);
    EXPECT_EQ(Column(*regression->GrdUSGSDesignQs, 1), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Column(*regression->GrdUSGSDesignQs, 0), (std::vector<std::string>{"2", "10"}));
    EXPECT_EQ(Cells(*qDepth->GrdUSGSTailWaterCalc), handedOver);
}

const std::string NegativeRegion3 =
    "The Drainage Area for Region 3 is < 0. If a drainage area is entered for a region, it must "
    "be >=0. If the watershed does not include a region, you can leave the drainage area for the "
    "region blank or enter a drainage area of 0.";

INSTANTIATE_TEST_SUITE_P(
    Entries, USGSRegressionRefused,
    ::testing::Values(
        RefusedCase{"Region2NotANumber",
                    {"1", "two", "-1", "0", "-1"},
                    "The Drainage Area for Region 2 can not be evaluated as a number. Please "
                    "re-enter.",
                    1,
                    ""},
        RefusedCase{"Region3Negative", {"1", "", "-0.5", "x", ""}, NegativeRegion3.c_str(), 2, ""},
        RefusedCase{"SlopeNotANumber",
                    {"1", "", "", "4 ft/mi", "x"},
                    "The Main Channel Slope can not be evaluated as a number. Please re-enter.",
                    3,
                    "1.0"},
        RefusedCase{"SlopeZero",
                    {"1", "", "", "0", ""},
                    "If a Main Channel Slope is entered, it must be > 0. If you have not "
                    "measured the Main Channel Slope, leave the entry blank.",
                    3,
                    "1.0"},
        RefusedCase{"LobeNotANumber",
                    {"1", "", "", "", "?"},
                    "The Orlen Lobe drainage area can not be evaluated as a number. Please "
                    "re-enter.",
                    4,
                    "1.0"},
        RefusedCase{"LobeNegative",
                    {"1", "", "", "", "-0.1"},
                    "The Orlen Lobe drainage area it must be >= 0.",
                    4,
                    "1.0"},
        // The total label already shows the new sum when the lobe area is refused.
        RefusedCase{"LobeAboveTotal",
                    {"1", "1.5", "", "", "2.6"},
                    "The Orlen Lobe drainage area must be <= the total watershed drainage area.",
                    4,
                    "2.5"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(USGSRegressionWindow, EntriesAreWrittenBackTrimmedUpToTheRefusedOne) {
    Enter(*regression, {" 5 ", "  x ", " 7 ", " 4 ", ""});
    regression->CmdUSGSComputeQ->click();
    EXPECT_EQ(regression->TxtDA[0]->text(), "5");
    EXPECT_EQ(regression->TxtDA[1]->text(), "x");
    EXPECT_EQ(regression->TxtDA[2]->text(), " 7 ");
    EXPECT_EQ(regression->TxtWSChar[0]->text(), " 4 ");
}

TEST_F(USGSRegressionWindow, ResultsGoWhenAnEntryIsEditedAndOnClearData) {
    Enter(*regression, {"100", "", "", "", ""});
    regression->CmdUSGSComputeQ->click();
    regression->TxtWSChar[0]->setText("9");
    EXPECT_EQ(Column(*regression->GrdUSGSDesignQs, 1), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(regression->LblTotalDA->text(), "");

    regression->ClearData();
    const USGSRegressionContents contents = regression->Contents();
    EXPECT_EQ(contents.regionDA, (std::array<std::string, 3>{"", "", ""}));
    EXPECT_EQ(contents.mainChannelSlope, "");
    EXPECT_EQ(contents.orlenLobeArea, "");
    EXPECT_EQ(contents.totalDA, "");
    EXPECT_EQ(contents.results, (std::vector<std::array<std::string, 2>>{{"2", ""}, {"10", ""}}));
    EXPECT_EQ(Column(*qDepth->GrdUSGSTailWaterCalc, 1),
              (std::vector<std::string>{"1,000", "2,000"}));
}

TEST_F(USGSRegressionWindow, Region2WarningNeedsAreaAndSlopeWithoutLobe) {
    struct Case {
        std::array<std::int32_t, 3> given; // region 2, MCS, ORL
        bool warn;
    };
    for (const Case& c : {Case{{1, 1, 0}, true}, Case{{1, 1, 1}, false}, Case{{0, 1, 0}, false},
                          Case{{1, 0, 0}, false}}) {
        USGSWatershedRecord record;
        record.RegionDAGiven[2] = c.given[0];
        record.MCSGiven = c.given[1];
        record.ORLGiven = c.given[2];
        std::string msg = "left over";
        bool warn = !c.warn;
        FrmUSGSRegression::CheckRegion2Equation(record, msg, warn);
        EXPECT_EQ(warn, c.warn);
        EXPECT_EQ(msg, c.warn ? Region2Warning : "");
    }
}

} // namespace
