#include "hydrology/HydrologyResultsGrid.h"

#include "app/modGridEditMenu.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/Numbers.h"

#include <QClipboard>
#include <QGuiApplication>

#include <cmath>

namespace HydrologyResultsGrid {

void Connect(FlexGrid& grid) {
    QObject::connect(&grid, &FlexGrid::KeyDown, &grid,
                     [&grid](int key, Qt::KeyboardModifiers modifiers) {
                         KeyDown(grid, key, static_cast<int>(modifiers));
                     });
    modGridEditMenu::ConnectGridEditMenu(grid, modGridEditMenu::GridEditItems::Copy, false);
}

void KeyDown(FlexGrid& grid, int key, int modifiers) {
    RunUserAction(ErrorStyle::Untitled, [&] {
        const int shift = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (key == Qt::Key_Delete) {
            const FlexGrid::CellRange block = grid.Selection();
            // A selection confined to the heading row or to the return-period
            // column clears nothing.
            if (block.bottom < 1 || block.right < 1) {
                return;
            }
            for (int r = std::max(block.top, 1); r <= block.bottom; ++r) {
                for (int c = block.left; c <= block.right; ++c) {
                    grid.SetTextMatrix(r, c, "");
                }
            }
        } else if (key == Qt::Key_C && shift == Qt::ControlModifier) {
            QGuiApplication::clipboard()->clear();
            QGuiApplication::clipboard()->setText(grid.Clip());
        }
    });
}

std::string DischargeText(double q) {
    return Numbers::Format(q, "###,###,###,###,###,##0");
}

void SetHeadingHeight(FlexGrid& grid, const QString& measuredText, double factor,
                      double extraTwips) {
    grid.SetRowHeightTwips(0, std::round(factor * grid.TextHeightTwips(measuredText) + extraTwips));
}

} // namespace HydrologyResultsGrid
