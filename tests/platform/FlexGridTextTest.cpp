#include "platform/FlexGridText.h"
#include "platform/AppError.h"
#include "platform/FlexGrid.h"

#include <gtest/gtest.h>

namespace {

// The computation code sees the grid's own cells, row 0 the heading, and the
// grid's subscript errors.
TEST(FlexGridText, ReadsAndWritesTheGridsOwnCells) {
    FlexGrid grid;
    grid.SetRows(3);
    grid.SetCols(2);
    grid.SetTextMatrix(0, 1, "Station\r\n(ft)");
    grid.SetTextMatrix(2, 0, " 12.5 ");
    FlexGridText text(grid);

    EXPECT_EQ(text.Rows(), 3);
    EXPECT_EQ(text.Cols(), 2);
    EXPECT_EQ(text.TextMatrix(0, 1), "Station\r\n(ft)");
    EXPECT_EQ(text.TextMatrix(2, 0), " 12.5 ");

    text.SetRows(5);
    text.SetTextMatrix(4, 1, "1,215.30");
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.TextMatrix(4, 1), "1,215.30");

    EXPECT_THROW(text.TextMatrix(5, 0), AppError);
    EXPECT_THROW(text.SetTextMatrix(0, 2, "x"), AppError);
    EXPECT_THROW(text.SetRows(FlexGrid::MaxRows + 1), AppError);
}

} // namespace
