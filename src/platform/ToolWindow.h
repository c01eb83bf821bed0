#pragma once

#include <QWidget>

class QMdiArea;
class QMdiSubWindow;

// A tool window: one instance, created hidden inside the main window's client
// area at start-up, shown and brought to the front by its menu item, hidden
// (never destroyed) when the user closes it, alive until the program ends.
class ToolWindow : public QWidget {
    Q_OBJECT
public:
    ToolWindow(QMdiArea& area, const QString& caption);

    QMdiSubWindow* Frame() const { return frame_; }

    // Show without waiting, then bring in front of the other child windows.
    void ShowAndRaise();
    // Hide; contents stay.
    virtual void ShutDown();

    // Outer geometry in twips, relative to the main window's client area.
    void PlaceTwips(double left, double top, double width, double height);
    double ClientWidthTwips() const; // of the main window's client area
    double ClientHeightTwips() const;

    // The help page (in the help folder) that F1 opens in the help window while
    // the window has the focus; the contents page until one is set.
    void SetHelpPage(const QString& page);

    // While the program ends, close requests are not questioned and really close.
    static void SetProgramEnding(bool ending);
    static bool ProgramEnding();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A close request from the user; the default hides the window.
    virtual void OnUserClose() { ShutDown(); }

private:
    QMdiSubWindow* frame_;
    QString helpPage_;
};
