#pragma once

#include "EditMenuItems.h"
#include "FakeDialogs.h"
#include "app/MDIFrmMain.h"
#include "platform/FlexGrid.h"
#include "platform/PlotCanvas.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/TWXRateCurvePlotMod.h"
#include "tailwater/TWXSecPlotMod.h"
#include "tailwater/TailWaterMod.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// The channel and rating curve windows in a main window, with a scripted
// user. The trapezoid channel has a bottom 20 ft wide at 100 ft, sides of
// 2 horizontal to 1 vertical up to 105 ft, n 0.03 and a slope of 0.001.
class TailwaterWindows : public ::testing::Test {
protected:
    // Rows of station, elevation and n texts.
    using Cells = std::vector<std::vector<std::string>>;

    void SetUp() override {
        TailWaterMod::InitializeTailWaterMod();
        TWXSecPlotMod::InitializeXSecPlot();
        TWXRateCurvePlotMod::InitializeRateCurvePlot();
        main.resize(1400, 900);
        main.show();
        channel = std::make_unique<FrmTailWaterCrossSection>(main.MdiArea());
        channel->Initialize();
        rating = std::make_unique<FrmTailWaterRatingCurve>(main.MdiArea(), *channel);
        rating->Initialize();
    }

    void TearDown() override {
        rating.reset();
        channel.reset();
    }

    void TypePoints(const Cells& rows) {
        for (size_t r = 0; r < rows.size(); ++r) {
            for (size_t c = 0; c < rows[r].size(); ++c) {
                channel->SetPointCell(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
            }
        }
    }

    void TypeTrapezoid() {
        TypePoints({{"0", "105", "0.03"}, {"10", "100"}, {"30", "100"}, {"40", "105"}});
        channel->SetInputText(FrmTailWaterCrossSection::Input::ChannelSlope, "0.001");
    }

    // The data cells of the first rows of the point grid, row by row.
    Cells Points(int rows) const {
        Cells cells;
        for (int r = 1; r <= rows; ++r) {
            auto& row = cells.emplace_back();
            for (int c = 1; c <= 3; ++c) {
                row.push_back(channel->GrdXSection->TextMatrix(r, c).toStdString());
            }
        }
        return cells;
    }

    QStringList VisibleEditItems() const { return ::VisibleEditItems(main); }

    FakeDialogs user;
    MDIFrmMain main;
    std::unique_ptr<FrmTailWaterCrossSection> channel;
    std::unique_ptr<FrmTailWaterRatingCurve> rating;
};
