#include "platform/FrozenCells.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>

namespace {

// A header that has the sizes of the grid's: sizes set later reach it as the
// grid's change.
void FollowSizes(QHeaderView& header, const QHeaderView& grid, QObject& context) {
    header.hide();
    // The default first: setting it resizes every section.
    header.setMinimumSectionSize(grid.minimumSectionSize());
    header.setDefaultSectionSize(grid.defaultSectionSize());
    for (int section = 0; section < grid.count(); ++section) {
        if (header.sectionSize(section) != grid.sectionSize(section)) {
            header.resizeSection(section, grid.sectionSize(section));
        }
    }
    QObject::connect(
        &grid, &QHeaderView::sectionResized, &context,
        [&header](int section, int, int size) { header.resizeSection(section, size); });
}

} // namespace

FrozenCells::FrozenCells(QTableView& grid, QAbstractItemDelegate* delegate) : QTableView(&grid) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(grid.wordWrap());
    setShowGrid(grid.showGrid());
    setGridStyle(grid.gridStyle());
    setModel(grid.model());
    delegate->setParent(this);
    setItemDelegate(delegate);
    FollowSizes(*horizontalHeader(), *grid.horizontalHeader(), *this);
    FollowSizes(*verticalHeader(), *grid.verticalHeader(), *this);
    hide();
}

void FrozenCells::ShowFrom(int x, int y) {
    x_ = x;
    y_ = y;
    KeepOffsets();
}

void FrozenCells::KeepOffsets() {
    if (horizontalHeader()->offset() == x_ && verticalHeader()->offset() == y_) {
        return;
    }
    horizontalHeader()->setOffset(x_);
    verticalHeader()->setOffset(y_);
    viewport()->update();
}

void FrozenCells::updateGeometries() {
    QTableView::updateGeometries();
    KeepOffsets();
}

void FrozenCells::paintEvent(QPaintEvent* event) {
    KeepOffsets();
    QTableView::paintEvent(event);
}
