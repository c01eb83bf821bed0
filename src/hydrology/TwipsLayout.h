#pragma once

#include "platform/Screen.h"
#include "platform/ToolWindow.h"

#include <QFont>
#include <QLabel>
#include <QMdiSubWindow>

#include <algorithm>
#include <initializer_list>

// Controls placed at fixed positions in twips inside their container, as the
// hydrology windows lay them out.
namespace TwipsLayout {

using Screen::Place;

// A caption is never cut: a label grows to the right when its text needs more room.
inline QLabel* Label(const QString& caption, QWidget* parent, double left, double top, double width,
                     double height = 240) {
    QLabel* label = Place(new QLabel(caption, parent), left, top, width, height);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

// The font the twips positions were designed for; the platform's default font
// is wider and would push captions into the boxes beside them.
inline QFont DesignFont() {
    return QFont("Arial", 8);
}

// Moves `button` below `above` (its sibling) where the two would overlap, and
// makes each given container taller by as much, so that nothing is cut off.
inline void KeepBelow(QWidget& button, const QWidget& above,
                      std::initializer_list<QWidget*> containers) {
    const int below = above.geometry().bottom() + Screen::TwipsToPixelsY(150);
    if (button.y() >= below) {
        return;
    }
    const int grow = below - button.y();
    button.move(button.x(), below);
    for (QWidget* container : containers) {
        container->resize(container->width(), container->height() + grow);
    }
}

// Shapes a tool window so that its inside is exactly `content` at its current
// size (the window may grow, never shrink below it), placed at (left, top)
// twips in the main window's client area.
inline void FitWindowToContent(ToolWindow& window, QWidget& content, double leftTwips,
                               double topTwips) {
    content.move(0, 0);
    window.setMinimumSize(content.size());
    window.resize(content.size());
    QMdiSubWindow& frame = *window.Frame();
    frame.adjustSize();
    frame.setMinimumSize(frame.size());
    frame.move(Screen::TwipsToPixelsX(leftTwips), Screen::TwipsToPixelsY(topTwips));
}

} // namespace TwipsLayout
