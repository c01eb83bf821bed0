#include "inlets/TaperedInletResultsTable.h"

#include <gtest/gtest.h>

using namespace TaperedInletResults;

namespace {

TaperedInletBarrelOption Barrel(double width, double Z, double L, double slope, double depth) {
    TaperedInletBarrelOption barrel;
    barrel.Width = width;
    barrel.Height = 4;
    barrel.ZLFound = 1;
    barrel.MinZ = Z;
    barrel.MinL = L;
    barrel.MinSlopePct = slope;
    barrel.BarrelDepth = depth;
    return barrel;
}

TaperedInletResult Face(int barrels, const char* width, double H,
                        std::vector<TaperedInletBarrelOption> options) {
    TaperedInletResult face;
    face.NumBarrels = barrels;
    face.WidthText = width;
    face.HeightText = "4";
    face.H = H;
    face.ZLFound = 0;
    for (const TaperedInletBarrelOption& option : options) {
        face.ZLFound = face.ZLFound || option.ZLFound == 1;
    }
    options.insert(options.begin(), TaperedInletBarrelOption{});
    face.Barrels = options;
    return face;
}

std::vector<std::string> Lines(const std::vector<RowTexts>& rows) {
    std::vector<std::string> lines;
    for (const RowTexts& row : rows) {
        std::string line;
        for (const std::string& cell : row) {
            line += cell + "|";
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(TaperedInletResultsTable, OneRowPerPassingBarrelEachFaceRepeatedThenAnEmptyRow) {
    TaperedInletBarrelOption failed = Barrel(6, -1, -1, 0, 0);
    failed.ZLFound = 0;
    TaperedInletDesign design;
    design.Results.push_back(
        Face(1, "8", 2.16227,
             {Barrel(5, 3, 10, 1.07846, 3.6), failed, Barrel(7.5, 1, 12345, 0.47607, 3.46547)}));
    design.Results.push_back(Face(1, "9", 1.5, {failed}));
    design.Results.push_back(Face(2, "12", -1.9448, {Barrel(7.5, 1, 9, 0.39505, 1.59113)}));

    const std::string empty(ColumnCount, '|');
    EXPECT_EQ(Lines(ShownRows(design, BarrelLimit(false))),
              (std::vector<std::string>{
                  "|Single|8|4|2.16|5.0|4.0|3|10|1.08|3.60|",
                  "|Single|8|4|2.16|7.5|4.0|1|12,345|0.48|3.47|",
                  empty,
              }));
    EXPECT_EQ(Lines(ShownRows(design, BarrelLimit(true))),
              (std::vector<std::string>{
                  "|Single|8|4|2.16|5.0|4.0|3|10|1.08|3.60|",
                  "|Single|8|4|2.16|7.5|4.0|1|12,345|0.48|3.47|",
                  empty,
                  "|Twin|12|4|-1.94|7.5|4.0|1|9|0.40|1.59|",
                  empty,
              }));
}

TEST(TaperedInletResultsTable, NothingToShowIsNoneUnderTheNumberOfBarrels) {
    TaperedInletDesign twinOnly;
    twinOnly.Results.push_back(Face(2, "12", 0.5, {Barrel(7.5, 1, 9, 0.4, 1.6)}));
    for (const TaperedInletDesign& design : {TaperedInletDesign{}, twinOnly}) {
        EXPECT_EQ(Lines(ShownRows(design, 1)), (std::vector<std::string>{"|NONE||||||||||"}));
    }
}
