#pragma once

#include <QMargins>
#include <QRect>

#include <functional>

class QWidget;

// Twips (1440 to the inch) and the screen, as the windows' layouts give them.
namespace Screen {

struct Geometry {
    QRect workAreaTwips; // the screen less the task bar: left, top, width, height
    int screenWidthTwips = 0;
};

// The primary screen's geometry, or the one a test set.
Geometry Current();
void SetForTests(const Geometry* geometry); // nullptr: the real screen again

// Conversions at the screen's logical resolution.
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(int pixels);
double PixelsToTwipsY(int pixels);
// A rectangle given in twips, in pixels.
QRect TwipsRect(double left, double top, double width, double height);

// The work area, in pixels.
QRect WorkAreaPixels();

// Where a window's client area goes so that its whole frame, of the given
// margins, covers `frame` as far as the available area allows: moved inside
// it first, then cut to its size.
QRect ClientForFrame(const QRect& frame, const QMargins& margins, const QRect& available);

// Gives a top-level window's whole frame, title bar included, the place
// `frame` (in pixels) within the work area. The window manager's frame is
// known only once the window is on the screen: it is placed again then, once,
// and `placed` runs afterwards from the event loop, where it may show a message.
void PlaceWholeFrame(QWidget& window, const QRect& frame, std::function<void()> placed = {});

// Places a control at a rectangle given in twips; gives the control back.
template <class Widget>
Widget* Place(Widget* widget, double left, double top, double width, double height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
    return widget;
}

} // namespace Screen
