#include "platform/FlexGrid.h"

#include "platform/AppError.h"
#include "platform/CellTextWidths.h"
#include "platform/FlexGridCell.h"
#include "platform/FrozenHeadings.h"
#include "platform/FrozenSections.h"
#include "platform/Screen.h"
#include "platform/TextBoxes.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>
#include <string>
#include <utility>

namespace {

// Keys that take the cursor somewhere of the user's own choosing, or give up
// the cell: they end a run of Tabs through the cells.
bool MovesTheCursor(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

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

    // Editing a cell never cuts the text it holds, and takes what a box takes.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor) {
            TextBoxes::HoldToFieldLimit(*editor, "cell");
        }
        return editor;
    }

    // The current cell of a grid that has the keyboard focus wears a dotted
    // frame, the same in every style (some draw none).
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem cell(option);
        cell.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, cell, index);
        if (option.state & QStyle::State_HasFocus) {
            painter->save();
            QPen pen(option.palette.color(option.state & QStyle::State_Selected
                                              ? QPalette::HighlightedText
                                              : QPalette::Text));
            pen.setStyle(Qt::DotLine);
            painter->setPen(pen);
            painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
            painter->restore();
        }
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // Fixed cells are disabled only to keep the cursor and the selection off
        // them: they are drawn as headings, not greyed out.
        if (!(index.flags() & Qt::ItemIsEnabled)) {
            option->state |= QStyle::State_Enabled;
            option->backgroundBrush = option->palette.button();
        } else if (const auto* grid = qobject_cast<const FlexGrid*>(option->widget);
                   grid && grid->Editable() && grid->ColReadOnly(index.column())) {
            option->backgroundBrush = option->palette.alternateBase();
        }
    }
};

// The width of a cell's widest line, its text read in place: a copy of the
// text costs two atomic counts, a good part of the time to fit big columns.
int WidestLine(CellTextWidths& widths, const QTableWidgetItem* cell) {
    if (!cell) {
        return 0; // not yet made by a bulk update, so empty
    }
    const QVariant text = cell->data(Qt::DisplayRole);
    if (text.typeId() == QMetaType::QString) {
        return widths.WidestLine(*static_cast<const QString*>(text.constData()));
    }
    return widths.WidestLine(text.toString());
}

} // namespace

FlexGrid::BulkUpdate::BulkUpdate(FlexGrid& grid) : grid_(grid) {
    ++grid_.bulkUpdates_;
}

FlexGrid::BulkUpdate::~BulkUpdate() {
    if (--grid_.bulkUpdates_ == 0) {
        grid_.EndBulkUpdate();
    }
}

namespace {

// The outermost growth batch that lasts; null for none.
FlexGrid::GrowthBatch* growthBatch = nullptr;

} // namespace

FlexGrid::GrowthBatch::GrowthBatch() : outer_(growthBatch) {
    if (!outer_) {
        growthBatch = this;
    }
}

FlexGrid::GrowthBatch::~GrowthBatch() {
    if (outer_) {
        return;
    }
    growthBatch = nullptr;
    for (FlexGrid* grid : grown_) {
        grid->growthBatch_ = nullptr;
        grid->DropSpareRows();
        if (--grid->bulkUpdates_ == 0) {
            grid->EndBulkUpdate();
        }
    }
}

void FlexGrid::JoinGrowthBatch() {
    if (growthBatch && !growthBatch_) {
        growthBatch_ = growthBatch;
        growthBatch_->grown_.push_back(this);
        ++bulkUpdates_;
    }
}

void FlexGrid::GrowAhead(int rows) {
    if (rows > rowCount()) {
        setRowCount(std::min(MaxRows, std::max(rows, 2 * rowCount())));
    }
    spareRows_ = rowCount() - rows;
}

void FlexGrid::DropSpareRows() {
    if (spareRows_ > 0) {
        const int rows = Rows();
        spareRows_ = 0;
        setRowCount(rows);
    }
}

FlexGrid::FlexGrid(QWidget* parent)
    : QTableWidget(parent), frozenHeadings_(std::make_unique<FrozenHeadings>(
                                *this, [] { return new FlexGridDelegate(); })) {
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
    connect(this, &QTableWidget::cellClicked, this, [this](int row, int col) {
        if (col == markColumn_ && row >= fixedRows_) {
            emit MarkRow(row);
        }
    });
}

FlexGrid::~FlexGrid() {
    if (growthBatch_) {
        std::erase(growthBatch_->grown_, this);
    }
}

void FlexGrid::SetRows(int rows) {
    if (rows < 0) {
        SubscriptOutOfRange();
    }
    if (rows > MaxRows) {
        TooManyRows();
    }
    int old = Rows();
    if (rows > old) {
        JoinGrowthBatch();
    }
    if (growthBatch_ && rows > old) {
        GrowAhead(rows);
    } else {
        spareRows_ = 0;
        setRowCount(rows);
    }
    if (rows < old) {
        dataWidths_.RemoveRows(rows, old - rows);
        ShowWidths();
    } else {
        dataWidths_.InsertRows(old, rows - old);
    }
    // Under a bulk update the new cells are made as they are written, or when
    // it ends: a cell made empty and then written costs twice.
    if (bulkUpdates_ == 0) {
        FormatCells(old, rows, 0, Cols());
    } else if (rows > old) {
        deferredCells_ += static_cast<qsizetype>(rows - old) * Cols();
    }
}

void FlexGrid::SetCols(int cols) {
    if (cols < 0) {
        SubscriptOutOfRange();
    }
    int old = Cols();
    columns_.resize(static_cast<size_t>(cols));
    for (int col = old; col < cols; ++col) {
        columns_[static_cast<size_t>(col)].designedWidth = horizontalHeader()->defaultSectionSize();
    }
    dataWidths_.SetCols(cols);
    setColumnCount(cols);
    FormatColumns(old, cols);
}

void FlexGrid::SetFixedRows(int rows) {
    if (rows < 0) {
        SubscriptOutOfRange();
    }
    fixedRows_ = rows;
    FormatColumns(0, Cols());
    MeasureDataTexts();
    updateGeometries();
}

void FlexGrid::SetFixedCols(int cols) {
    if (cols < 0) {
        SubscriptOutOfRange();
    }
    fixedCols_ = cols;
    FormatColumns(0, Cols());
    updateGeometries();
}

QString FlexGrid::TextMatrix(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    return CellText(row, col);
}

void FlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    CheckRow(row);
    CheckCol(col);
    const QSignalBlocker hold = HoldCellSignals();
    SetCellText(row, col, text);
}

FlexGrid::Position FlexGrid::Cursor() const {
    if (HasCursor()) {
        return {currentIndex().row(), currentIndex().column()};
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

bool FlexGrid::TakesTyping(int row, int col) const {
    return Editable() && !ColReadOnly(col) &&
           (model()->index(row, col).flags() & Qt::ItemIsEditable);
}

bool FlexGrid::TakesInput(int row, int col) const {
    const bool ticks =
        (model()->index(row, col).flags() & Qt::ItemIsUserCheckable) && !ColReadOnly(col);
    return ticks || TakesTyping(row, col);
}

std::optional<FlexGrid::Position> FlexGrid::NextInputCell(Position from, bool forward) const {
    const int step = forward ? 1 : -1;
    int row = from.row;
    int col = from.col + step;
    for (; row >= fixedRows_ && row < Rows(); row += step, col = forward ? 0 : Cols() - 1) {
        for (; col >= 0 && col < Cols(); col += step) {
            if (TakesInput(row, col)) {
                return Position{row, col};
            }
        }
    }
    return std::nullopt;
}

bool FlexGrid::HasCursor() const {
    const QModelIndex current = currentIndex();
    return current.isValid() && !IsFixed(current.row(), current.column());
}

void FlexGrid::MakeFirstDataCellCurrent() {
    if (HasCursor() || Rows() <= fixedRows_ || Cols() <= fixedCols_) {
        return;
    }
    int col = fixedCols_;
    while (col < Cols() && !TakesTyping(fixedRows_, col)) {
        ++col;
    }
    if (col == Cols()) {
        col = fixedCols_;
    }
    // As Qt's own focus does: the cell becomes current and wears the focus
    // frame; the selection follows the first move.
    selectionModel()->setCurrentIndex(model()->index(fixedRows_, col),
                                      QItemSelectionModel::NoUpdate);
}

int FlexGrid::NearestTypableCol(int row, int col) const {
    for (int distance = 1; distance < Cols(); ++distance) {
        for (int c : {col - distance, col + distance}) {
            if (c >= 0 && c < Cols() && TakesTyping(row, c)) {
                return c;
            }
        }
    }
    return -1;
}

void FlexGrid::LeaveReadOnlyColumn() {
    if (!Editable() || !HasCursor() || !ColReadOnly(currentIndex().column())) {
        return;
    }
    const int row = currentIndex().row();
    const int col = NearestTypableCol(row, currentIndex().column());
    if (col >= 0) {
        // Selected too: a paste goes where the frame stands.
        selectionModel()->setCurrentIndex(model()->index(row, col),
                                          QItemSelectionModel::ClearAndSelect);
    }
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
            cells << CellText(row, col);
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

bool FlexGrid::SetClip(const QString& text) {
    struct Paste {
        int row;
        int col;
        QString text;
    };
    std::vector<Paste> pastes;
    const QStringList lines = ClipLines(text);
    CellRange range = Selection();
    for (int i = 0; i < lines.size() && range.top + i < Rows(); ++i) {
        const QStringList cells = lines[i].split(u'\t');
        for (int j = 0; j < cells.size() && range.left + j < Cols(); ++j) {
            if (ColReadOnly(range.left + j)) {
                continue;
            }
            std::optional<QString> taken = TextBoxes::TakenOfPaste(cells[j]);
            if (!taken) {
                return false;
            }
            pastes.push_back({range.top + i, range.left + j, std::move(*taken)});
        }
    }
    const QSignalBlocker hold = HoldCellSignals();
    for (const Paste& paste : pastes) {
        SetCellText(paste.row, paste.col, paste.text);
    }
    return true;
}

void FlexGrid::RemoveItem(int row) {
    CheckRow(row);
    if (row < fixedRows_) {
        SubscriptOutOfRange();
    }
    removeRow(row);
    dataWidths_.RemoveRows(row, 1);
    ShowWidths();
}

void FlexGrid::AddItem(const QString& text, int row) {
    if (row < fixedRows_ || row > Rows()) {
        SubscriptOutOfRange();
    }
    if (Rows() >= MaxRows) {
        TooManyRows();
    }
    DropSpareRows();
    insertRow(row);
    dataWidths_.InsertRows(row, 1);
    FormatCells(row, row + 1, 0, Cols());
    const QStringList cells = text.split(u'\t');
    const QSignalBlocker hold = HoldCellSignals();
    for (int col = 0; col < cells.size() && col < Cols(); ++col) {
        SetCellText(row, col, cells[col]);
    }
}

double FlexGrid::ColWidthTwips(int col) const {
    CheckCol(col);
    return Screen::PixelsToTwipsX(columnWidth(col));
}

void FlexGrid::SetColWidthTwips(int col, double twips) {
    CheckCol(col);
    columns_[static_cast<size_t>(col)].designedWidth = Screen::TwipsToPixelsX(twips);
    ShowWidths();
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
    FormatColumns(col, col + 1);
}

void FlexGrid::AutoSize(int firstCol, int lastCol) {
    CheckCol(firstCol);
    CheckCol(lastCol);
    for (int col = firstCol; col <= lastCol; ++col) {
        columns_[static_cast<size_t>(col)].designedWidth = ColumnWidthFor(col, WidestHeading(col));
    }
    ShowWidths();
}

int FlexGrid::WidestHeading(int col) {
    CellTextWidths& widths = TextWidths();
    int widest = 0;
    for (int row = 0; row < std::min(fixedRows_, Rows()); ++row) {
        widest = std::max(widest, WidestLine(widths, item(row, col)));
    }
    return widest;
}

int FlexGrid::ColumnWidthFor(int col, int textWidth) const {
    int width =
        textWidth + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    if (columns_[static_cast<size_t>(col)].checkBox) {
        width += style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) + 4;
    }
    return width;
}

void FlexGrid::ShowWhole(int row, int col, const QString& text) {
    if (row < fixedRows_) {
        return;
    }
    const int width = text.isEmpty() ? 0 : TextWidths().WidestLine(text);
    if (dataWidths_.Set(row, col, width)) {
        ShowWidths();
    }
}

void FlexGrid::MeasureDataTexts() {
    dataWidths_.Clear();
    CellTextWidths& widths = TextWidths();
    // Row by row, in the order the cells were made, which is the order they
    // lie in memory: a column at a time is several times slower in a big grid.
    for (int row = fixedRows_; row < Rows(); ++row) {
        for (int col = 0; col < Cols(); ++col) {
            dataWidths_.Set(row, col, WidestLine(widths, item(row, col)));
        }
    }
    ShowWidths();
}

int FlexGrid::ShownWidth(int col) const {
    const int designed = columns_[static_cast<size_t>(col)].designedWidth;
    const int widest = dataWidths_.Widest(col);
    // A column of empty data cells keeps its designed width.
    return widest > 0 ? std::max(designed, ColumnWidthFor(col, widest)) : designed;
}

void FlexGrid::ShowWidths() {
    bool changed = false;
    for (int col = 0; col < Cols(); ++col) {
        const int width = ShownWidth(col);
        if (columnWidth(col) != width) {
            setColumnWidth(col, width);
            changed = true;
        }
    }
    if (!changed) {
        return;
    }
    if (bulkUpdates_ > 0) {
        bulkWidthsChanged_ = true;
    } else {
        emit ColumnWidthsChanged();
    }
}

CellTextWidths& FlexGrid::TextWidths() {
    if (!textWidths_) {
        textWidths_ = std::make_unique<CellTextWidths>(font());
    }
    return *textWidths_;
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
    const QTableWidgetItem* cell = item(row, col);
    QBrush brush = cell ? cell->foreground() : QBrush();
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
    const QSignalBlocker hold = HoldCellSignals();
    for (int row = block.top; row <= block.bottom; ++row) {
        for (int col = block.left; col <= block.right; ++col) {
            Cell(row, col).setForeground(color);
        }
    }
}

void FlexGrid::SetCheckBoxColumn(int col) {
    CheckCol(col);
    columns_[static_cast<size_t>(col)].checkBox = true;
    FormatColumns(col, col + 1);
    ShowWidths();
}

bool FlexGrid::CellChecked(int row, int col) const {
    CheckRow(row);
    CheckCol(col);
    const QTableWidgetItem* cell = item(row, col);
    return cell && cell->checkState() == Qt::Checked;
}

void FlexGrid::SetCellChecked(int row, int col, bool checked) {
    CheckDataCell(row, col);
    if (!columns_[static_cast<size_t>(col)].checkBox) {
        throw AppError(ErrorNumber::InvalidArgument,
                       "Column " + std::to_string(col) + " has no check boxes.");
    }
    const QSignalBlocker hold = HoldCellSignals();
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

void FlexGrid::SetColReadOnly(int col, bool readOnly) {
    CheckCol(col);
    bool& columnReadOnly = columns_[static_cast<size_t>(col)].readOnly;
    if (columnReadOnly == readOnly) {
        return;
    }
    columnReadOnly = readOnly;
    // A window sets its columns one at a time: the cursor moves once the
    // cell it goes to takes typing.
    LeaveReadOnlyColumn();
    viewport()->update();
}

bool FlexGrid::ColReadOnly(int col) const {
    CheckCol(col);
    return columns_[static_cast<size_t>(col)].readOnly;
}

void FlexGrid::SetMarkColumn(int col) {
    // Not checked against Cols(): windows name it before they make the columns.
    markColumn_ = col;
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

double FlexGrid::ColumnsWidthTwips() const {
    return Screen::PixelsToTwipsX(ContentWidth());
}

void FlexGrid::FitToContents() {
    resize(ContentWidth() + 2 * frameWidth(), ContentHeight() + 2 * frameWidth());
}

FrozenSections FlexGrid::FrozenRows() const {
    return FrozenSections(*verticalHeader(), fixedRows_, viewport()->height());
}

FrozenSections FlexGrid::FrozenCols() const {
    return FrozenSections(*horizontalHeader(), fixedCols_, viewport()->width());
}

namespace {

// Gives a direction with headings that stay the scroll bar's range and page
// of data sections, at the value it had if it still has it.
void CountDataSections(QScrollBar& bar, const FrozenSections& sections, int value) {
    if (sections.Frozen()) {
        bar.setRange(0, sections.MaxValue());
        bar.setPageStep(sections.PageStep());
        bar.setValue(value);
    }
}

// Shows the content of a direction with headings that stay from where its
// scroll bar asks; whether that moved it.
bool FollowScrollBar(QHeaderView& header, const FrozenSections& sections, const QScrollBar& bar) {
    if (!sections.Frozen() || header.offset() == sections.Offset(bar.value())) {
        return false;
    }
    header.setOffset(sections.Offset(bar.value()));
    return true;
}

} // namespace

void FlexGrid::updateGeometries() {
    // Qt's own ranges count the headings among the sections to scroll and
    // may cut the values down before the ranges of data sections are set.
    const int row = verticalScrollBar()->value();
    const int col = horizontalScrollBar()->value();
    QTableWidget::updateGeometries();
    CountDataSections(*verticalScrollBar(), FrozenRows(), row);
    CountDataSections(*horizontalScrollBar(), FrozenCols(), col);
    KeepHeadingsInView();
}

void FlexGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    KeepHeadingsInView();
}

void FlexGrid::KeepHeadingsInView() {
    const FrozenSections rows = FrozenRows();
    const FrozenSections cols = FrozenCols();
    const bool rowsMoved = FollowScrollBar(*verticalHeader(), rows, *verticalScrollBar());
    const bool colsMoved = FollowScrollBar(*horizontalHeader(), cols, *horizontalScrollBar());
    if (rowsMoved || colsMoved) {
        viewport()->update();
        updateEditorGeometries();
    }
    frozenHeadings_->Place(rows, cols);
}

void FlexGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const FrozenSections rows = FrozenRows();
    const FrozenSections cols = FrozenCols();
    const int row = rows.ValueShowing(index.row(), hint, verticalScrollBar()->value());
    const int col = cols.ValueShowing(index.column(), hint, horizontalScrollBar()->value());
    QTableWidget::scrollTo(index, hint);
    if (rows.Frozen()) {
        verticalScrollBar()->setValue(row);
    }
    if (cols.Frozen()) {
        horizontalScrollBar()->setValue(col);
    }
}

QModelIndex FlexGrid::indexAt(const QPoint& point) const {
    const FrozenSections rows = FrozenRows();
    const FrozenSections cols = FrozenCols();
    if (!rows.Scrolled() && !cols.Scrolled()) {
        return QTableWidget::indexAt(point);
    }
    return model()->index(rows.SectionAt(point.y()), cols.SectionAt(point.x()));
}

QModelIndex FlexGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const FrozenSections rows = FrozenRows();
    const QModelIndex current = currentIndex();
    if ((cursorAction != MovePageUp && cursorAction != MovePageDown) || !rows.Frozen() ||
        !current.isValid()) {
        return QTableWidget::moveCursor(cursorAction, modifiers);
    }
    // A page is what shows below the heading rows.
    return model()->index(rows.SectionAPageFrom(current.row(), cursorAction == MovePageDown),
                          current.column());
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
    if (MovesTheCursor(*event)) {
        tabbingCells_ = false;
    }
    // A grid emptied down to its headings while it has the focus lost its
    // current cell; the window's keys act on the cell the grid's own act on.
    MakeFirstDataCellCurrent();
    emit KeyDown(event->key(), event->modifiers());
    // Copying and clearing cells belong to the windows that own the grids;
    // Delete must not open an editor either.
    if (event->matches(QKeySequence::Copy) || event->key() == Qt::Key_Delete || AnswerKey(*event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool FlexGrid::AnswerKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_Menu ||
        (event.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        emit MenuKeyDown(CurrentCellCorner());
        return true;
    }
    if (!HasCursor()) {
        return false;
    }
    const QModelIndex current = currentIndex();
    if (TakesInput(current.row(), current.column())) {
        return false;
    }
    if (event.key() == Qt::Key_Space && modifiers == Qt::NoModifier && markColumn_ >= 0) {
        emit MarkRow(current.row());
        return true;
    }
    const bool typing =
        event.key() == Qt::Key_F2 || ((modifiers & ~Qt::ShiftModifier) == Qt::NoModifier &&
                                      !event.text().isEmpty() && event.text().front().isPrint());
    if (Editable() && typing) {
        typingRefused_ = true;
        return true;
    }
    return false;
}

void FlexGrid::keyReleaseEvent(QKeyEvent* event) {
    QTableWidget::keyReleaseEvent(event);
    if (std::exchange(typingRefused_, false)) {
        ShowWhereTypingGoes();
    }
}

void FlexGrid::ShowWhereTypingGoes() {
    if (!HasCursor()) {
        return;
    }
    const int row = currentIndex().row();
    const int col = currentIndex().column();
    const QString name = ColumnName(col);
    QString text = (name.isEmpty() ? QStringLiteral("This cell") : name) +
                   QStringLiteral(" takes no typing here");
    const int typable = NearestTypableCol(row, col);
    const QString typableName = typable >= 0 ? ColumnName(typable) : QString();
    text += typableName.isEmpty() ? QStringLiteral(".") : ": type in " + typableName + ".";
    if (markColumn_ >= 0) {
        text += QStringLiteral(" Space marks the row.");
    }
    QToolTip::showText(CurrentCellCorner(), text, this);
}

QString FlexGrid::ColumnName(int col) const {
    return fixedRows_ > 0 ? CellText(0, col).simplified() : QString();
}

QPoint FlexGrid::CurrentCellCorner() {
    if (!HasCursor()) {
        return viewport()->mapToGlobal(QPoint(0, 0));
    }
    scrollTo(currentIndex());
    return viewport()->mapToGlobal(visualRect(currentIndex()).bottomLeft());
}

void FlexGrid::focusInEvent(QFocusEvent* event) {
    MakeFirstDataCellCurrent();
    // Reached from the keyboard, the grid takes typing at once. The mouse, a
    // window brought back to the front or a closed popup menu leave the
    // cursor, and the selection that a command may act on, where they were.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason) {
        LeaveReadOnlyColumn();
    }
    // Back from a cell's editor the run of Tabs goes on; from anywhere else
    // the grid starts afresh.
    if (reason != Qt::OtherFocusReason) {
        tabbingCells_ = false;
    }
    QTableWidget::focusInEvent(event);
}

// Typing into a grid that takes no typing does not jump to a matching cell.
void FlexGrid::keyboardSearch(const QString&) {}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    tabbingCells_ = false;
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

void FlexGrid::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        textWidths_.reset();
        MeasureDataTexts();
    }
    QTableWidget::changeEvent(event);
}

void FlexGrid::commitData(QWidget* editor) {
    QTableWidget::commitData(editor);
    const QModelIndex index = currentIndex();
    if (index.isValid()) {
        ShowWhole(index.row(), index.column(), CellText(index.row(), index.column()));
    }
}

// Typing, and a tick, reach a cell only through here.
bool FlexGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (index.isValid() && ColReadOnly(index.column())) {
        return false;
    }
    return QTableWidget::edit(index, trigger, event);
}

// Tab and Shift+Tab in a cell's editor: the delegate has kept the typing.
// Qt would open the next cell of the model, wrapping round the grid, and keep
// typing going from cell to cell, so that only Escape let the keyboard out.
void FlexGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    if (!forward && hint != QAbstractItemDelegate::EditPreviousItem) {
        QTableWidget::closeEditor(editor, hint);
        return;
    }
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    tabbingCells_ = true;
    focusNextPrevChild(forward);
}

// Once Tab has left a typed cell, Tab and Shift+Tab go on from cell to cell,
// so that a cell left blank (a point's n, say) is passed over as in a form;
// an arrow key, the mouse or the focus leaving the grid ends that, and the
// next Tab leaves the grid.
bool FlexGrid::focusNextPrevChild(bool next) {
    if (std::exchange(tabbingCells_, false) && HasCursor()) {
        if (const std::optional<Position> cell = NextInputCell(Cursor(), next)) {
            selectionModel()->setCurrentIndex(model()->index(cell->row, cell->col),
                                              QItemSelectionModel::ClearAndSelect);
            tabbingCells_ = true;
            return true;
        }
    }
    return QTableWidget::focusNextPrevChild(next);
}

// The windows pop up their own menu on RightButtonUp and MenuKeyDown. The
// Menu key arrives here, too, from some window systems, before its key press.
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
    if (IsFixed(row, col)) {
        SubscriptOutOfRange();
    }
}

QString FlexGrid::CellText(int row, int col) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

QTableWidgetItem& FlexGrid::Cell(int row, int col) {
    QTableWidgetItem* cell = item(row, col);
    return cell ? *cell : MakeDeferredCell(row, col, QString());
}

void FlexGrid::SetCellText(int row, int col, const QString& text) {
    if (QTableWidgetItem* cell = item(row, col)) {
        cell->setText(text);
    } else {
        MakeDeferredCell(row, col, text);
    }
    ShowWhole(row, col, text);
}

QTableWidgetItem& FlexGrid::MakeDeferredCell(int row, int col, const QString& text) {
    --deferredCells_;
    return MakeCell(row, col, text);
}

QTableWidgetItem& FlexGrid::MakeCell(int row, int col, const QString& text) {
    // A copy of a formatted cell, made whole before it joins the grid: one
    // notification for a new cell rather than one per property.
    const ColumnFormat& format = columns_[static_cast<size_t>(col)];
    auto* cell = new FlexGridCell(IsFixed(row, col) ? format.newHeading : format.newData,
                                  text.isEmpty() ? QString() : text);
    setItem(row, col, cell);
    return *cell;
}

void FlexGrid::FormatColumns(int firstCol, int endCol) {
    for (int col = firstCol; col < endCol; ++col) {
        ColumnFormat& format = columns_[static_cast<size_t>(col)];
        format.newHeading = QTableWidgetItem();
        FormatCell(format.newHeading, col, true);
        format.newData = QTableWidgetItem();
        FormatCell(format.newData, col, col < fixedCols_);
    }
    FormatCells(0, Rows(), firstCol, endCol);
}

void FlexGrid::FormatCells(int firstRow, int endRow, int firstCol, int endCol) {
    const QSignalBlocker hold = HoldCellSignals();
    for (int row = firstRow; row < endRow; ++row) {
        for (int col = firstCol; col < endCol; ++col) {
            if (QTableWidgetItem* cell = item(row, col)) {
                FormatCell(*cell, col, IsFixed(row, col));
            } else {
                MakeCell(row, col, QString());
            }
        }
    }
}

bool FlexGrid::IsFixed(int row, int col) const {
    return row < fixedRows_ || col < fixedCols_;
}

void FlexGrid::FormatCell(QTableWidgetItem& cell, int col, bool fixed) const {
    const ColumnFormat& format = columns_[static_cast<size_t>(col)];
    bool checkBox = format.checkBox && !fixed;
    Qt::ItemFlags flags = Qt::NoItemFlags;
    if (!fixed) {
        flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                (checkBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
    }
    if (cell.flags() != flags) {
        cell.setFlags(flags);
    }
    cell.setTextAlignment(format.alignment);
    bool hasBox = cell.data(Qt::CheckStateRole).isValid();
    if (checkBox && !hasBox) {
        cell.setCheckState(Qt::Unchecked);
    } else if (!checkBox && hasBox) {
        cell.setData(Qt::CheckStateRole, QVariant());
    }
}

QSignalBlocker FlexGrid::HoldCellSignals() const {
    return QSignalBlocker(bulkUpdates_ > 0 ? model() : nullptr);
}

void FlexGrid::EndBulkUpdate() {
    const QSignalBlocker hold(model());
    if (deferredCells_ > 0) {
        for (int row = 0; row < Rows(); ++row) {
            for (int col = 0; col < Cols(); ++col) {
                if (!item(row, col)) {
                    MakeCell(row, col, QString());
                }
            }
        }
    }
    deferredCells_ = 0;
    if (Rows() > 0 && Cols() > 0) {
        // The view's own response to a change of every cell, without the
        // per-cell notifications that the hold kept back.
        dataChanged(model()->index(0, 0), model()->index(Rows() - 1, Cols() - 1));
        frozenHeadings_->Repaint();
    }
    if (bulkWidthsChanged_) {
        bulkWidthsChanged_ = false;
        emit ColumnWidthsChanged();
    }
}
