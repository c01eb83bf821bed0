#include "platform/InputChanges.h"

#include "platform/FlexGrid.h"

#include <algorithm>
#include <memory>
#include <unordered_set>

namespace InputChanges {
namespace {

bool restoring = false;
// The controls that the read under way has set, forgotten when it ends.
std::unordered_set<const QObject*> restored;

// No text but blanks and no tick in the block.
bool Blank(const FlexGrid& grid, int top, int left, int bottom, int right) {
    for (int row = top; row <= bottom; ++row) {
        for (int col = left; col <= right; ++col) {
            if (!grid.TextMatrix(row, col).trimmed().isEmpty() || grid.CellChecked(row, col)) {
                return false;
            }
        }
    }
    return true;
}

// The data cells of the row and of every row below it are blank.
bool BlankFrom(const FlexGrid& grid, int row) {
    return Blank(grid, std::max(row, grid.FixedRows()), grid.FixedCols(), grid.Rows() - 1,
                 grid.Cols() - 1);
}

} // namespace

bool Restoring() {
    return restoring;
}

Restore::Restore() : outer_(restoring) {
    restoring = true;
}

Restore::~Restore() {
    restoring = outer_;
    if (!restoring) {
        restored.clear();
    }
}

void NoteRestored(const QObject* control) {
    if (restoring) {
        restored.insert(control);
    }
}

bool Restored(const QObject* control) {
    return restoring && restored.contains(control);
}

void ConnectGrid(FlexGrid& grid, QObject* context,
                 const std::function<void(const FlexGrid::CellRange& cells)>& changed) {
    QAbstractItemModel* model = grid.model();
    QObject::connect(model, &QAbstractItemModel::dataChanged, context,
                     [changed, g = &grid](const QModelIndex& topLeft,
                                          const QModelIndex& bottomRight, const QList<int>& roles) {
                         // Headings (the channel's point numbers among them) are no input.
                         const int top = std::max(topLeft.row(), g->FixedRows());
                         const int left = std::max(topLeft.column(), g->FixedCols());
                         if (top > bottomRight.row() || left > bottomRight.column()) {
                             return;
                         }
                         // No roles: the whole cell, as when it is made; a cell made empty
                         // holds what the grid showed there before it.
                         const bool textOrTick = roles.contains(Qt::DisplayRole) ||
                                                 roles.contains(Qt::EditRole) ||
                                                 roles.contains(Qt::CheckStateRole);
                         if (textOrTick ||
                             (roles.isEmpty() &&
                              !Blank(*g, top, left, bottomRight.row(), bottomRight.column()))) {
                             changed({top, left, bottomRight.row(), bottomRight.column()});
                         }
                     });
    // Rows that come or go below the last one holding data move no data;
    // others may move any data cell.
    auto everyCell = [changed, g = &grid] {
        changed({g->FixedRows(), g->FixedCols(), g->Rows() - 1, g->Cols() - 1});
    };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, context,
                     [everyCell, g = &grid](const QModelIndex&, int first, int) {
                         if (!BlankFrom(*g, first)) {
                             everyCell();
                         }
                     });
    auto removesData = std::make_shared<bool>(false);
    QObject::connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, context,
                     [removesData, g = &grid](const QModelIndex&, int first, int) {
                         *removesData = !BlankFrom(*g, first);
                     });
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, context, [everyCell, removesData] {
        if (*removesData) {
            everyCell();
        }
    });
}

} // namespace InputChanges
