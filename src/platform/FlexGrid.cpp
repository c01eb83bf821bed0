#include "platform/FlexGrid.h"

#include "platform/AppError.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <string>

namespace {

const QRegularExpression& LineBreak() {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return lineBreak;
}

[[noreturn]] void SubscriptOutOfRange() {
    throw AppError(ErrorNumber::SubscriptOutOfRange, "Subscript out of range");
}

[[noreturn]] void TooManyRows() {
    throw AppError(ErrorNumber::Overflow,
                   "A grid holds at most " + std::to_string(FlexGrid::MaxRows) + " rows.");
}

class FlexGridDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Headings carry CR LF line breaks as the project file stores them; Qt
    // breaks lines at LF only.
    QString displayText(const QVariant& value, const QLocale& locale) const override {
        QString text = QStyledItemDelegate::displayText(value, locale);
        return text.replace(LineBreak(), QStringLiteral("\n"));
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // Fixed cells are disabled only to keep the cursor and the selection off
        // them: they are drawn as headings, not greyed out.
        if (!(index.flags() & Qt::ItemIsEnabled)) {
            option->state |= QStyle::State_Enabled;
            option->backgroundBrush = option->palette.button();
        }
    }
};

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setItemDelegate(new FlexGridDelegate(this));
}

void FlexGrid::SetRows(int rows) {
    if (rows < 0) {
        SubscriptOutOfRange();
    }
    if (rows > MaxRows) {
        TooManyRows();
    }
    int old = Rows();
    setRowCount(rows);
    FormatCells(old, rows, 0, Cols());
}

void FlexGrid::SetCols(int cols) {
    if (cols < 0) {
        SubscriptOutOfRange();
    }
    int old = Cols();
    columns_.resize(static_cast<size_t>(cols));
    setColumnCount(cols);
    FormatCells(0, Rows(), old, cols);
}

void FlexGrid::SetFixedRows(int rows) {
    if (rows < 0) {
        SubscriptOutOfRange();
    }
    fixedRows_ = rows;
    FormatAllCells();
}

void FlexGrid::SetFixedCols(int cols) {
    if (cols < 0) {
        SubscriptOutOfRange();
    }
    fixedCols_ = cols;
    FormatAllCells();
}

QString FlexGrid::TextMatrix(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    return Cell(row, col).text();
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    CheckRow(row);
    CheckCol(col);
    Cell(row, col).setText(text);
}

FlexGrid::Position FlexGrid::Cursor() const {
    QModelIndex current = currentIndex();
    if (current.isValid()) {
        return {current.row(), current.column()};
    }
    return {fixedRows_, fixedCols_};
}

FlexGrid::CellRange FlexGrid::Selection() const {
    Position cursor = Cursor();
    CellRange range{cursor.row, cursor.col, cursor.row, cursor.col};
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        range = {selected.first().row(), selected.first().column(), selected.first().row(),
                 selected.first().column()};
        for (const QModelIndex& index : selected) {
            range.top = std::min(range.top, index.row());
            range.bottom = std::max(range.bottom, index.row());
            range.left = std::min(range.left, index.column());
            range.right = std::max(range.right, index.column());
        }
    }
    return range;
}

int FlexGrid::Row() const {
    CellRange range = Selection();
    return Cursor().row == range.top ? range.bottom : range.top;
}

int FlexGrid::Col() const {
    CellRange range = Selection();
    return Cursor().col == range.left ? range.right : range.left;
}

int FlexGrid::RowSel() const {
    return Cursor().row;
}

int FlexGrid::ColSel() const {
    return Cursor().col;
}

void FlexGrid::SetSelection(int row, int col, int rowSel, int colSel) {
    CheckDataCell(row, col);
    CheckDataCell(rowSel, colSel);
    // Qt's current cell is the moving end of a selection, as after a drag.
    selectionModel()->setCurrentIndex(model()->index(rowSel, colSel),
                                      QItemSelectionModel::NoUpdate);
    QItemSelection block(model()->index(std::min(row, rowSel), std::min(col, colSel)),
                         model()->index(std::max(row, rowSel), std::max(col, colSel)));
    selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
}

QString FlexGrid::Clip() const {
    CellRange range = Selection();
    QStringList lines;
    for (int row = range.top; row <= std::min(range.bottom, Rows() - 1); ++row) {
        QStringList cells;
        for (int col = range.left; col <= std::min(range.right, Cols() - 1); ++col) {
            cells << Cell(row, col).text();
        }
        lines << cells.join(u'\t');
    }
    return lines.join(u'\r');
}

namespace {

// The lines of a clip text; one CR LF or LF at its very end ends the last line.
QStringList ClipLines(const QString& text) {
    QString body = text;
    if (body.endsWith(u'\n')) {
        body.chop(body.endsWith(QStringLiteral("\r\n")) ? 2 : 1);
    }
    return body.split(LineBreak());
}

} // namespace

int FlexGrid::ClipLastFilledRow(const QString& text) const {
    const QStringList lines = ClipLines(text);
    for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i) {
        if (!lines[i].trimmed().isEmpty()) {
            return Selection().top + i;
        }
    }
    return -1;
}

void FlexGrid::SetClip(const QString& text) {
    const QStringList lines = ClipLines(text);
    CellRange range = Selection();
    for (int i = 0; i < lines.size() && range.top + i < Rows(); ++i) {
        const QStringList cells = lines[i].split(u'\t');
        for (int j = 0; j < cells.size() && range.left + j < Cols(); ++j) {
            Cell(range.top + i, range.left + j).setText(cells[j]);
        }
    }
}

void FlexGrid::RemoveItem(int row) {
    CheckRow(row);
    if (row < fixedRows_) {
        SubscriptOutOfRange();
    }
    removeRow(row);
}

void FlexGrid::AddItem(const QString& text, int row) {
    if (row < fixedRows_ || row > Rows()) {
        SubscriptOutOfRange();
    }
    if (Rows() >= MaxRows) {
        TooManyRows();
    }
    insertRow(row);
    FormatCells(row, row + 1, 0, Cols());
    const QStringList cells = text.split(u'\t');
    for (int col = 0; col < cells.size() && col < Cols(); ++col) {
        Cell(row, col).setText(cells[col]);
    }
}

double FlexGrid::ColWidthTwips(int col) const {
    CheckCol(col);
    return Screen::PixelsToTwipsX(columnWidth(col));
}

void FlexGrid::SetColWidthTwips(int col, double twips) {
    CheckCol(col);
    setColumnWidth(col, Screen::TwipsToPixelsX(twips));
}

double FlexGrid::RowHeightTwips(int row) const {
    CheckRow(row);
    return Screen::PixelsToTwipsY(rowHeight(row));
}

void FlexGrid::SetRowHeightTwips(int row, double twips) {
    CheckRow(row);
    setRowHeight(row, Screen::TwipsToPixelsY(twips));
}

void FlexGrid::SetColAlignment(int col, Qt::Alignment alignment) {
    CheckCol(col);
    columns_[static_cast<size_t>(col)].alignment = alignment;
    FormatCells(0, Rows(), col, col + 1);
}

void FlexGrid::AutoSize(int firstCol, int lastCol) {
    CheckCol(firstCol);
    CheckCol(lastCol);
    // Measured over every row: Qt's own fitting looks only at the rows in
    // view, and a grid is often sized before it is first shown.
    const QFontMetrics metrics = fontMetrics();
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    for (int col = firstCol; col <= lastCol; ++col) {
        int widest = 0;
        for (int row = 0; row < Rows(); ++row) {
            for (const QString& line : TextMatrix(row, col).split(LineBreak())) {
                widest = std::max(widest, metrics.horizontalAdvance(line));
            }
        }
        if (columns_[static_cast<size_t>(col)].checkBox) {
            widest += style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) + 4;
        }
        setColumnWidth(col, widest + padding);
    }
}

void FlexGrid::FitRowHeight(int row) {
    CheckRow(row);
    int lines = 1;
    for (int col = 0; col < Cols(); ++col) {
        lines = std::max(lines, static_cast<int>(TextMatrix(row, col).split(LineBreak()).size()));
    }
    int needed = lines * fontMetrics().lineSpacing() + 8;
    setRowHeight(row, std::max(rowHeight(row), needed));
}

QColor FlexGrid::CellForeColor(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    QBrush brush = Cell(row, col).foreground();
    return brush.style() == Qt::NoBrush ? palette().color(QPalette::Text) : brush.color();
}

void FlexGrid::SetCellForeColor(int row, int col, const QColor& color) {
    SetCellForeColor(CellRange{row, col, row, col}, color);
}

void FlexGrid::SetCellForeColor(const CellRange& block, const QColor& color) {
    CheckRow(block.top);
    CheckRow(block.bottom);
    CheckCol(block.left);
    CheckCol(block.right);
    for (int row = block.top; row <= block.bottom; ++row) {
        for (int col = block.left; col <= block.right; ++col) {
            Cell(row, col).setForeground(color);
        }
    }
}

void FlexGrid::SetCheckBoxColumn(int col) {
    CheckCol(col);
    columns_[static_cast<size_t>(col)].checkBox = true;
    FormatCells(0, Rows(), col, col + 1);
}

bool FlexGrid::CellChecked(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    return Cell(row, col).checkState() == Qt::Checked;
}

void FlexGrid::SetCellChecked(int row, int col, bool checked) {
    CheckDataCell(row, col);
    if (!columns_[static_cast<size_t>(col)].checkBox) {
        throw AppError(ErrorNumber::InvalidArgument,
                       "Column " + std::to_string(col) + " has no check boxes.");
    }
    Cell(row, col).setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void FlexGrid::SetEditable(bool editable) {
    setEditTriggers(editable
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed
                        : QAbstractItemView::NoEditTriggers);
}

bool FlexGrid::Editable() const {
    return editTriggers() != QAbstractItemView::NoEditTriggers;
}

int FlexGrid::ContentWidth() const {
    int width = 0;
    for (int col = 0; col < Cols(); ++col) {
        width += columnWidth(col);
    }
    return width;
}

int FlexGrid::ContentHeight() const {
    int height = 0;
    for (int row = 0; row < Rows(); ++row) {
        height += rowHeight(row);
    }
    return height;
}

QSize FlexGrid::ClientSizePixels() const {
    // Worked out from the sizes rather than read from the viewport, which is
    // laid out only once the grid is shown; windows set up hidden grids.
    const int border = 2 * frameWidth();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int width = this->width() - border;
    const int height = this->height() - border;
    bool vertical = ContentHeight() > height;
    bool horizontal = ContentWidth() > width;
    // Either bar can make the other one needed.
    horizontal = horizontal || (vertical && ContentWidth() > width - bar);
    vertical = vertical || (horizontal && ContentHeight() > height - bar);
    return {width - (vertical ? bar : 0), height - (horizontal ? bar : 0)};
}

double FlexGrid::ClientWidthTwips() const {
    return Screen::PixelsToTwipsX(ClientSizePixels().width());
}

double FlexGrid::ClientHeightTwips() const {
    return Screen::PixelsToTwipsY(ClientSizePixels().height());
}

void FlexGrid::FitToContents() {
    resize(ContentWidth() + 2 * frameWidth(), ContentHeight() + 2 * frameWidth());
}

void FlexGrid::CommitTyping() {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        auto* grid = qobject_cast<FlexGrid*>(widget);
        if (!grid) {
            continue;
        }
        if (grid->state() == QAbstractItemView::EditingState) {
            if (QWidget* editor = grid->indexWidget(grid->currentIndex())) {
                grid->commitData(editor);
                grid->closeEditor(editor, QAbstractItemDelegate::NoHint);
            }
        }
        return;
    }
}

double FlexGrid::TextHeightTwips(const QString& text) const {
    return Screen::PixelsToTwipsY(static_cast<int>(text.split(LineBreak()).size()) *
                                  fontMetrics().height());
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
    // Copying and clearing cells belong to the windows that own the grids;
    // Delete must not open an editor either.
    if (event->matches(QKeySequence::Copy) || event->key() == Qt::Key_Delete) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

// Typing into a grid that takes no typing does not jump to a matching cell.
void FlexGrid::keyboardSearch(const QString&) {}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    // The right button pops up a menu for the selection as it stands.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit RightButtonUp(event->globalPosition().toPoint());
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
}

// The windows pop up their own menu on RightButtonUp.
void FlexGrid::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

void FlexGrid::CheckRow(int row) const {
    if (row < 0 || row >= Rows()) {
        SubscriptOutOfRange();
    }
}

void FlexGrid::CheckCol(int col) const {
    if (col < 0 || col >= Cols()) {
        SubscriptOutOfRange();
    }
}

void FlexGrid::CheckDataCell(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    if (row < fixedRows_ || col < fixedCols_) {
        SubscriptOutOfRange();
    }
}

QTableWidgetItem& FlexGrid::Cell(int row, int col) const {
    return *item(row, col);
}

void FlexGrid::FormatCells(int firstRow, int endRow, int firstCol, int endCol) {
    for (int row = firstRow; row < endRow; ++row) {
        for (int col = firstCol; col < endCol; ++col) {
            QTableWidgetItem* cell = item(row, col);
            if (!cell) {
                cell = new QTableWidgetItem;
                setItem(row, col, cell);
            }
            const ColumnFormat& format = columns_[static_cast<size_t>(col)];
            bool fixed = row < fixedRows_ || col < fixedCols_;
            bool checkBox = format.checkBox && !fixed;
            Qt::ItemFlags flags = Qt::NoItemFlags;
            if (!fixed) {
                flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                        (checkBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
            }
            cell->setFlags(flags);
            cell->setTextAlignment(format.alignment);
            bool hasBox = cell->data(Qt::CheckStateRole).isValid();
            if (checkBox && !hasBox) {
                cell->setCheckState(Qt::Unchecked);
            } else if (!checkBox && hasBox) {
                cell->setData(Qt::CheckStateRole, QVariant());
            }
        }
    }
}
