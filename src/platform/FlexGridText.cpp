#include "platform/FlexGridText.h"

#include "platform/FlexGrid.h"
#include "platform/UiText.h"

int FlexGridText::Rows() const {
    return grid_.Rows();
}

void FlexGridText::SetRows(int rows) {
    grid_.SetRows(rows);
}

int FlexGridText::Cols() const {
    return grid_.Cols();
}

std::string FlexGridText::TextMatrix(int row, int col) const {
    return grid_.TextMatrix(row, col).toStdString();
}

void FlexGridText::SetTextMatrix(int row, int col, const std::string& text) {
    grid_.SetTextMatrix(row, col, ToQString(text));
}
