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

void ConnectGrid(FlexGrid& grid, QObject* context, const std::function<void()>& changed) {
    QObject::connect(&grid, &QTableWidget::cellChanged, context, changed);
    QObject::connect(grid.model(), &QAbstractItemModel::rowsInserted, context, changed);
    QObject::connect(grid.model(), &QAbstractItemModel::rowsRemoved, context, changed);
}

} // namespace InputChanges
