#pragma once

#include <QTableView>

class QAbstractItemDelegate;

// A block of a grid's heading cells drawn over its scrolled cells, so that the
// headings stay in view: a second view of the grid's own model, with the
// grid's row heights and column widths, that shows the cells from a start of
// its own and takes neither the mouse nor the keys (they reach the grid
// beneath, which finds the headings there itself).
class FrozenCells final : public QTableView {
public:
    // Drawn with `delegate`, which it takes: a delegate serves one view, so
    // the grid gives one like its own.
    FrozenCells(QTableView& grid, QAbstractItemDelegate* delegate);

    // Shows the content from this position on, in pixels: the grid's scroll
    // along a direction in which the block follows the grid, 0 along one in
    // which it stays.
    void ShowFrom(int x, int y);

protected:
    void updateGeometries() override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Puts back the start that ShowFrom asked for, which Qt moves of its own
    // as rows and columns change, and draws the block again if it moved.
    void KeepOffsets();

    int x_ = 0;
    int y_ = 0;
};
