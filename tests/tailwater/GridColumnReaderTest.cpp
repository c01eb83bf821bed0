#include "TextTable.h"

#include "tailwater/TailWaterMod.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Reader = void (*)(const TextGrid&, int, std::vector<int>&, std::vector<double>&, int&,
                        std::string&);

// The Q-elevation grid and the design-discharge grids read alike.
class GridColumnReader : public testing::TestWithParam<Reader> {};

TEST_P(GridColumnReader, ReadsNumbersSkipsBlanksAndStopsAtText) {
    struct Case {
        const char* what;
        int rows;
        std::vector<std::string> column; // rows 1 on, in grid column 1
        std::vector<int> flags;
        std::vector<double> values;
        std::string message;
    };
    const std::string row2 = "Value in row 2, column 2 can not be evaluated as a number, please "
                             "re-enter.";
    const Case cases[] = {
        {"blanks", 4, {"", " ", ""}, {0, 0, 0, 0}, {0, 0, 0, 0}, ""},
        {"gaps", 4, {"10", "", "25.5"}, {0, 1, 0, 1}, {0, 10, 0, 25.5}, ""},
        {"text stops the reading", 5, {"5", "abc", "7"}, {0, 1, 0, 0, 0}, {0, 5, 0, 0, 0}, row2},
        {"infinity is not a number", 3, {"5", "inf"}, {0, 1, 0}, {0, 5, 0}, row2},
        {"nan is not a number", 3, {"5", "nan"}, {0, 1, 0}, {0, 5, 0}, row2},
        {"trimmed", 2, {"  12  "}, {0, 1}, {0, 12}, ""},
        {"no range test", 3, {"-3", "0"}, {0, 1, 1}, {0, -3, 0}, ""},
        {"heading row only", 1, {}, {0}, {0}, ""},
    };
    for (const auto& c : cases) {
        TextTable grid(c.rows, 4);
        for (size_t i = 0; i < c.column.size(); ++i) {
            grid.SetTextMatrix(static_cast<int>(i) + 1, 1, c.column[i]);
        }
        std::vector<int> flags = {9};
        std::vector<double> values = {9};
        int errFlag = 0;
        std::string message;
        GetParam()(grid, 1, flags, values, errFlag, message);
        EXPECT_EQ(flags, c.flags) << c.what;
        EXPECT_EQ(values, c.values) << c.what;
        EXPECT_EQ(message, c.message) << c.what;
        EXPECT_EQ(errFlag, c.message.empty() ? 0 : 1) << c.what;
    }
}

TEST_P(GridColumnReader, LeavesTheCallersFlagAndMessageWithoutFault) {
    TextTable grid(3, 2);
    grid.SetTextMatrix(1, 0, "4");
    std::vector<int> flags;
    std::vector<double> values;
    int errFlag = 1;
    std::string message = "earlier";
    GetParam()(grid, 0, flags, values, errFlag, message);
    EXPECT_EQ(errFlag, 1);
    EXPECT_EQ(message, "earlier");
}

INSTANTIATE_TEST_SUITE_P(QElevAndDesignGrids, GridColumnReader,
                         testing::Values(&TailWaterMod::ReadQElevGridColumn,
                                         &TailWaterMod::ReadTWGridQColumn));

} // namespace
