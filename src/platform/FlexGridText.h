#pragma once

#include "platform/TextGrid.h"

class FlexGrid;

// A FlexGrid as the computation code's TextGrid: the same rows, columns and
// cell texts, read and written in the grid itself.
class FlexGridText : public TextGrid {
public:
    explicit FlexGridText(FlexGrid& grid) : grid_(grid) {}

    int Rows() const override;
    void SetRows(int rows) override;
    int Cols() const override;
    std::string TextMatrix(int row, int col) const override;
    void SetTextMatrix(int row, int col, const std::string& text) override;

private:
    FlexGrid& grid_;
};
