#include "hydrology/QTWGrdUpdates.h"
#include "platform/FlexGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A grid with a heading row and the given data rows, cells separated by '|'.
void Fill(FlexGrid& grid, int cols, const std::vector<QString>& rows) {
    grid.SetCols(cols);
    grid.SetRows(static_cast<int>(rows.size()) + 1);
    grid.SetFixedCols(0);
    for (int c = 0; c < cols; ++c) {
        grid.SetTextMatrix(0, c, QString("H%1").arg(c));
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split('|');
        for (int c = 0; c < cells.size() && c < cols; ++c) {
            grid.SetTextMatrix(static_cast<int>(r) + 1, c, cells[c]);
        }
    }
}

std::vector<std::string> Rows(const FlexGrid& grid) {
    std::vector<std::string> rows;
    for (int r = 0; r < grid.Rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.Cols(); ++c) {
            cells << grid.TextMatrix(r, c);
        }
        rows.push_back(cells.join('|').toStdString());
    }
    return rows;
}

struct HandOverCase {
    const char* name;
    bool runoffChart; // discharge in column 2, else column 1
    int sourceCols;
    std::vector<QString> source;
    std::vector<QString> destination; // before: return period, Q, depth, elevation
    std::vector<std::string> expected;
};

class HandOver : public ::testing::TestWithParam<HandOverCase> {};

TEST_P(HandOver, CopiesTheDischargesRowForRowAndEmptiesTheResultsOfTheChangedOnes) {
    const HandOverCase& c = GetParam();
    FlexGrid source;
    FlexGrid destination;
    Fill(source, c.sourceCols, c.source);
    Fill(destination, 4, c.destination);
    if (c.runoffChart) {
        QTWGrdUpdates::UpdateVRCTWGrid(source, destination);
    } else {
        QTWGrdUpdates::UpdateUSGSTWGrid(source, destination);
    }
    EXPECT_EQ(Rows(destination), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, HandOver,
    ::testing::Values(
        // The text arrives as shown, separators and blanks included; the
        // return periods of the source do not matter, only the row.
        HandOverCase{"RunoffChartColumn2",
                     true,
                     3,
                     {"10|1|1,250", "2|0.5| 625 ", "100|2|"},
                     {"10|9|1.5|101.5", "2|8|1.2|101.2", "100|7|2.5|102.5"},
                     {"H0|H1|H2|H3", "10|1,250||", "2| 625 ||", "100|||"}},
        HandOverCase{"USGSColumn1",
                     false,
                     2,
                     {"99|1,000", "98|-1"},
                     {"2|5|1|2", "10|6|1|2"},
                     {"H0|H1|H2|H3", "2|1,000||", "10|-1||"}},
        // A source shorter than the destination: the rows it lacks count as empty.
        HandOverCase{"ShortSource",
                     false,
                     2,
                     {"2|40"},
                     {"2|5|1|2", "10|6|1|2", "25|7|1|2"},
                     {"H0|H1|H2|H3", "2|40||", "10|||", "25|||"}},
        // A row handed the discharge it holds keeps the depth and elevation
        // computed for it; a blank stays blank.
        HandOverCase{"SameDischargeKeepsItsResults",
                     false,
                     2,
                     {"2|40", "5|55", "10|"},
                     {"2|40|1.5|101.5", "5|50|1.7|101.7", "10|||"},
                     {"H0|H1|H2|H3", "2|40|1.5|101.5", "5|55||", "10|||"}},
        // A longer source: its extra rows are ignored.
        HandOverCase{"LongSource",
                     true,
                     3,
                     {"2|1|40", "5|1|50", "10|1|60"},
                     {"2|||", "5|||"},
                     {"H0|H1|H2|H3", "2|40||", "5|50||"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
