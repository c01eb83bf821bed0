#pragma once

#include "FakeDialogs.h"
#include "hydraulics/CatalogueTables.h"
#include "inlets/DropInletMod.h"
#include "inlets/FrmDropInletDesign.h"
#include "platform/FlexGrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

inline QPoint CellCentre(const FlexGrid* grid, int row, int col) {
    return grid->visualRect(grid->model()->index(row, col)).center();
}

// A click of the mouse on the cell, scrolled into view.
inline void Click(FlexGrid* grid, int row, int col, Qt::MouseButton button = Qt::LeftButton) {
    grid->scrollTo(grid->model()->index(row, col));
    QTest::mouseClick(grid->viewport(), button, {}, CellCentre(grid, row, col));
}

// A Drop Inlet Design window over small hand-made size tables and the sample
// constants (weir Q = 3 Lt H^1.5, n 0.012, losses 2.0 in all, boxes of up to
// three barrels, single pipes, headwater at least 1.2 rises above the inlet,
// inlet control HW/D = 0.5 x^0.5 unsubmerged and 0.04 x^2 + 0.8 - 0.5 S
// submerged). With Q 100, inverts 100 / 99, 100 ft of barrel, weir 104 and
// allowable 106 the boxes 4 x 3 single (HW 105.16), 3 x 2 twin (104.37) and
// 3 x 2 triple (102.82) pass and the pipe of 48 in (105.71); the least crest
// is 100 / (3 x 2^1.5) = 11.79 ft.
class DropInletWindow : public ::testing::Test {
protected:
    static StdRCBoxSize Box(int barrels, double span, double rise, const char* spanText,
                            const char* riseText) {
        StdRCBoxSize size;
        size.NumBarrels = barrels;
        size.WidthFt = span;
        size.HeightFt = rise;
        size.WidthFtText = spanText;
        size.HeightFtText = riseText;
        return size;
    }

    static StdPipeSize Pipe(int barrels, double inches, const char* text) {
        StdPipeSize size;
        size.NumBarrels = barrels;
        size.DiameterText = text;
        size.DiameterFt = inches / 12;
        return size;
    }

    void SetUp() override {
        savedParameters_ = DropInletMod::Parameters;
        savedBoxes_ = GlobalVariables::StdRCBoxSizes;
        savedPipes_ = GlobalVariables::StdConcPipeSizes;
        DropInletParameters& p = DropInletMod::Parameters;
        p.WeirCoefficient = 3.0;
        p.WeirHPowCoeff = 1.5;
        p.ManningNReinforcedConcrete = 0.012;
        p.EntranceLossCoefficient = 0.5;
        p.BendLossCoefficient = 0.5;
        p.ExitLossCoefficient = 1.0;
        p.NumRCBBarrels = 3;
        p.NumRCPBarrels = 1;
        p.LHWBarrelFraction = 1.2;
        p.RCBICCoeffs = {0.04, 0.8, 0.5, 0.5, 2};
        p.RCPICCoeffs = {0.04, 0.8, 0.5, 0.5, 2};
        p.WeirCalcDefaultOption = 0;
        GlobalVariables::StdRCBoxSizes = {{},
                                          Box(1, 4, 3, "4", "3"),
                                          Box(1, 3, 2, "3", "2"),
                                          Box(2, 3, 2, "3", "2"),
                                          Box(3, 3, 2, "3", "2"),
                                          Box(1, 5, 4, "5", "4")};
        GlobalVariables::StdConcPipeSizes = {
            {}, Pipe(1, 36, "36"), Pipe(1, 48, "48"), Pipe(2, 48, "48"), Pipe(1, 60, "60")};
        area.resize(1500, 950);
        area.show();
        window = std::make_unique<FrmDropInletDesign>(area);
        window->Initialize();
        window->ClearAllData();
    }

    void TearDown() override {
        window.reset();
        DropInletMod::Parameters = savedParameters_;
        GlobalVariables::StdRCBoxSizes = savedBoxes_;
        GlobalVariables::StdConcPipeSizes = savedPipes_;
    }

    // The seven inputs in the window's index order: Q, allowable headwater,
    // weir, barrel length, outlet, tailwater, inlet.
    void Type(const std::array<const char*, 7>& texts) {
        for (size_t i = 0; i < texts.size(); ++i) {
            window->TxtDP[i]->setText(texts[i]);
        }
    }

    void TypeDesign() { Type({"100", "106", "104", "100", "99", "0", "100"}); }

    QString Cell(const FlexGrid* grid, int row, int col) const {
        return grid->TextMatrix(row, col);
    }

    FakeDialogs user;
    QMdiArea area;
    std::unique_ptr<FrmDropInletDesign> window;

private:
    DropInletParameters savedParameters_;
    std::vector<StdRCBoxSize> savedBoxes_;
    std::vector<StdPipeSize> savedPipes_;
};
