#include "platform/Screen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

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

// Places the window's frame again the first time the window is shown, when its
// frame margins are known, and then goes. It stops watching before it places
// the window, and what follows the placement runs after the expose event, not
// inside it: that may show a message, whose event loop exposes the window
// again.
class FramePlacer final : public QObject {
public:
    FramePlacer(QWidget& window, const QRect& frame, std::function<void()> placed)
        : QObject(&window), window_(window), frame_(frame), placed_(std::move(placed)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        QWindow* handle = window_.windowHandle();
        if (watched != handle || event->type() != QEvent::Expose || !handle->isExposed()) {
            return false;
        }
        handle->removeEventFilter(this);
        window_.setGeometry(ClientForFrame(frame_, handle->frameMargins(), WorkAreaPixels()));
        if (placed_) {
            QMetaObject::invokeMethod(&window_, std::move(placed_), Qt::QueuedConnection);
        }
        deleteLater();
        return false;
    }

private:
    QWidget& window_;
    QRect frame_;
    std::function<void()> placed_;
};

} // namespace

void PlaceWholeFrame(QWidget& window, const QRect& frame, std::function<void()> placed) {
    window.setGeometry(ClientForFrame(frame, {}, WorkAreaPixels()));
    window.winId();
    window.windowHandle()->installEventFilter(new FramePlacer(window, frame, std::move(placed)));
}

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

QRect WorkAreaPixels() {
    const QRect work = Current().workAreaTwips;
    return TwipsRect(work.left(), work.top(), work.width(), work.height());
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
