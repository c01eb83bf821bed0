#include "platform/Refusal.h"

#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/ToolWindow.h"

#include <QLineEdit>
#include <QScrollArea>

namespace Refusal {

namespace {

// The grid with the cell current, when `field` names a cell of one of
// `window`'s grids.
QWidget* CurrentCell(QWidget& window, const std::string& field) {
    const std::optional<InputChecks::CellName> cell = InputChecks::ReadCellField(field);
    if (!cell) {
        return nullptr;
    }
    auto* grid = window.findChild<FlexGrid*>(QString::fromStdString(cell->grid));
    if (!grid || cell->row < grid->FixedRows() || cell->row >= grid->Rows() ||
        cell->col < grid->FixedCols() || cell->col >= grid->Cols()) {
        return nullptr;
    }
    grid->SetSelection(cell->row, cell->col, cell->row, cell->col);
    grid->scrollTo(grid->model()->index(cell->row, cell->col));
    return grid;
}

// A window that scrolls its controls brings the whole input into view, as far
// as it fits, then the part of it that takes the typing (a box's cursor, a
// grid's current cell): that part alone would leave most of a box unseen.
void ScrollIntoView(QWidget& input) {
    for (QWidget* outer = input.parentWidget(); outer; outer = outer->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(outer);
        if (!area || !area->widget()) {
            continue;
        }
        const QRect whole(input.mapTo(area->widget(), QPoint(0, 0)), input.size());
        area->ensureVisible(whole.center().x(), whole.center().y(), whole.width() / 2,
                            whole.height() / 2);
        area->ensureWidgetVisible(&input);
    }
}

// The window that `part` belongs to: its tool window, or the top-level window
// of a part that stands in none. Tool windows share the main window, and the
// same names stand in several of them.
QWidget& WholeWindow(QWidget& part) {
    for (QWidget* outer = &part; outer; outer = outer->parentWidget()) {
        if (qobject_cast<ToolWindow*>(outer)) {
            return *outer;
        }
    }
    return *part.window();
}

} // namespace

bool Focus(QWidget& part, const std::string& field) {
    // Qt takes an empty name for every name.
    if (field.empty()) {
        return false;
    }
    // A block of controls refuses inputs of its window as well as its own.
    QWidget& window = WholeWindow(part);
    QWidget* input = window.findChild<QWidget*>(QString::fromStdString(field));
    if (!input) {
        input = CurrentCell(window, field);
    }
    if (!input || !input->isVisibleTo(&window) || !input->isEnabled()) {
        return false;
    }
    ScrollIntoView(*input);
    // Drawn as the focus a key brought: the message was answered from the keyboard.
    input->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    // As a mnemonic brings it: a grid starts afresh, a box selects its text.
    input->setFocus(Qt::ShortcutFocusReason);
    if (auto* box = qobject_cast<QLineEdit*>(input)) {
        box->selectAll();
    }
    return true;
}

void Show(QWidget& part, const InputChecks::Failure& failure) {
    Dialogs::Message(QString::fromStdString(failure.message));
    Focus(part, failure.field);
}

} // namespace Refusal
