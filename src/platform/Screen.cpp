#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <optional>

namespace Screen {
namespace {

std::optional<Geometry> fake;

double DpiX() {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}

double DpiY() {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchY() : 96.0;
}

} // namespace

Geometry Current() {
    if (fake) {
        return *fake;
    }
    Geometry g;
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) {
        return g;
    }
    QRect area = s->availableGeometry();
    g.workAreaTwips = QRect(static_cast<int>(PixelsToTwipsX(area.left())),
                            static_cast<int>(PixelsToTwipsY(area.top())),
                            static_cast<int>(PixelsToTwipsX(area.width())),
                            static_cast<int>(PixelsToTwipsY(area.height())));
    g.screenWidthTwips = static_cast<int>(PixelsToTwipsX(s->geometry().width()));
    return g;
}

void SetForTests(const Geometry* geometry) {
    fake = geometry ? std::optional<Geometry>(*geometry) : std::nullopt;
}

int TwipsToPixelsX(double twips) {
    return static_cast<int>(std::lround(twips * DpiX() / 1440.0));
}
int TwipsToPixelsY(double twips) {
    return static_cast<int>(std::lround(twips * DpiY() / 1440.0));
}
QRect TwipsRect(double left, double top, double width, double height) {
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height));
}

QRect ClientForFrame(const QRect& frame, const QMargins& margins, const QRect& available) {
    QRect outer(frame.topLeft(), frame.size().boundedTo(available.size()));
    outer.moveLeft(std::clamp(outer.left(), available.left(),
                              available.left() + available.width() - outer.width()));
    outer.moveTop(std::clamp(outer.top(), available.top(),
                             available.top() + available.height() - outer.height()));
    return outer.marginsRemoved(margins);
}

double PixelsToTwipsX(int pixels) {
    return pixels * 1440.0 / DpiX();
}
double PixelsToTwipsY(int pixels) {
    return pixels * 1440.0 / DpiY();
}

} // namespace Screen
