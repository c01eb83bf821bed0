#include "platform/FlexGridCell.h"

FlexGridCell::FlexGridCell(const QTableWidgetItem& format, const QString& text)
    : QTableWidgetItem(format), text_(text) {}

QTableWidgetItem* FlexGridCell::clone() const {
    return new FlexGridCell(*this);
}

QVariant FlexGridCell::data(int role) const {
    return KeepsText(role) ? QVariant(text_) : QTableWidgetItem::data(role);
}

void FlexGridCell::setData(int role, const QVariant& value) {
    if (KeepsText(role)) {
        // As an item does, an unchanged text is not a change.
        if (QVariant(text_) == value) {
            return;
        }
        text_ = QString();
    }
    QTableWidgetItem::setData(role, value);
}

bool FlexGridCell::KeepsText(int role) const {
    return !text_.isNull() && (role == Qt::DisplayRole || role == Qt::EditRole);
}
