#pragma once

#include "platform/FlexGrid.h"

#include <QPointer>

// The grid editing commands of the main window's hidden Edit menu. They act on
// the grid that was right-clicked last, which its right-button handler names
// here before the menu pops up (see modGridEditMenu).
namespace modGridEdit {

// The grid the Edit commands act on: empty until the first right click on a
// grid, and again once that grid is gone.
extern QPointer<FlexGrid> EditGrid;
// Whether column 0 of EditGrid numbers its rows " 1", " 2", ..., which Insert
// Rows and Delete Selected Rows keep up to date.
extern bool RowNumberColumn;

// Deleting never leaves a grid with fewer rows than this, heading included, so
// that the channel points grid keeps its 50 numbered rows.
constexpr int MinimumRowsAfterDelete = 51;

// "Copy": CopySelection of EditGrid.
void mnuEditCopy_Click();
// The grid's selection as clip text onto the clipboard (Ctrl+C and "Copy").
void CopySelection(const FlexGrid& grid);
// Empties the cells of the block from column firstCol on (Delete), but for
// those of read-only columns.
void ClearCells(FlexGrid& grid, const FlexGrid::CellRange& block, int firstCol);
// "Paste": PasteClipboard into EditGrid.
void mnuEditPaste_Click();
// The clipboard's text into the grid's selection; the values are not checked
// here, the owning window validates them when it computes. A grid of fixed
// row count refuses, with a message and unchanged, text whose filled lines
// would fall past its last row; any grid so refuses text that SetClip
// refuses, whose double quotes take a cell text past what a project file holds.
void PasteClipboard(FlexGrid& grid);
// "Insert Rows": the Insert New Rows dialog for EditGrid.
void mnuEditInsertRows_Click();
// "Delete Selected Rows": asks, then removes the selected rows.
void mnuEditDeleteRows_Click();

// Column 0 of rows 1 to the last = the row number with a leading blank.
void RenumberRows(FlexGrid& grid);

} // namespace modGridEdit
