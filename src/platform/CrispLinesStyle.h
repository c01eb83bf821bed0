#pragma once

#include <QProxyStyle>

// The platform's own style, but for the one-pixel rules (plain horizontal and
// vertical frame lines) and the borders of grids and other framed panels: at a
// fractional scale factor such as 1.5 the style strokes them along the
// widget's edge, half outside it, so that they show or vanish as the window
// scrolls. Here they are moved half a pixel inward, where they cover at least
// one device pixel at any scale; at whole scale factors nothing changes.
class CrispLinesStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
