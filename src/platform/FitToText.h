#pragma once

#include "platform/Screen.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
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

// The first pixel row, from a frame's top, clear below its title and border.
// Some styles draw the border through the middle of the title, others below
// it; each insets the frame's contents from the border by the same margin on
// every side.
inline int TitleBottom(const QGroupBox& frame) {
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.rect = QRect(QPoint(0, 0), frame.size());
    option.text = frame.title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect inside = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxContents, &frame);
    const int borderLine = inside.top() - inside.left();
    return std::max(borderLine + 1, frame.fontMetrics().height());
}

// Moves each control of the frame that reaches above its title's line and
// border down to stand just clear of them.
inline void KeepBelowTitle(QGroupBox& frame) {
    const int line = TitleBottom(frame);
    for (QWidget* control : frame.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        control->move(control->x(), std::max(control->y(), line));
    }
}

// The top, in twips, of a first row of controls that stands gapTwips clear
// below the frame's title and border.
inline double FirstRowTop(const QGroupBox& frame, double gapTwips) {
    return Screen::PixelsToTwipsY(TitleBottom(frame)) + gapTwips;
}

} // namespace FitToText
