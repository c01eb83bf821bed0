#include "platform/ControlsExtent.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <functional>

namespace {

// Grids, lists and edit boxes lay out parts of their own; other controls hold controls.
bool HoldsControls(const QWidget& control) {
    return !qobject_cast<const QAbstractScrollArea*>(&control) &&
           !qobject_cast<const QComboBox*>(&control) &&
           !qobject_cast<const QAbstractSpinBox*>(&control) &&
           !qobject_cast<const QLineEdit*>(&control);
}

// Calls `visit` with every control that shows with `window`, at any depth, and
// its place in the coordinates of `window`.
void ForEachControl(const QWidget& window,
                    const std::function<void(const QWidget&, QRect)>& visit) {
    const std::function<void(const QWidget&, QPoint)> walk = [&](const QWidget& parent,
                                                                 QPoint offset) {
        for (const QObject* child : parent.children()) {
            const auto* control = qobject_cast<const QWidget*>(child);
            if (!control || control->isWindow() || !control->isVisibleTo(&window)) {
                continue;
            }
            visit(*control, control->geometry().translated(offset));
            if (HoldsControls(*control)) {
                walk(*control, offset + control->pos());
            }
        }
    };
    walk(window, QPoint(0, 0));
}

} // namespace

// How far, at most, controls reach past the right and the bottom of the control holding them.
QSize ControlsOverflow(const QWidget& window) {
    QSize cut(0, 0);
    ForEachControl(window, [&](const QWidget& control, QRect) {
        const QWidget& holder = *control.parentWidget();
        if (&holder != &window) {
            cut = cut.expandedTo({control.geometry().right() + 1 - holder.width(),
                                  control.geometry().bottom() + 1 - holder.height()});
        }
    });
    return cut;
}

// The size that shows every control that shows with `container`, at any depth,
// with the margins left of and above them repeated right and below.
QSize ControlsExtent(const QWidget& container) {
    QRect controls;
    ForEachControl(container, [&](const QWidget&, QRect place) { controls |= place; });
    if (controls.isNull()) {
        return {};
    }
    return {controls.right() + 1 + std::max(0, controls.left()),
            controls.bottom() + 1 + std::max(0, controls.top())};
}
