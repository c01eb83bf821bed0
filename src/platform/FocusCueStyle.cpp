#include "platform/FocusCueStyle.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QStyleOption>
#include <QTextEdit>

namespace {

bool IsTextView(const QWidget* widget) {
    return qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

// The focus as the keyboard moved it: Qt's styles hide it after a click.
bool KeyboardFocus(const QStyleOption& option) {
    return (option.state & QStyle::State_HasFocus) &&
           (option.state & QStyle::State_KeyboardFocusChange);
}

} // namespace

FocusCueStyle::FocusCueStyle(QStyle* base) : QProxyStyle(base) {}

void FocusCueStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element == PE_Frame && option && (option->state & State_HasFocus) && IsTextView(widget)) {
        element = PE_FrameLineEdit;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FocusCueStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    const auto* title = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && title && (title->state & State_Selected)) {
        QStyleOptionMenuItem current = *title;
        current.state |= State_Sunken;
        QProxyStyle::drawControl(element, &current, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element == CE_PushButton && button && KeyboardFocus(*button) && painter) {
        const QRect inside =
            subElementRect(SE_PushButtonContents, button, widget).adjusted(1, 1, -2, -2);
        painter->save();
        painter->setPen(QPen(button->palette.buttonText().color(), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(inside);
        painter->restore();
    }
}
