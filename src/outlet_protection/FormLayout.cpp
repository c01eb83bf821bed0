#include "outlet_protection/FormLayout.h"

#include "platform/Screen.h"

#include <QLabel>

#include <algorithm>

namespace FormLayout {

QRect FormRect(double left, double top, double width, double height) {
    constexpr double spreadX = 1.45;
    constexpr double spreadY = 1.25;
    return Screen::TwipsRect(left * spreadX, top * spreadY, width * spreadX, height * spreadY);
}

QLabel* RightLabel(QWidget* parent, const char* caption, double left, double top, double width) {
    constexpr double room = 900;
    const double start = std::max(30.0, left - room);
    auto* label = Place(new QLabel(caption, parent), start, top - 45, left + width - start, 285);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace FormLayout
