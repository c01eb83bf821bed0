#include "platform/FrozenHeadings.h"

#include "platform/FrozenCells.h"
#include "platform/FrozenSections.h"

#include <QHeaderView>

#include <utility>

FrozenHeadings::FrozenHeadings(QTableView& grid,
                               std::function<QAbstractItemDelegate*()> makeDelegate)
    : grid_(grid), makeDelegate_(std::move(makeDelegate)) {}

void FrozenHeadings::Place(const FrozenSections& rows, const FrozenSections& cols) {
    const bool rowsOver = rows.Scrolled();
    const bool colsOver = cols.Scrolled();
    const QRect view = grid_.viewport()->geometry();
    const int x = grid_.horizontalHeader()->offset();
    const int y = grid_.verticalHeader()->offset();
    // In this order, so that the corner lies on top of the other two.
    Show(rows_, rowsOver, QRect(view.left(), view.top(), view.width(), rows.HeadingsLength()), x,
         0);
    Show(cols_, colsOver, QRect(view.left(), view.top(), cols.HeadingsLength(), view.height()), 0,
         y);
    Show(corner_, rowsOver && colsOver,
         QRect(view.left(), view.top(), cols.HeadingsLength(), rows.HeadingsLength()), 0, 0);
}

void FrozenHeadings::Show(FrozenCells*& cells, bool shown, const QRect& place, int x, int y) {
    if (!shown) {
        if (cells) {
            cells->hide();
        }
        return;
    }
    if (!cells) {
        cells = new FrozenCells(grid_, makeDelegate_());
    }
    cells->setGeometry(place);
    cells->ShowFrom(x, y);
    cells->raise();
    cells->show();
}

void FrozenHeadings::Repaint() {
    for (FrozenCells* cells : {rows_, cols_, corner_}) {
        if (cells) {
            cells->viewport()->update();
        }
    }
}
