#include "FakeTailwaterChannel.h"
#include "GenDesignWindowFixture.h"
#include "GridChecks.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>

namespace {

struct CheckCase {
    const char* inlet;
    const char* outlet;
    const char* length;
    const char* manningN;
    const char* ke;
    const char* message;
};

} // namespace

TEST_F(GenDesignWindow, CulvertChecksReportTheFirstFailureInOrder) {
    const CheckCase cases[] = {
        {"", "", "", "", "", "A value is required for the Inlet Invert Elevation."},
        {"x", "", "", "", "",
         "The value entered for Inlet Invert Elevation can not be evaluated as a number. Please "
         "re-enter the Inlet Invert Elevation."},
        {"-5", "", "0", "", "", "A value is required for the Outlet Invert Elevation."},
        {"100", "1e", "", "", "",
         "The value entered for Outlet Invert Elevation can not be evaluated as a number. Please "
         "re-enter the Outlet Invert Elevation."},
        {"100", "101", "", "", "", "A value is required for the Culvert Barrel Length."},
        {"100", "99", "abc", "", "",
         "The value entered for Culvert Barrel Length can not be evaluated as a number. Please "
         "re-enter the Culvert Barrel Length."},
        {"100", "99", "0", "", "", "Culvert Barrel Length must be > 0."},
        {"100", "99", "100", " ", "", "A value is required for Manning N."},
        {"100", "99", "100", "n", "",
         "The value entered for Manning N can not be evaluated as a number. Please re-enter the "
         "Manning N."},
        {"100", "99", "100", "-0.012", "", "Manning N must be > 0."},
        {"100", "99", "100", "0.012", "", "A value is required for Ke."},
        {"100", "99", "100", "0.012", "k",
         "The value entered for Ke can not be evaluated as a number. Please re-enter the Ke."},
        {"100", "99", "100", "0.012", "0", "Ke must be > 0."},
    };
    DesignRow(1, "50");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        window->TxtInletInvertElevation->setText(c.inlet);
        window->TxtOutletInvertElevation->setText(c.outlet);
        window->TxtCulvertBarrelLength->setText(c.length);
        window->TxtManningN->setText(c.manningN);
        window->TxtKeInlet->setText(c.ke);
        window->GrdAllResults->SetTextMatrix(1, 0, "earlier");
        user.shown.clear();
        window->CmdComputeAllResults->click();
        ASSERT_EQ(user.MessageTexts().size(), 1u);
        EXPECT_EQ(user.MessageTexts()[0].toStdString(), c.message);
        EXPECT_EQ(user.shown[0].title, "Tarnwell V2.0");
        // A refused Compute leaves no results of other inputs on show.
        EXPECT_EQ(Result(1, 0), "");
    }
}

TEST_F(GenDesignWindow, DesignRowsAreCheckedBeforeTheCulvertAndOnlyTickedRowsCount) {
    struct RowCase {
        const char* q;
        const char* tw;
        const char* message;
    };
    const RowCase cases[] = {
        {"abc", "", "Design Q in row 2 can not be evaluated as a number."},
        {"0", "", "Design Q in row 2 is <=0. Design Q must be > 0."},
        {"50", "-0.5", "Tailwater depth in row 2 is < 0. Tailwater depth must be >= 0."},
        {"50", "deep", "Tailwater depth in row 2 can not be evaluated as a number."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        window->ClearAllData();
        DesignRow(1, "", "", true); // ticked without a discharge: skipped
        DesignRow(2, c.q, c.tw);
        DesignRow(3, "junk", "", false); // not ticked: never read by Compute
        user.shown.clear();
        window->CmdComputeAllResults->click();
        ASSERT_EQ(user.MessageTexts().size(), 1u);
        EXPECT_EQ(user.MessageTexts()[0].toStdString(), c.message);
    }
}

TEST_F(GenDesignWindow, ComputesTheExampleBarrelFromInchesAndShowsOneRowPerDischarge) {
    TypeCulvert();
    window->OptBarrelSize[1]->click();
    window->TxtUserSize[0]->setText("36"); // inches: 3 ft
    DesignRow(1, "50", "1.0", true, "10");
    DesignRow(2, "1,250", "", false);
    window->CmdComputeAllResults->click();
    EXPECT_TRUE(user.shown.empty());
    ASSERT_EQ(window->GrdAllResults->Rows(), 2);
    EXPECT_EQ(Result(1, 0), "10");
    EXPECT_EQ(Result(1, 1), "50.00");
    EXPECT_EQ(Result(1, 2), "1.00");
    EXPECT_EQ(Result(1, 12), "2.30");
    EXPECT_EQ(Result(1, 13), "1.84");
    EXPECT_EQ(Result(1, 14), "Steep");
    EXPECT_EQ(Result(1, 11), "8.59");
    EXPECT_EQ(Result(1, 3), Result(1, 6)); // inlet control governs
}

TEST_F(GenDesignWindow, StandardSizeTakesItsOwnBarrelCountWhateverTheListShows) {
    TypeCulvert();
    window->CmboUserNumBarrels->setCurrentIndex(2);   // "Triple", ignored for standard sizes
    window->CmboVSHAStandardSize->setCurrentIndex(1); // 36 in, twin
    DesignRow(1, "100", "1.0");
    window->CmdComputeAllResults->click();
    ASSERT_EQ(window->GrdAllResults->Rows(), 2);
    EXPECT_EQ(Result(1, 1), "100.00");
    EXPECT_EQ(Result(1, 12), "2.30"); // 50 ft^3/s in each barrel
    EXPECT_EQ(Result(1, 13), "1.84");
}

TEST_F(GenDesignWindow, GoverningHeadwaterAboveTheAllowableElevationIsRed) {
    // The example's inlet-control headwater is about 104.39.
    struct RedCase {
        const char* allowable;
        bool red;
    };
    const RedCase cases[] = {{"104", true},   {"106", false}, {"", false},
                             {"high", false}, {"100", false}, {"99", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.allowable);
        window->ClearAllData();
        TypeCulvert(c.allowable);
        window->OptBarrelSize[1]->click();
        window->TxtUserSize[0]->setText("36");
        DesignRow(1, "50", "1.0");
        window->CmdComputeAllResults->click();
        bool red = window->GrdAllResults->CellForeColor(1, 3) == QColor(255, 0, 0);
        EXPECT_EQ(red, c.red);
        EXPECT_NE(window->GrdAllResults->CellForeColor(1, 6), QColor(255, 0, 0));
        EXPECT_TRUE(user.shown.empty());
    }
}

TEST_F(GenDesignWindow, NoTickedRowLeavesOnlyTheHeadingRowWithoutAMessage) {
    TypeCulvert();
    DesignRow(1, "50", "", false);
    window->CmdComputeAllResults->click();
    EXPECT_EQ(window->GrdAllResults->Rows(), 1);
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(GenDesignWindow, UserSizeChecksNameTheSizeAndPipeArchesMustForm) {
    window->CmboCulvertType->setCurrentIndex(2);
    TypeCulvert();
    window->OptBarrelSize[1]->click();
    DesignRow(1, "50");
    const char* sizes[5] = {"60", "46", "", "", ""};
    for (int k = 0; k < 5; ++k) {
        window->TxtUserSize[k]->setText(sizes[k]);
    }
    window->CmdComputeAllResults->click();
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_EQ(user.MessageTexts()[0], "A value must be entered for Bottom Radius.");

    window->TxtUserSize[2]->setText("-1");
    window->CmdComputeAllResults->click();
    EXPECT_EQ(user.MessageTexts().back(), "The Bottom Radius must be > 0.");

    // A corner radius larger than the bottom radius cannot close the section.
    window->TxtUserSize[2]->setText("30");
    window->TxtUserSize[3]->setText("40");
    window->TxtUserSize[4]->setText("35");
    window->CmdComputeAllResults->click();
    EXPECT_TRUE(user.MessageTexts().back().startsWith("The barrel size entered can not form a "
                                                      "pipe-arch."));
    EXPECT_EQ(window->GrdAllResults->Rows(), 11);

    // Radii that do form a section, but not the one typed: a top radius of 10
    // in instead of 30 closes at a span of 2 x 10 = 20 in and a rise of
    // 94 - sqrt(5661) = 18.76 in.
    const char* wrongTop[5] = {"58.5", "36", "84", "10", "8.75"};
    for (int k = 0; k < 5; ++k) {
        window->TxtUserSize[k]->setText(wrongTop[k]);
    }
    window->CmdComputeAllResults->click();
    EXPECT_EQ(user.MessageTexts().back(),
              "The radii entered form a pipe-arch of span 20.0 in and rise 18.8 in, not the 58.5 "
              "in by 36 in entered. Please check the span, rise and radii.");
    EXPECT_TRUE(Result(1, 1).isEmpty());

    window->TxtUserSize[3]->setText("30");
    const auto shown = user.MessageTexts().size();
    window->CmdComputeAllResults->click();
    EXPECT_EQ(user.MessageTexts().size(), shown);
    EXPECT_EQ(Result(1, 1), "50.00");
}

TEST_F(GenDesignWindow, StandardOptionWithoutStandardSizesSaysSoAndComputesNothing) {
    window->CmboCulvertType->setCurrentIndex(2);
    TypeCulvert();
    DesignRow(1, "50");
    window->CmdComputeAllResults->click();
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(user.MessageTexts()[0].contains("has no VSHA standard sizes"));
    EXPECT_EQ(window->GrdAllResults->Rows(), 11);
}

TEST_F(GenDesignWindow, TypeChoiceRefillsInletsSizesAndLabels) {
    window->CmboCulvertType->setCurrentIndex(2);
    EXPECT_EQ(window->TxtManningN->text(), " 0.024");
    EXPECT_EQ(window->TxtKeInlet->text(), " 0.9");
    EXPECT_EQ(window->OptBarrelSize[1]->text(), "Enter Barrel Size");
    for (int k = 0; k < 5; ++k) {
        EXPECT_FALSE(window->LblUserSize[k]->isHidden());
    }
    EXPECT_EQ(window->LblUserSize[2]->text(), "Bottom Radius");
    EXPECT_EQ(window->LblUnits[4]->text(), "inches");
    window->TxtUserSize[0]->setText("60");

    window->CmboCulvertType->setCurrentIndex(1);
    EXPECT_EQ(window->OptBarrelSize[1]->text(), "Enter Barrel Size: (Span x Rise)");
    EXPECT_EQ(window->OptBarrelSize[0]->text(), "VSHA Standard Sizes: RC Box");
    EXPECT_EQ(window->CmboVSHAStandardSize->currentText(), "6 x 4 (feet) - Twin");
    EXPECT_FALSE(window->TxtUserSize[1]->isHidden());
    EXPECT_TRUE(window->TxtUserSize[2]->isHidden());
    EXPECT_EQ(window->LblUnits[0]->text(), "feet");
    EXPECT_EQ(window->TxtUserSize[0]->text(), "60");

    window->CmboInletType->setCurrentIndex(0);
    window->CmboCulvertType->setCurrentIndex(0);
    window->CmboInletType->setCurrentIndex(1);
    EXPECT_EQ(window->TxtKeInlet->text(), " 0.2");
}

TEST_F(GenDesignWindow, ClearAllDataReturnsToTheStartUpState) {
    window->CmboCulvertType->setCurrentIndex(1);
    TypeCulvert("106");
    window->TxtManningN->setText("0.013");
    window->OptBarrelSize[1]->click();
    window->CmboUserNumBarrels->setCurrentIndex(2);
    window->TxtUserSize[0]->setText("5");
    DesignRow(1, "50", "1.0", true, "10");
    window->GrdAllResults->SetRows(3);

    window->ClearAllData();
    EXPECT_EQ(window->CmboCulvertType->currentIndex(), 0);
    EXPECT_EQ(window->TxtManningN->text(), " 0.012");
    EXPECT_EQ(window->TxtKeInlet->text(), " 0.5");
    EXPECT_EQ(window->CmboInletType->currentIndex(), 0);
    EXPECT_EQ(window->CmboUserNumBarrels->currentText(), "Single");
    EXPECT_TRUE(window->OptBarrelSize[0]->isChecked());
    EXPECT_TRUE(window->FrmBarrelSelection->isHidden());
    EXPECT_TRUE(window->CmboVSHAStandardSize->isEnabled());
    EXPECT_TRUE(window->TxtInletInvertElevation->text().isEmpty());
    EXPECT_TRUE(window->TxtAllowableHeadWaterElevation->text().isEmpty());
    EXPECT_TRUE(window->TxtUserSize[0]->text().isEmpty());
    EXPECT_EQ(window->GrdDesignQs->Rows(), 11);
    EXPECT_TRUE(window->GrdDesignQs->TextMatrix(1, 3).isEmpty());
    EXPECT_FALSE(window->GrdDesignQs->CellChecked(1, 0));
    EXPECT_EQ(window->GrdAllResults->Rows(), 11);
    EXPECT_EQ(window->GrdAllResults->TextMatrix(0, 13), "Normal\r\nDepth\r\n(ft)");
}

TEST_F(GenDesignWindow, SetCulvertInletSizeSelectsByIdentifier) {
    window->SetCulvertInletSize(11, 102, 502);
    EXPECT_EQ(window->CmboInletType->currentIndex(), 1);
    EXPECT_EQ(window->TxtKeInlet->text(), " 0.2");
    EXPECT_EQ(window->CmboVSHAStandardSize->currentIndex(), 1);

    // An unknown type changes nothing at all.
    window->SetCulvertInletSize(99, 101, 501);
    EXPECT_EQ(window->CmboInletType->currentIndex(), 1);
    EXPECT_EQ(window->CmboVSHAStandardSize->currentIndex(), 1);

    // A known type with unknown inlet and size keeps the type's first ones.
    window->SetCulvertInletSize(12, 999, 999);
    EXPECT_EQ(window->CmboCulvertType->currentIndex(), 1);
    EXPECT_EQ(window->CmboInletType->currentIndex(), 0);
    EXPECT_EQ(window->CmboVSHAStandardSize->currentIndex(), 0);
    EXPECT_EQ(window->TxtManningN->text(), " 0.012");
}

TEST_F(GenDesignWindow, GetButtonsCopyTickedRowsAndWipeWhatWasTyped) {
    FlexGrid source;
    source.SetCols(3);
    source.SetRows(5);
    const char* periods[4] = {"2", "10", "50", "100"};
    const char* flows[4] = {"120.00", "", "1,250.00", "1,600.00"};
    for (int r = 1; r <= 4; ++r) {
        source.SetTextMatrix(r, 0, periods[r - 1]);
        source.SetTextMatrix(r, 2, flows[r - 1]);
    }
    EXPECT_FALSE(window->CmdGetVRCQs->isEnabled());
    window->SetDesignQSource(FrmGenDesign::QSource::RunoffChart, &source);
    EXPECT_TRUE(window->CmdGetVRCQs->isEnabled());

    DesignRow(5, "99", "2.5", true, "typed");
    window->CmdGetVRCQs->click();
    EXPECT_EQ(window->GrdDesignQs->Rows(), 11);
    const char* expected[3][3] = {
        {"2", "120.00", "120.00"}, {"50", "1,250.00", "1,250.00"}, {"100", "1,600.00", "1,600.00"}};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_TRUE(window->GrdDesignQs->CellChecked(k, 0));
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(window->GrdDesignQs->TextMatrix(k, c + 1), expected[k - 1][c]);
        }
    }
    EXPECT_FALSE(window->GrdDesignQs->CellChecked(5, 0));
    EXPECT_TRUE(window->GrdDesignQs->TextMatrix(5, 4).isEmpty());
    EXPECT_TRUE(user.shown.empty());
}

// The design grid's columns are designed for the widest discharge and depth a
// site has: one arriving or going moves neither the grid nor the buttons beside it.
TEST_F(GenDesignWindow, DesignGridKeepsItsWidthsWhenAWideDischargeComesAndGoes) {
    const FlexGrid& grid = *window->GrdDesignQs;
    auto layout = [&grid, this] {
        std::vector<int> widths;
        for (int c = 0; c < grid.Cols(); ++c) {
            widths.push_back(grid.columnWidth(c));
        }
        widths.push_back(grid.width());
        widths.push_back(window->CmdGetVRCQs->x());
        return widths;
    };
    const std::vector<int> designed = layout();
    FlexGrid source;
    source.SetCols(3);
    source.SetRows(2);
    source.SetTextMatrix(1, 0, "500");
    source.SetTextMatrix(1, 2, "1,000,000.00");
    window->SetDesignQSource(FrmGenDesign::QSource::RunoffChart, &source);

    window->CmdGetVRCQs->click();
    window->SetDesignCell(1, 4, "1,000,000.00");
    ASSERT_EQ(grid.TextMatrix(1, 3), "1,000,000.00");
    for (int c = 2; c <= 4; ++c) {
        EXPECT_TRUE(CellShowsWhole(grid, 1, c)) << c;
    }
    EXPECT_EQ(layout(), designed);

    source.SetTextMatrix(1, 2, "120.00");
    window->CmdGetVRCQs->click();
    ASSERT_EQ(grid.TextMatrix(1, 3), "120.00");
    ASSERT_EQ(grid.TextMatrix(1, 4), "");
    EXPECT_EQ(layout(), designed);
}

TEST_F(GenDesignWindow, DesignGridKeepsItsSizeWhenAWideReturnPeriodIsCleared) {
    const FlexGrid& grid = *window->GrdDesignQs;
    const QSize designed = grid.size();
    window->SetDesignCell(1, 1, "2-year design flood of record");
    ASSERT_GT(grid.width(), designed.width());
    ASSERT_EQ(grid.height(), designed.height());

    // Before New and Open read anything, the clear leaves the grid its rows.
    window->ClearAllData();
    EXPECT_EQ(grid.size(), designed);
}

TEST_F(GenDesignWindow, GetButtonRefusesMoreDischargesThanRowsBeforeChangingAnything) {
    FlexGrid source;
    source.SetCols(2);
    source.SetRows(13);
    for (int r = 1; r <= 12; ++r) {
        source.SetTextMatrix(r, 0, QString::number(r));
        source.SetTextMatrix(r, 1, "10");
    }
    window->SetDesignQSource(FrmGenDesign::QSource::Mavo1987, &source);
    DesignRow(1, "75", "1.5", true, "typed");
    window->CmdGetMavoQs->click();
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_EQ(user.MessageTexts()[0], "The USGS, Mavo - 1987 lists 12 discharges, but the design Q "
                                      "grid holds only 10 rows. No discharges were copied.");
    EXPECT_EQ(window->GrdDesignQs->TextMatrix(1, 3), "75");
    EXPECT_TRUE(window->GrdDesignQs->CellChecked(1, 0));
}

namespace {

// A depth of a hundredth of each discharge, and none above 1,000.
class FakeChannel : public FakeTailwaterChannel {
public:
    FakeChannel() {
        depthOf = [](double Q) { return Q > 1000 ? std::nullopt : std::optional(Q / 100.0); };
    }
};

} // namespace

TEST_F(GenDesignWindow, TailwaterDepthsForEveryRowWithADischarge) {
    FakeChannel channel;
    window->SetTailwaterChannel(&channel);
    DesignRow(1, "150", "9.9", false);
    DesignRow(2, "", "7.7");
    DesignRow(3, "2,500");
    DesignRow(4, "50");
    window->CmdComputeTWDepths->click();
    EXPECT_EQ(channel.asked, std::vector<double>({150, 2500, 50}));
    EXPECT_EQ(window->GrdDesignQs->TextMatrix(1, 4), "1.50");
    EXPECT_TRUE(window->GrdDesignQs->TextMatrix(2, 4).isEmpty());
    EXPECT_TRUE(window->GrdDesignQs->TextMatrix(3, 4).isEmpty());
    EXPECT_EQ(window->GrdDesignQs->TextMatrix(4, 4), "0.50");
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(user.MessageTexts()[0].contains("in row 3."));
}

TEST_F(GenDesignWindow, RefusedTailwaterActionsLeaveTheTypedDepths) {
    FakeChannel channel;
    window->SetTailwaterChannel(&channel);
    DesignRow(1, "150", "9.9");
    DesignRow(3, "abc", "", false);
    window->CmdComputeTWDepths->click();
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_EQ(user.MessageTexts()[0],
              "Design Q in row 3 can not be evaluated as a number. Please re-enter.");
    EXPECT_EQ(window->GrdDesignQs->TextMatrix(1, 4), "9.9");

    channel.fault = FakeTailwaterChannel::SlopeFault("The Channel Slope must be > 0.");
    window->CmdComputeTWDepths->click();
    ASSERT_TRUE(channel.refused);
    EXPECT_EQ(channel.refused->field, "TxtChannelSlope");
    EXPECT_EQ(user.MessageTexts().back(), "The Channel Slope must be > 0.");
    EXPECT_EQ(window->GrdDesignQs->TextMatrix(1, 4), "9.9");
    EXPECT_TRUE(channel.asked.empty());
}

TEST_F(GenDesignWindow, DesignGridKeysDeleteCopyAndPasteWithCtrlAlone) {
    FlexGrid& grid = *window->GrdDesignQs;
    DesignRow(1, "50", "1.0", true, "10");
    DesignRow(2, "80", "1.5", true, "25");
    grid.SetSelection(1, 3, 2, 4);
    QApplication::clipboard()->setText("before");
    window->GrdDesignQs_KeyDown(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    window->GrdDesignQs_KeyDown(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "50\t1.0\r80\t1.5");

    grid.SetSelection(4, 3, 4, 3);
    window->GrdDesignQs_KeyDown(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid.TextMatrix(5, 4), "1.5");

    grid.SetSelection(1, 0, 2, 3);
    window->GrdDesignQs_KeyDown(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_TRUE(grid.TextMatrix(1, 1).isEmpty());
    EXPECT_TRUE(grid.TextMatrix(2, 3).isEmpty());
    EXPECT_EQ(grid.TextMatrix(1, 4), "1.0");
    EXPECT_FALSE(grid.CellChecked(1, 0));
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(GenDesignWindow, ATypeWithoutInletsShowsNoKeAndIsNotComputed) {
    GlobalVariables::GenDesignCulvertTypes[2].Inlets = {{}};
    window->CmboCulvertType->setCurrentIndex(1);
    EXPECT_EQ(window->CmboInletType->count(), 0);
    EXPECT_TRUE(window->TxtKeInlet->text().isEmpty());
    TypeCulvert();
    window->TxtKeInlet->setText("0.5");
    DesignRow(1, "50");
    window->CmdComputeAllResults->click();
    EXPECT_EQ(
        user.MessageTexts(),
        std::vector<QString>(
            {"The culvert type RCB: Reinforced Concrete Box has no inlets in the catalogue."}));
    EXPECT_EQ(window->GrdAllResults->Rows(), 11);
}

// From the keyboard alone: Tab reaches Compute and Enter presses it, as Space
// does; Enter in a text box presses nothing.
TEST_F(GenDesignWindow, EnterPressesTheFocusedButton) {
    TypeCulvert();
    window->OptBarrelSize[1]->click();
    window->TxtUserSize[0]->setText("36");
    DesignRow(1, "50", "1.0", true, "10");
    window->ShowAndRaise();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));

    const int rowsBefore = window->GrdAllResults->Rows();
    window->TxtCulvertBarrelLength->setFocus();
    QTest::keyClick(window->TxtCulvertBarrelLength, Qt::Key_Return);
    EXPECT_EQ(window->GrdAllResults->Rows(), rowsBefore);

    for (int presses = 0;
         presses < 100 && QApplication::focusWidget() != window->CmdComputeAllResults; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), window->CmdComputeAllResults);
    QTest::keyClick(window->CmdComputeAllResults, Qt::Key_Return);
    EXPECT_TRUE(user.shown.empty());
    ASSERT_EQ(window->GrdAllResults->Rows(), 2);
    EXPECT_EQ(Result(1, 1), "50.00");
}
