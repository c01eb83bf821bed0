#include "platform/CrispLinesStyle.h"

#include <QFrame>
#include <QPainter>
#include <QStyleOption>

#include <cmath>

namespace {

// The scale from the widget's pixels to the device's, whether a high-resolution
// screen or a picture the widget is drawn into sets it.
bool FractionalScale(const QPainter& painter) {
    const QTransform toDevice = painter.deviceTransform();
    for (qreal scale : {toDevice.m11(), toDevice.m22()}) {
        if (scale != std::floor(scale)) {
            return true;
        }
    }
    return false;
}

// Runs `draw`: with the painter half a pixel inward where it draws a line
// (`isLine`) at a fractional scale, with the painter as it stands elsewhere.
template <class Draw> void Inward(QPainter* painter, bool isLine, const Draw& draw) {
    if (!isLine || !painter || !FractionalScale(*painter)) {
        draw();
        return;
    }
    painter->save();
    painter->translate(0.5, 0.5);
    draw();
    painter->restore();
}

bool IsRule(const QStyleOption* option) {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    return frame && (frame->frameShape == QFrame::HLine || frame->frameShape == QFrame::VLine) &&
           !(frame->state & (QStyle::State_Sunken | QStyle::State_Raised));
}

} // namespace

void CrispLinesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    Inward(painter, element == PE_Frame,
           [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
}

void CrispLinesStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    Inward(painter, element == CE_ShapedFrame && IsRule(option),
           [&] { QProxyStyle::drawControl(element, option, painter, widget); });
}
