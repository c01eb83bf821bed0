#include "platform/InputChanges.h"

#include "platform/FlexGrid.h"

namespace InputChanges {
namespace {

bool restoring = false;

} // namespace

bool Restoring() {
    return restoring;
}

Restore::Restore() : outer_(restoring) {
    restoring = true;
}

Restore::~Restore() {
    restoring = outer_;
}

void ConnectGrid(FlexGrid& grid, QObject* context,
                 const std::function<void(int firstCol, int lastCol)>& changed) {
    QAbstractItemModel* model = grid.model();
    QObject::connect(model, &QAbstractItemModel::dataChanged, context,
                     [changed](const QModelIndex& topLeft, const QModelIndex& bottomRight,
                               const QList<int>& roles) {
                         // No roles: the whole cell, as when it is made.
                         if (roles.isEmpty() || roles.contains(Qt::DisplayRole) ||
                             roles.contains(Qt::EditRole) || roles.contains(Qt::CheckStateRole)) {
                             changed(topLeft.column(), bottomRight.column());
                         }
                     });
    auto rows = [changed, g = &grid] { changed(0, g->Cols() - 1); };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, context, rows);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, context, rows);
}

} // namespace InputChanges
