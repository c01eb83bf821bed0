#pragma once

#include <QProxyStyle>

// Shows where the keyboard is wherever Qt's own style on Linux leaves it
// unseen: the current title of the menu bar, reached with Alt and the arrow
// keys, is highlighted as an open one is; a button with the focus wears a
// dotted rectangle, which tells it from the default button that Enter presses
// elsewhere; a text view with the focus wears the outline of a text box with
// the focus.
class FocusCueStyle : public QProxyStyle {
public:
    // Over `base`, of which the style takes ownership; the desktop's style
    // when there is none.
    explicit FocusCueStyle(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
