#pragma once

#include <QWidget>

#include <functional>

class ContentScroller;
class QMdiArea;
class QMdiSubWindow;

// A tool window: one instance, created hidden inside the main window's client
// area at start-up, shown and brought to the front by its menu item, hidden
// (never destroyed) when the user closes it, alive until the program ends.
// Its controls scroll inside its frame when the frame is smaller than they need.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(QMdiArea& area, const QString& caption);

    QMdiSubWindow* Frame() const { return frame_; }

    // Show without waiting, then bring in front of the other child windows.
    void ShowAndRaise();
    // Hide; contents stay. The window in front of the others, if any, takes
    // the keys in its place.
    virtual void ShutDown();

    // Outer geometry in twips, relative to the main window's client area; a
    // frame that would reach past the client area is made to fit inside it.
    void PlaceTwips(double left, double top, double width, double height);
    // Sizes the frame to show the whole content where it stands, as far as the
    // client area allows; the content scrolls within it beyond that.
    void FitFrameToContent();
    double ClientWidthTwips() const; // of the main window's client area
    double ClientHeightTwips() const;

    // The help page (in the help folder) that F1 opens in the help window while
    // the window has the focus; the contents page until one is set.
    void SetHelpPage(const QString& page);

    // While the program ends, close requests are not questioned and really close.
    static void SetProgramEnding(bool ending);
    static bool ProgramEnding();

    // The extent the controls need: past the rightmost and lowest control by
    // the margins left of and above the controls; a layout's own minimum where
    // the window has one.
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A close request from the user; the default hides the window.
    virtual void OnUserClose() { ShutDown(); }
    // For a window that lays its controls out to its own size with `layOut`:
    // it is never made smaller than the extent that layout gives at its least;
    // a smaller frame scrolls instead. Called while the window is hidden.
    void KeepLeastLayout(const std::function<void()>& layOut);

private:
    // Ctrl+F4 closes the window as its close box does, on every desktop.
    void CloseWithCtrlF4();
    static void ActivateFrontWindow(QMdiArea& area);
    // Puts the frame at `place` (pixels), moved and cut down to fit the client area.
    void PlaceInsideArea(QRect place);
    // The same for the place the window is given, which it takes again
    // whenever the client area changes size and has the room.
    void PlaceWanted(QRect place);
    void SetFrameGeometry(QRect geometry);
    bool MaximizedOrMinimized() const;
    // A frame as wide as its controls whose controls come to need a vertical
    // scroll bar, because they grew or the frame was cut down, is widened by the
    // bar as far as the client area allows, so that the bar does not make it
    // scroll sideways as well.
    void MakeRoomForVerticalBar();
    // What the frame adds around the scrolled content: title bar and borders.
    QSize FrameDecorations() const;

    ContentScroller* scroller_;
    QMdiSubWindow* frame_;
    QString helpPage_;
    // Where the window was put or the user moved it, and where it stands now.
    QRect wanted_;
    QRect placed_;
    bool placing_ = false;
};
