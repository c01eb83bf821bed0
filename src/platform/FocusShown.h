#pragma once

class QWidget;

// A window that opens for the keyboard shows where its focus is from the
// start: Qt's styles draw the focus of a button or a list box only once the
// user has pressed Tab in that window.
namespace FocusShown {

// Gives `control` the focus, shown at once, now and whenever its window opens.
void Give(QWidget& control);

} // namespace FocusShown
