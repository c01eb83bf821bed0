#include "platform/DataTextWidths.h"

#include <gtest/gtest.h>

namespace {

// One column of five rows holding texts 40, 70, 70, 20 and 0 wide.
DataTextWidths FiveRows() {
    DataTextWidths widths;
    widths.SetCols(2);
    widths.InsertRows(0, 5);
    const int column[] = {40, 70, 70, 20, 0};
    for (int row = 0; row < 5; ++row) {
        widths.Set(row, 1, column[row]);
    }
    return widths;
}

TEST(DataTextWidths, TheWidestIsTheWidestTextLeft) {
    DataTextWidths widths = FiveRows();
    EXPECT_EQ(widths.Widest(1), 70);
    EXPECT_EQ(widths.Widest(0), 0);

    // One of two equally wide texts goes: the other stays the widest.
    EXPECT_FALSE(widths.Set(1, 1, 0));
    EXPECT_EQ(widths.Widest(1), 70);
    EXPECT_TRUE(widths.Set(2, 1, 10));
    EXPECT_EQ(widths.Widest(1), 40);
    EXPECT_TRUE(widths.Set(4, 1, 90));
    EXPECT_EQ(widths.Widest(1), 90);
}

TEST(DataTextWidths, RowsTakeTheirWidthsWithThemAndMoveTheOthers) {
    DataTextWidths widths = FiveRows();
    widths.RemoveRows(1, 2); // both 70s: 40, 20, 0 are left
    EXPECT_EQ(widths.Widest(1), 40);
    widths.InsertRows(0, 1); // 0, 40, 20, 0
    EXPECT_TRUE(widths.Set(1, 1, 0));
    EXPECT_EQ(widths.Widest(1), 20);
    widths.SetCols(3);
    widths.Set(3, 2, 15);
    EXPECT_EQ(widths.Widest(2), 15);
    widths.Clear();
    EXPECT_EQ(widths.Widest(1), 0);
    EXPECT_EQ(widths.Widest(2), 0);
}

} // namespace
