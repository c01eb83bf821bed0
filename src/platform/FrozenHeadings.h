#pragma once

#include <functional>

class FrozenCells;
class FrozenSections;
class QAbstractItemDelegate;
class QRect;
class QTableView;

// The heading rows and columns of a grid, kept in view while its data cells
// scroll: where the grid has scrolled its headings out of their place, they
// are drawn there over the data, the heading rows following the grid's scroll
// sideways and the heading columns its scroll down. A grid that has not
// scrolled shows its own cells alone. The blocks are made when first needed.
class FrozenHeadings {
public:
    // `makeDelegate` makes a delegate that draws cells as the grid's own does.
    FrozenHeadings(QTableView& grid, std::function<QAbstractItemDelegate*()> makeDelegate);

    // After the grid scrolled or changed its size, or the sizes of its cells.
    void Place(const FrozenSections& rows, const FrozenSections& cols);
    // After the headings' texts changed without the model saying so.
    void Repaint();

private:
    void Show(FrozenCells*& cells, bool shown, const QRect& place, int x, int y);

    QTableView& grid_;
    std::function<QAbstractItemDelegate*()> makeDelegate_;
    // The heading rows, the heading columns and the cells where they meet.
    FrozenCells* rows_ = nullptr;
    FrozenCells* cols_ = nullptr;
    FrozenCells* corner_ = nullptr;
};
