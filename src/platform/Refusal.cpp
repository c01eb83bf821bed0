#include "platform/Refusal.h"

#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"

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

// A window that scrolls its controls brings the input into view.
void ScrollIntoView(QWidget& input) {
    for (QWidget* outer = input.parentWidget(); outer; outer = outer->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(outer)) {
            area->ensureWidgetVisible(&input);
        }
    }
}

} // namespace

bool Focus(QWidget& window, const std::string& field) {
    // Qt takes an empty name for every name.
    if (field.empty()) {
        return false;
    }
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

void Show(QWidget& window, const InputChecks::Failure& failure) {
    Dialogs::Message(QString::fromStdString(failure.message));
    Focus(window, failure.field);
}

} // namespace Refusal
