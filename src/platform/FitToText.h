#pragma once

#include "platform/Screen.h"

#include <QWidget>

#include <algorithm>

// Windows are laid out in twips sized for a small 8-point font; with the
// desktop's own font a label or button can need more room. These widen a
// control to its text and keep the controls to its right clear of it.
namespace FitToText {

// Widens the control, where needed, until its text shows in full.
inline void Widen(QWidget& control) {
    control.resize(std::max(control.width(), control.sizeHint().width()), control.height());
}

// Moves the control right, where needed, so that it starts gapTwips after the
// right edge of its neighbour.
inline void KeepRightOf(QWidget& control, const QWidget& neighbour, double gapTwips) {
    const int left = neighbour.x() + neighbour.width() + Screen::TwipsToPixelsX(gapTwips);
    control.move(std::max(control.x(), left), control.y());
}

} // namespace FitToText
