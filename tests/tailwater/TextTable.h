#pragma once

#include "platform/AppError.h"
#include "platform/TextGrid.h"

#include <string>
#include <vector>

// An in-memory grid of text cells with a heading row 0, for tests and
// benchmarks. Out-of-range indices throw AppError as the grid control does.
class TextTable : public TextGrid {
public:
    TextTable(int rows, int cols) : cols_(cols), cells_(rows, std::vector<std::string>(cols)) {}

    // Data rows from row 1, one list of cell texts per row from column 0;
    // missing cells are empty.
    TextTable(int rows, int cols, const std::vector<std::vector<std::string>>& data)
        : TextTable(rows, cols) {
        int r = 1;
        for (const auto& row : data) {
            for (size_t c = 0; c < row.size(); ++c) {
                SetTextMatrix(r, static_cast<int>(c), row[c]);
            }
            ++r;
        }
    }

    int Rows() const override { return static_cast<int>(cells_.size()); }
    void SetRows(int rows) override {
        if (rows < 0 || rows > MaxRows) {
            throw AppError(ErrorNumber::SubscriptOutOfRange, "Subscript out of range");
        }
        cells_.resize(rows, std::vector<std::string>(cols_));
    }
    int Cols() const override { return cols_; }

    std::string TextMatrix(int row, int col) const override {
        Check(row, col);
        return cells_[row][col];
    }
    void SetTextMatrix(int row, int col, const std::string& text) override {
        Check(row, col);
        cells_[row][col] = text;
    }

    // The grid control's limit, heading row included.
    static constexpr int MaxRows = 10000;

private:
    void Check(int row, int col) const {
        if (row < 0 || row >= Rows() || col < 0 || col >= cols_) {
            throw AppError(ErrorNumber::SubscriptOutOfRange, "Subscript out of range");
        }
    }

    int cols_;
    std::vector<std::vector<std::string>> cells_;
};
