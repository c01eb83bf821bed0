#pragma once

#include <QRect>

class QLabel;
class QWidget;

// Controls on the outlet protection windows, placed in the twips of their form
// layouts and spread out for the screen font, which is wider and taller than
// the one those layouts were drawn for.
namespace FormLayout {

QRect FormRect(double left, double top, double width, double height);

template <class Widget>
Widget* Place(Widget* widget, double left, double top, double width, double height) {
    widget->setGeometry(FormRect(left, top, width, height));
    return widget;
}

// A caption that ends where it ends on the form, with room to its left for
// the screen font.
QLabel* RightLabel(QWidget* parent, const char* caption, double left, double top, double width);

} // namespace FormLayout
