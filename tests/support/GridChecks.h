#pragma once

#include "platform/FlexGrid.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyle>

#include <algorithm>

// Whether the cell's text shows whole in its column: its widest line, measured
// in the grid's font, plus the margins the item delegate keeps on both sides.
inline bool CellShowsWhole(const FlexGrid& grid, int row, int col) {
    const QFontMetrics metrics(grid.font());
    int widest = 0;
    for (const QString& line :
         grid.TextMatrix(row, col).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
    return widest + 2 * margin <= grid.columnWidth(col);
}
