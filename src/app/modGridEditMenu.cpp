#include "app/modGridEditMenu.h"

#include "app/MDIFrmMain.h"
#include "app/modGridEdit.h"
#include "platform/FlexGrid.h"

#include <QAction>
#include <QMenu>

namespace modGridEditMenu {
namespace {

void SetVisible(QAction* MDIFrmMain::*item, bool visible) {
    if (MDIFrmMain* main = MDIFrmMain::Instance()) {
        (main->*item)->setVisible(visible);
    }
}

} // namespace

void ShowGridEditMenu() {
    SetVisible(&MDIFrmMain::mnuEditCopy, true);
    SetPasteVisible(true);
    SetInsertRowsVisible(true);
    SetDeleteRowsVisible(true);
}

void SetPasteVisible(bool visible) {
    SetVisible(&MDIFrmMain::mnuEditPaste, visible);
}

void SetInsertRowsVisible(bool visible) {
    SetVisible(&MDIFrmMain::mnuEditInsertRows, visible);
}

void SetDeleteRowsVisible(bool visible) {
    SetVisible(&MDIFrmMain::mnuEditDeleteRows, visible);
}

void PopUpGridEditMenu(FlexGrid& grid, GridEditItems items, bool rowNumberColumn,
                       const QPoint& globalPos) {
    ShowGridEditMenu();
    SetPasteVisible(items != GridEditItems::Copy);
    SetInsertRowsVisible(items == GridEditItems::All);
    SetDeleteRowsVisible(items == GridEditItems::All);
    modGridEdit::EditGrid = &grid;
    modGridEdit::RowNumberColumn = rowNumberColumn;
    // Not exec(): the chosen item runs from the event loop, and nothing here
    // waits on the user.
    if (MDIFrmMain* main = MDIFrmMain::Instance()) {
        main->mnuEdit->popup(globalPos);
    }
}

void ConnectGridEditMenu(FlexGrid& grid, GridEditItems items, bool rowNumberColumn) {
    const auto popUp = [&grid, items, rowNumberColumn](const QPoint& globalPos) {
        PopUpGridEditMenu(grid, items, rowNumberColumn, globalPos);
    };
    QObject::connect(&grid, &FlexGrid::RightButtonUp, &grid, popUp);
    QObject::connect(&grid, &FlexGrid::MenuKeyDown, &grid, popUp);
}

} // namespace modGridEditMenu
