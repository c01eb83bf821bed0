#pragma once

#include "platform/DataTextWidths.h"

#include <QColor>
#include <QPoint>
#include <QSignalBlocker>
#include <QString>
#include <QTableWidget>

#include <memory>
#include <optional>
#include <vector>

class CellTextWidths;
class FrozenHeadings;
class FrozenSections;

// The one grid control of the program: a spreadsheet-like table of text cells
// whose row and column numbers are those the windows, their messages and the
// project file use.
//
// Heading rows and columns are ordinary rows and columns of the grid: the first
// FixedRows() rows (1 unless a window says otherwise) and the first FixedCols()
// columns (none unless a window says otherwise) are fixed. Fixed cells are drawn
// as headings, never take the cursor or the selection, and are never typed into,
// pasted into or removed. Qt's own row and column headers are hidden.
//
// Conventions:
// - Every cell holds text; a text may hold line breaks ("\r\n"), shown as lines.
//   Cells are FlexGridCell items: read a text through text() or the model's
//   data(), as Qt's views do, not through the model's itemData().
// - Sizes are in twips (1440 to the inch) at the screen's logical resolution.
// - A row or column index outside the grid throws AppError (subscript out of
//   range); no grid grows beyond MaxRows rows.
// - Use the functions below for rows and columns, not QTableWidget's own
//   setRowCount, insertRow and the like, which do not format the new cells.
// - Nothing is typed into cells unless SetEditable(true). Qt's own Ctrl+C copy
//   is off: a window that copies does it from KeyDown.
// - Typing and pasting (SetClip) give a cell no text that a project file
//   could not hold once saved, as text boxes do (TextBoxes); code, the project
//   file included, writes any text.
// - A left click on a data cell moves the cursor there; windows that act on a
//   click connect to QTableWidget::cellClicked(row, column).
// - Column widths: each column has the width the window designed for it, with
//   SetColWidthTwips or with AutoSize, which fits it to its headings. Data
//   cells never cut their text: a column shows the larger of its designed
//   width and what its widest data text needs now, so it widens as soon as a
//   text written or typed into a data cell needs it and comes back down when
//   that text is shortened or cleared or its row goes. Heading rows keep the
//   designed width. ColumnWidthsChanged tells when a column's width changes.
// - A grid that has no current cell when it takes the keyboard focus, or a key,
//   makes its first data cell current (in a typed grid the first one that takes
//   typing), so that a grid reached with Tab answers the keys at once.
// - In a typed grid the current cell does not rest in a read-only column: when
//   the grid is reached from the keyboard, or the columns that take typing
//   change, it moves to the nearest cell of its row that takes typing. A key
//   that would type into a read-only cell shows, beside the cell, where typing
//   goes.
// - The Menu key and Shift+F10 ask for the grid's popup menu at the current
//   cell (MenuKeyDown); the windows pop up the menu their right click offers.
// - Tab and Shift+Tab mirror each other. While a cell is being typed into,
//   they keep what was typed and go to the next (previous) cell that takes
//   typing or a tick, along the row and on to the next (previous) row; the
//   cell is selected and framed, not opened, so typing there replaces it and
//   F2 edits it, and further Tabs go on from cell to cell, typed or passed
//   over. From the last (first) such cell, and when nothing was typed since
//   the grid took the focus or since an arrow key or a click, they go on to
//   the next (previous) control: a grid is never a trap.
// - The heading rows stay at the top, and the fixed columns at the left, while
//   the data cells scroll under them: the vertical scroll bar counts the data
//   rows scrolled away (the horizontal one the data columns, where there are
//   fixed ones), a page is what shows past the headings, and a cell scrolled
//   to shows whole below and beside them. Clicks on a heading reach the
//   heading wherever the grid has scrolled.
class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    // The most rows a grid holds, heading rows included.
    static constexpr int MaxRows = 10000;

    // A block of cells, top <= bottom and left <= right.
    struct CellRange {
        int top = 0;
        int left = 0;
        int bottom = 0;
        int right = 0;
    };

    // For a window that fills many cells in code: while one lasts, the grid's
    // change notifications for cell contents (itemChanged, cellChanged and the
    // model's dataChanged) are held back, and the rows that SetRows adds get
    // their cells only as these are written (QTableWidget::item is null for
    // the others until the end); when the outermost guard ends, the rest of
    // the cells are made, ColumnWidthsChanged is signalled once if a width
    // changed, and the grid is repainted once. Everything here reads and writes
    // as ever meanwhile, and what the user types is notified as ever. Typical
    // use: a BulkUpdate, SetRows(1), SetRows(n), the texts.
    class BulkUpdate {
    public:
        explicit BulkUpdate(FlexGrid& grid);
        ~BulkUpdate();
        BulkUpdate(const BulkUpdate&) = delete;
        BulkUpdate& operator=(const BulkUpdate&) = delete;

    private:
        FlexGrid& grid_;
    };

    // For a caller that grows grids a row at a time without knowing how far
    // (the project file reader, a record at a time): while the outermost one
    // lasts, every grid that SetRows makes larger is under a BulkUpdate, which
    // ends with it. Grids that are only written are left as they are.
    class GrowthBatch {
    public:
        GrowthBatch();
        ~GrowthBatch();
        GrowthBatch(const GrowthBatch&) = delete;
        GrowthBatch& operator=(const GrowthBatch&) = delete;

    private:
        friend class FlexGrid;
        // The grids grown meanwhile, each under one bulk update of its own.
        std::vector<FlexGrid*> grown_;
        GrowthBatch* outer_;
    };

    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    // Row and column counts. A larger count appends empty rows at the bottom
    // (columns at the right); a smaller one drops them from there, with their
    // texts, colours and ticks.
    int Rows() const { return rowCount() - spareRows_; }
    void SetRows(int rows);
    int Cols() const { return columnCount(); }
    void SetCols(int cols);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int rows);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int cols);

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);

    // The selection: the cell where it started (Row, Col) and the opposite
    // corner (RowSel, ColSel), which follows the mouse or shift+arrow keys. A
    // click selects the clicked cell alone. Before anything is selected the
    // first data cell (FixedRows, FixedCols) counts as selected.
    int Row() const;
    int Col() const;
    int RowSel() const;
    int ColSel() const;
    // Selects from (row, col) to (rowSel, colSel); both must be data cells (not
    // fixed) inside the grid.
    void SetSelection(int row, int col, int rowSel, int colSel);
    // The selection with its corners put in order.
    CellRange Selection() const;

    // The selected cells as text: cells separated by tab, rows by CR.
    QString Clip() const;
    // Writes such text into the grid, starting at the top-left cell of the
    // selection and going as far as the text reaches; cells of read-only
    // columns keep their texts. Rows may also be separated by CR LF or LF, and
    // one CR LF or LF at the very end is ignored, so that text copied from
    // other programs pastes as it looks. Text beyond the last row or column is
    // dropped: a paste never adds rows or columns. Each cell takes its text
    // as a text box takes a paste (TextBoxes::TakenOfPaste): cut to the
    // longest text a box keeps; when a text so cut still does not fit a field
    // of the project file, the paste is refused whole, nothing is written and
    // the result is false.
    bool SetClip(const QString& text);

    // The grid row on which SetClip would put the last line of the text that
    // holds more than blanks and tabs; -1 when no line does.
    int ClipLastFilledRow(const QString& text) const;
    // A grid of fixed row count (the channel's 50 points) keeps its rows
    // through the Edit commands: they drop the empty rows that inserting
    // pushes past its last row and refuse to push a filled row, or paste
    // text, past it.
    void SetFixedRowCount(bool fixed) { fixedRowCount_ = fixed; }
    bool FixedRowCount() const { return fixedRowCount_; }

    // Removes a data row; the rows below move up.
    void RemoveItem(int row);
    // Inserts a row at index `row` (Rows() appends) whose cells take the
    // tab-separated texts in turn; missing texts leave cells empty and texts
    // beyond the last column are dropped.
    void AddItem(const QString& text, int row);

    // The width the column shows: its designed width, or more where a data
    // text needs it.
    double ColWidthTwips(int col) const;
    // Designs the column's width.
    void SetColWidthTwips(int col, double twips);
    double RowHeightTwips(int row) const;
    void SetRowHeightTwips(int row, double twips);
    // Raises the row's height, where needed, until every line of its cells shows.
    void FitRowHeight(int row);
    // Alignment of every cell of the column, headings included, and of the
    // cells it gains later.
    void SetColAlignment(int col, Qt::Alignment alignment);
    // Designs the widths of columns first..last to fit their headings (the
    // widest line of a multi-line text): the columns then show their widest
    // cell text, and come back to the headings' width when the data go.
    void AutoSize(int firstCol, int lastCol);

    // Text colour of a cell; the palette's text colour until one is set. New
    // cells start with the palette's colour.
    QColor CellForeColor(int row, int col) const;
    void SetCellForeColor(int row, int col, const QColor& color);
    void SetCellForeColor(const CellRange& block, const QColor& color);

    // A check-box column: its data cells carry a tick box (unticked when the
    // cell is made) that the user toggles with a click or the space bar, and no
    // text is typed into them. The tick is apart from the cell text.
    void SetCheckBoxColumn(int col);
    bool CellChecked(int row, int col) const;
    void SetCellChecked(int row, int col, bool checked);

    // In-place typing into the data cells (double click, F2 or any character
    // key starts it). Off unless a window asks for it.
    void SetEditable(bool editable);
    bool Editable() const;
    // A column of a typed grid that the window fills itself (a computed
    // column, a selection mark): its data cells take no typing and no tick,
    // SetClip passes over them and modGridEdit::ClearCells leaves them, and
    // they are shaded as not for typing. Code, the project file included,
    // still writes them with SetTextMatrix. Off unless a window asks for it.
    void SetColReadOnly(int col, bool readOnly);
    bool ColReadOnly(int col) const;
    // The column that marks a row as the selected design: a click in it, or
    // Space on any cell of a row that takes neither typing nor a tick,
    // signals MarkRow for that data row. -1 (none) unless a window sets one.
    void SetMarkColumn(int col);
    // Ends the typing in a cell of whichever grid has the keyboard focus and
    // keeps what was typed. Commands reached without moving the focus (the
    // menus) call it first, so that they see the cell as the user sees it.
    static void CommitTyping();

    // The inside of the grid: its size less the border and the scroll bars
    // that its rows and columns need at that size.
    double ClientWidthTwips() const;
    double ClientHeightTwips() const;
    // The sum of the widths the columns show.
    double ColumnsWidthTwips() const;
    // Sizes the grid so that every row and column shows without scroll bars.
    void FitToContents();
    // Height of a text in the grid's font, one line per line break.
    double TextHeightTwips(const QString& text) const;

    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    // The right mouse button was released over the grid, at this screen
    // position. The right button changes neither the cursor nor the selection.
    void RightButtonUp(const QPoint& globalPos);
    // A key went down while the grid had the focus, before the grid acts on it.
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The Menu key or Shift+F10 went down: the popup menu belongs at this
    // screen position, the bottom left corner of the current cell.
    void MenuKeyDown(const QPoint& globalPos);
    // The user marked this data row (see SetMarkColumn).
    void MarkRow(int row);
    // The width of one or more columns changed, by design or to follow the
    // data texts: a window that sizes the grid to its columns, or lays out
    // around them, does it again.
    void ColumnWidthsChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void commitData(QWidget* editor) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool focusNextPrevChild(bool next) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    struct ColumnFormat {
        // In pixels; Qt's default width until the window designs one.
        int designedWidth = 0;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
        bool checkBox = false;
        bool readOnly = false;
        // What the column's new heading and data cells start as.
        QTableWidgetItem newHeading;
        QTableWidgetItem newData;
    };

    void CheckRow(int row) const;
    void CheckCol(int col) const;
    void CheckDataCell(int row, int col) const;
    // Cells that a bulk update adds are made when first written or when it
    // ends; everywhere else every cell of the grid is made.
    QString CellText(int row, int col) const;
    QTableWidgetItem& Cell(int row, int col);
    void SetCellText(int row, int col, const QString& text);
    QTableWidgetItem& MakeCell(int row, int col, const QString& text);
    QTableWidgetItem& MakeDeferredCell(int row, int col, const QString& text);
    // After a change of the columns' formats or of the fixed rows and columns:
    // formats the columns' new cells and every cell of them.
    void FormatColumns(int firstCol, int endCol);
    // Makes the missing cells of the block and gives every cell of it the
    // flags, alignment and tick box its place asks for.
    void FormatCells(int firstRow, int endRow, int firstCol, int endCol);
    void FormatCell(QTableWidgetItem& cell, int col, bool fixed) const;
    bool IsFixed(int row, int col) const;
    // Blocks the model's signals while a BulkUpdate lasts; does nothing else.
    QSignalBlocker HoldCellSignals() const;
    void EndBulkUpdate();
    // Puts the grid under a bulk update for the rest of the growth batch
    // that lasts, if any, unless it is already.
    void JoinGrowthBatch();
    // Grows the grid to `rows` as a growth batch does: the model's rows are
    // made ahead, twice as many as needed, so that a grid grown a row at a
    // time takes its rows in a few steps.
    void GrowAhead(int rows);
    void DropSpareRows();
    struct Position {
        int row;
        int col;
    };
    // The moving end of the selection (Qt's current cell).
    Position Cursor() const;
    // Whether typing goes into the data cell: a typed grid's cells but its tick
    // boxes and its read-only columns.
    bool TakesTyping(int row, int col) const;
    // Whether typing or a tick goes into the data cell.
    bool TakesInput(int row, int col) const;
    // Without a current cell Qt aims the arrow keys at the heading, which
    // takes none: the keys would do nothing.
    void MakeFirstDataCellCurrent();
    // The column of the row's cell nearest `col` that takes typing (the left
    // one of two as near); -1 when none does.
    int NearestTypableCol(int row, int col) const;
    // The cell after (before) `from` in reading order that takes input;
    // none past the last (first) one.
    std::optional<Position> NextInputCell(Position from, bool forward) const;
    // In a typed grid, moves the current cell out of a read-only column to
    // the nearest cell of its row that takes typing, and selects it there.
    void LeaveReadOnlyColumn();
    // Answers Space, the Menu key and Shift+F10, and typing into a cell that
    // takes none; false for every other key.
    bool AnswerKey(const QKeyEvent& event);
    // Beside the current cell: its column takes no typing, and where it goes.
    void ShowWhereTypingGoes();
    // The bottom left corner of the current cell, scrolled into view, on the
    // screen; the grid's top left corner without a current cell.
    QPoint CurrentCellCorner();
    // The heading of the column on one line; empty without a heading row.
    QString ColumnName(int col) const;
    // Qt's current cell is a data cell: not a heading, which it can be left
    // on when the rows under it go.
    bool HasCursor() const;
    QSize ClientSizePixels() const;
    // Width in pixels of the column's widest heading text, and the column
    // width that shows a text that wide.
    int WidestHeading(int col);
    int ColumnWidthFor(int col, int textWidth) const;
    // Takes the new text of a cell into the column's width: wide enough to
    // show it whole, and back toward the designed width if it was the widest.
    void ShowWhole(int row, int col, const QString& text);
    // Measures every data text again, after a change of font or heading rows.
    void MeasureDataTexts();
    // The larger of the column's designed width and what its data need.
    int ShownWidth(int col) const;
    // Gives every column the width it should show.
    void ShowWidths();
    CellTextWidths& TextWidths();
    int ContentWidth() const;
    int ContentHeight() const;
    // The heading rows, and the fixed columns, as the viewport shows them now.
    FrozenSections FrozenRows() const;
    FrozenSections FrozenCols() const;
    // Gives the data cells the place the scroll bars ask for, past the
    // headings, and draws the headings over them where they scrolled.
    void KeepHeadingsInView();

    int fixedRows_ = 1;
    int fixedCols_ = 0;
    bool fixedRowCount_ = false;
    int markColumn_ = -1;
    // A key went down to type into a cell that takes none: the sign shows
    // when it comes up, as a tip would vanish at once under a key still down.
    bool typingRefused_ = false;
    // Tab left a typed cell for the next one, and no other key, click or
    // focus change has come since: Tab goes on through the cells.
    bool tabbingCells_ = false;
    std::vector<ColumnFormat> columns_;
    int bulkUpdates_ = 0;
    // The growth batch that holds one of the bulk updates; null for none.
    GrowthBatch* growthBatch_ = nullptr;
    // Rows that a growth batch made ahead: they follow the grid's last row,
    // hold no cells and go when the batch ends; Qt's row count counts them.
    int spareRows_ = 0;
    // A column width changed while a bulk update lasted: its end signals it.
    bool bulkWidthsChanged_ = false;
    // Cells that a bulk update left to be made, less those made since. Never
    // fewer than are missing: cells dropped or made by a reformat before they
    // were written are not taken off, so the end looks for missing cells
    // unless every one was written.
    qsizetype deferredCells_ = 0;
    // Measured texts of the grid's font; made at the first need.
    std::unique_ptr<CellTextWidths> textWidths_;
    // Widths of the data texts, kept as they are written.
    DataTextWidths dataWidths_;
    std::unique_ptr<FrozenHeadings> frozenHeadings_;
};
