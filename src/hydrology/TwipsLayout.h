#pragma once

#include "platform/Screen.h"

#include <QLabel>

// Controls placed at fixed positions in twips inside their container, as the
// hydrology windows lay them out.
namespace TwipsLayout {

template <class Widget>
Widget* Place(Widget* widget, double left, double top, double width, double height) {
    widget->setGeometry(Screen::TwipsRect(left, top, width, height));
    return widget;
}

inline QLabel* Label(const QString& caption, QWidget* parent, double left, double top, double width,
                     double height = 240) {
    return Place(new QLabel(caption, parent), left, top, width, height);
}

} // namespace TwipsLayout
