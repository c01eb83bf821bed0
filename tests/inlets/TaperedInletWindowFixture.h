#pragma once

#include "FakeDialogs.h"
#include "TaperedInletTestData.h"
#include "hydraulics/CatalogueTables.h"
#include "inlets/FrmTaperedInletDesign.h"
#include "inlets/TaperedInletDesignMod.h"
#include "platform/FlexGrid.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

// A Tapered Inlet Design window over the small catalogue of the search tests:
// boxes of rise 4 from 5 to 12 ft, the sample parameters and the pairs (1, 6),
// (2, 8), (3, 10), (4, 12) for both barrel counts.
class TaperedInletWindow : public ::testing::Test {
protected:
    void SetUp() override {
        savedBoxes_ = GlobalVariables::StdRCBoxSizes;
        savedParameters_ = TaperedInletDesignMod::TaperedInletParameters;
        savedPairs_ = GlobalVariables::TaperedInletZLTable;
        GlobalVariables::StdRCBoxSizes =
            Boxes({Box(5, 4, 1), Box(6, 4, 1), Box(7, 4, 1), Box(8, 4, 1), Box(7.5, 4, 1),
                   Box(12, 4, 1), Box(7.5, 4, 2), Box(12, 4, 2)});
        TaperedInletDesignMod::TaperedInletParameters = SampleParameters();
        GlobalVariables::TaperedInletZLTable = Pairs({{1, 6}, {2, 8}, {3, 10}, {4, 12}});
        area.resize(1400, 800);
        area.show();
        window = std::make_unique<FrmTaperedInletDesign>(area);
        window->Initialize();
    }

    void TearDown() override {
        window.reset();
        GlobalVariables::StdRCBoxSizes = savedBoxes_;
        TaperedInletDesignMod::TaperedInletParameters = savedParameters_;
        GlobalVariables::TaperedInletZLTable = savedPairs_;
    }

    void Type(const char* q, const char* hMin, const char* hMax) {
        window->TxtQAuto->setText(q);
        window->TxtHMinAuto->setText(hMin);
        window->TxtHMaxAuto->setText(hMax);
    }

    // A grid row as one line: its cells joined by "|".
    QString Row(int row) const {
        QStringList cells;
        for (int c = 0; c < window->GrdAutoResults->Cols(); ++c) {
            cells << window->GrdAutoResults->TextMatrix(row, c);
        }
        return cells.join("|");
    }

    QStringList Rows() const {
        QStringList rows;
        for (int r = 1; r < window->GrdAutoResults->Rows(); ++r) {
            rows << Row(r);
        }
        return rows;
    }

    FakeDialogs user;
    CatalogueFixture catalogue{kTaperedInletSql};
    QMdiArea area;
    std::unique_ptr<FrmTaperedInletDesign> window;

private:
    std::vector<StdRCBoxSize> savedBoxes_;
    TaperedInletParameterSet savedParameters_;
    TaperedInletZLLists savedPairs_;
};
