#pragma once

#include <QPoint>

class FlexGrid;

// The main window's hidden Edit menu as the grids' popup: which of its items
// show, and popping it up over a grid. Without a main window (in tests of a
// single window) only the grid-edit state is set.
namespace modGridEditMenu {

// Makes all four items visible: "Copy", "Paste", "Insert Rows", "Delete
// Selected Rows". "Copy" always shows; the others have a setter each.
void ShowGridEditMenu();
void SetPasteVisible(bool visible);
void SetInsertRowsVisible(bool visible);
void SetDeleteRowsVisible(bool visible);

// What a grid's popup offers.
enum class GridEditItems {
    Copy,      // result grids
    CopyPaste, // input grids of fixed shape
    All,       // Copy, Paste, Insert Rows and Delete Selected Rows
};

// A grid's right-button and menu-key handler: shows the items the grid offers
// and hides the others, names the grid (and whether its column 0 numbers the
// rows) for the Edit commands, and pops the menu up at globalPos (the mouse, or
// the current cell) without waiting for it.
void PopUpGridEditMenu(FlexGrid& grid, GridEditItems items, bool rowNumberColumn,
                       const QPoint& globalPos);
// Makes the grid's right button, its Menu key and Shift+F10 run PopUpGridEditMenu.
void ConnectGridEditMenu(FlexGrid& grid, GridEditItems items, bool rowNumberColumn);

} // namespace modGridEditMenu
