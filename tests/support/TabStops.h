#pragma once

#include "KeyboardInput.h"

#include <QApplication>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

// The Tab chain of a window as the user sees it.
namespace TabStops {

// A stop as a message names it: its kind and its text or name.
inline QString Describe(const QWidget& stop) {
    QString text = stop.property("text").toString().left(40);
    if (text.isEmpty()) {
        text = stop.objectName();
    }
    return QString::fromLatin1(stop.metaObject()->className()) + " \"" + text + "\"";
}

// Whether `control`, which has the focus, looks other than it does without it.
inline bool ShowsFocus(QWidget& control) {
    const QImage focused = control.grab().toImage();
    control.clearFocus();
    const QImage unfocused = control.grab().toImage();
    control.setFocus(Qt::TabFocusReason);
    return focused != unfocused;
}

// Goes once round the Tab chain of the window that has the focus, from the
// stop after the focused control, and names every stop that looks the same
// with the focus as without it: the user cannot see that the focus is there.
// A stop that Tab moves within (a help page's links) is one stop.
inline QStringList ShowingNoFocus(int mostPresses = 300) {
    // Qt draws a button's focus once Tab was pressed in its window.
    KeyboardInput::Press(Qt::Key_Tab);
    QWidget* const first = QApplication::focusWidget();
    QStringList blind;
    QWidget* stop = first;
    int presses = 0;
    while (stop && presses < mostPresses) {
        if (!ShowsFocus(*stop)) {
            blind << Describe(*stop);
        }
        // Tab moves within a help page's links, and stays on the one stop of a
        // window that has one, until it comes back round.
        QWidget* next = stop;
        while (next == stop && presses++ < mostPresses) {
            KeyboardInput::Press(Qt::Key_Tab);
            next = QApplication::focusWidget();
        }
        if (next == first) {
            return blind;
        }
        stop = next;
    }
    ADD_FAILURE() << (stop ? "Tab does not come back round" : "Tab left the window");
    return blind;
}

} // namespace TabStops
