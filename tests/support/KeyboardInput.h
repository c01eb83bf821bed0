#pragma once

#include <QApplication>
#include <QString>
#include <QTest>

// Keys as the keyboard sends them: each goes to the control that has the
// focus when it is pressed, as an editor that the first key opens does.
namespace KeyboardInput {

inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

inline void Type(const QString& keys) {
    for (QChar key : keys) {
        QTest::keyClicks(QApplication::focusWidget(), QString(key));
    }
}

// Waits until `window` takes the keys. A window owned by the active one
// counts as active for Qt before it takes them.
inline bool WaitTakesKeys(QWidget& window) {
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

// Enter ends the typing in a grid cell; the editor commits through a queued call.
inline void CommitCell() {
    Press(Qt::Key_Return);
    QApplication::processEvents();
}

} // namespace KeyboardInput
