// Filling and fitting the largest grid the program makes: a results table of
// 9,999 rows under one heading row, 15 columns of numbers and short words.
#include "platform/FlexGrid.h"
#include "platform/Numbers.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int Cols = 15;
constexpr int Rows = FlexGrid::MaxRows;

using RowTexts = std::array<QString, Cols>;

// Numbers in the results' own pattern, from hundredths to tens of millions,
// and the few words that the text columns repeat.
const std::vector<RowTexts>& ResultTexts() {
    static const std::vector<RowTexts> texts = [] {
        static const char* const words[] = {"Mild", "Steep", "Critical", "Full", "N/A"};
        std::vector<RowTexts> rows(Rows);
        for (int r = 0; r < Rows; ++r) {
            for (int c = 0; c < Cols; ++c) {
                QString& text = rows[static_cast<size_t>(r)][static_cast<size_t>(c)];
                if (r == 0) {
                    text = QStringLiteral("Col.\r\n%1\r\n(ft)").arg(c);
                } else if (c == 0 || c >= 13) {
                    text = words[(r + c) % 5];
                } else {
                    double value = std::pow(10.0, (c % 5) - 1) * (1 + std::sin(r * 0.37 + c));
                    text = QString::fromStdString(
                        Numbers::Format(r * value, "###,###,###,###,###,##0.00"));
                }
            }
        }
        return rows;
    }();
    return texts;
}

// A grid set up as a results window sets it: centred columns under a
// three-line heading row.
void SetUpResultsGrid(FlexGrid& grid) {
    grid.SetCols(Cols);
    grid.SetRows(1);
    for (int c = 0; c < Cols; ++c) {
        grid.SetTextMatrix(0, c, ResultTexts()[0][static_cast<size_t>(c)]);
        grid.SetColAlignment(c, Qt::AlignCenter);
    }
    grid.FitRowHeight(0);
}

void SetRowTexts(FlexGrid& grid, int row) {
    for (int c = 0; c < Cols; ++c) {
        grid.SetTextMatrix(row, c, ResultTexts()[static_cast<size_t>(row)][static_cast<size_t>(c)]);
    }
}

// The grid emptied, then grown a row at a time as each result comes, then
// fitted: what a Compute that has not switched to the bulk path does.
void FillRowByRow(benchmark::State& state) {
    FlexGrid grid;
    SetUpResultsGrid(grid);
    for (auto _ : state) {
        grid.SetRows(1);
        for (int r = 1; r < Rows; ++r) {
            grid.SetRows(r + 1);
            SetRowTexts(grid, r);
        }
        grid.AutoSize(0, Cols - 1);
    }
}

// The same under a BulkUpdate, the least change a window can make.
void FillRowByRowHeld(benchmark::State& state) {
    FlexGrid grid;
    SetUpResultsGrid(grid);
    for (auto _ : state) {
        FlexGrid::BulkUpdate bulk(grid);
        grid.SetRows(1);
        for (int r = 1; r < Rows; ++r) {
            grid.SetRows(r + 1);
            SetRowTexts(grid, r);
        }
        grid.AutoSize(0, Cols - 1);
    }
}

// The bulk path: emptied, sized once, filled and fitted under a BulkUpdate.
void RefillInBulk(FlexGrid& grid) {
    FlexGrid::BulkUpdate bulk(grid);
    grid.SetRows(1);
    grid.SetRows(Rows);
    for (int r = 1; r < Rows; ++r) {
        SetRowTexts(grid, r);
    }
    grid.AutoSize(0, Cols - 1);
}

void FillInBulk(benchmark::State& state) {
    FlexGrid grid;
    SetUpResultsGrid(grid);
    for (auto _ : state) {
        RefillInBulk(grid);
    }
}

// The same into a grid on show that was scrolled to its end, whose heading
// row is drawn over the scrolled rows: the window computed again.
void FillInBulkScrolled(benchmark::State& state) {
    FlexGrid grid;
    SetUpResultsGrid(grid);
    grid.resize(800, 400);
    grid.show();
    for (auto _ : state) {
        RefillInBulk(grid);
        grid.scrollToBottom();
    }
}

BENCHMARK(FillRowByRow)->Unit(benchmark::kMillisecond);
BENCHMARK(FillRowByRowHeld)->Unit(benchmark::kMillisecond);
BENCHMARK(FillInBulk)->Unit(benchmark::kMillisecond);
BENCHMARK(FillInBulkScrolled)->Unit(benchmark::kMillisecond);

} // namespace
