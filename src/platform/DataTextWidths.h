#pragma once

#include <vector>

// The widths of a grid's data texts, cell by cell, and the widest of each
// column, kept as texts change and rows come and go: a column follows its
// texts, narrower as well as wider, without measuring them again. Every change
// costs the same however many rows the grid has, but for the rows it inserts
// or removes. Widths are whole numbers, 0 for an empty text.
class DataTextWidths {
public:
    // Columns added at the right hold empty texts; those dropped take theirs.
    void SetCols(int cols);
    // `count` rows of empty texts come in before row `row` (at the end for the
    // row count).
    void InsertRows(int row, int count);
    // Rows row to row + count - 1 go, with their texts.
    void RemoveRows(int row, int count);
    // Every text empty.
    void Clear();

    // The cell's text is now `width` wide. Returns whether the widest of its
    // column changed.
    bool Set(int row, int col, int width);
    int Widest(int col) const;

private:
    struct Column {
        // By row.
        std::vector<int> widths;
        // tally[w]: how many rows hold a text w wide, for w from 1 to the widest.
        std::vector<int> tally;
        int widest = 0;
    };

    static void Count(Column& column, int width);
    static void Uncount(Column& column, int width);

    std::vector<Column> columns_;
    int rows_ = 0;
};
