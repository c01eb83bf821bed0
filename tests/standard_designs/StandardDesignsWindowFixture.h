#pragma once

#include "FakeDialogs.h"
#include "StandardDesignsCatalogue.h"
#include "platform/FlexGrid.h"
#include "standard_designs/FrmVSHAStandardDesigns.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>

#include <gtest/gtest.h>

#include <memory>

// A standard designs window over the hand-made size tables of
// StandardDesignsCatalogue.h, with a scripted user.
class StandardDesignsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        area.resize(1400, 900);
        area.show();
        window = std::make_unique<FrmVSHAStandardDesigns>(area);
        window->Initialize();
    }

    void Type(const char* q, const char* hMin, const char* hMax, const char* invert = "100",
              bool multiple = false) {
        window->txtTotalQ->setText(q);
        window->TxtHMin->setText(hMin);
        window->TxtHMax->setText(hMax);
        window->txtInletInvertElev->setText(invert);
        window->ChkIncludeMultipleBarrels->setChecked(multiple);
    }

    QString Cell(int grid, int row, int col) const {
        return window->Grid(grid)->TextMatrix(row, col);
    }

    // A click on a cell, as the grid reports it.
    void Click(int grid, int row, int col) { emit window->Grid(grid)->cellClicked(row, col); }

    std::unique_ptr<StandardSizesFixture> sizes = std::make_unique<StandardSizesFixture>();
    FakeDialogs user;
    QMdiArea area;
    std::unique_ptr<FrmVSHAStandardDesigns> window;
};
