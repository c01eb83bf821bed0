#pragma once

#include <string>

// A grid of text cells as the computation code sees it, without the widget:
// the channel point grid it validates, the grid columns it reads and the rating
// table it fills. Numbering as in FlexGrid: rows and columns count from 0, and
// row 0 is the fixed heading row, so that row numbers match the messages.
//
// An index outside the grid throws AppError (subscript out of range), as does
// a row count below 0 or above the grid's limit.
class TextGrid {
public:
    virtual ~TextGrid() = default;

    virtual int Rows() const = 0;
    // A larger count appends empty rows at the bottom; a smaller one drops rows
    // from there, with their texts.
    virtual void SetRows(int rows) = 0;
    virtual int Cols() const = 0;

    virtual std::string TextMatrix(int row, int col) const = 0;
    virtual void SetTextMatrix(int row, int col, const std::string& text) = 0;
};
