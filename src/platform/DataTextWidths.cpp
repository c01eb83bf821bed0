#include "platform/DataTextWidths.h"

#include <cstddef>

void DataTextWidths::SetCols(int cols) {
    columns_.resize(static_cast<size_t>(cols));
    for (Column& column : columns_) {
        column.widths.resize(static_cast<size_t>(rows_));
    }
}

void DataTextWidths::InsertRows(int row, int count) {
    for (Column& column : columns_) {
        column.widths.insert(column.widths.begin() + row, static_cast<size_t>(count), 0);
    }
    rows_ += count;
}

void DataTextWidths::RemoveRows(int row, int count) {
    for (Column& column : columns_) {
        const auto first = column.widths.begin() + row;
        for (auto cell = first; cell != first + count; ++cell) {
            Uncount(column, *cell);
        }
        column.widths.erase(first, first + count);
    }
    rows_ -= count;
}

void DataTextWidths::Clear() {
    for (Column& column : columns_) {
        column = Column{std::vector<int>(static_cast<size_t>(rows_)), {}, 0};
    }
}

bool DataTextWidths::Set(int row, int col, int width) {
    Column& column = columns_[static_cast<size_t>(col)];
    int& cell = column.widths[static_cast<size_t>(row)];
    const int widest = column.widest;
    Uncount(column, cell);
    cell = width;
    Count(column, width);
    return column.widest != widest;
}

int DataTextWidths::Widest(int col) const {
    return columns_[static_cast<size_t>(col)].widest;
}

void DataTextWidths::Count(Column& column, int width) {
    if (width <= 0) {
        return;
    }
    if (column.tally.size() <= static_cast<size_t>(width)) {
        column.tally.resize(static_cast<size_t>(width) + 1);
    }
    ++column.tally[static_cast<size_t>(width)];
    if (width > column.widest) {
        column.widest = width;
    }
}

void DataTextWidths::Uncount(Column& column, int width) {
    if (width <= 0) {
        return;
    }
    --column.tally[static_cast<size_t>(width)];
    // The widest text gone, the next one down is the widest.
    while (column.widest > 0 && column.tally[static_cast<size_t>(column.widest)] == 0) {
        --column.widest;
    }
}
