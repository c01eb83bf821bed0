#include "platform/FocusShown.h"

#include <QEvent>
#include <QWidget>

namespace FocusShown {

namespace {

const char* const KeeperName = "FocusShownAtEveryShow";

// Qt hides a window's focus again each time the window is shown.
class ShownAtEveryShow : public QObject {
public:
    explicit ShownAtEveryShow(QWidget& window) : QObject(&window) {
        setObjectName(KeeperName);
        window.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            static_cast<QWidget*>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
        }
        return false;
    }
};

} // namespace

void Give(QWidget& control) {
    QWidget* window = control.window();
    if (!window->findChild<QObject*>(KeeperName, Qt::FindDirectChildrenOnly)) {
        new ShownAtEveryShow(*window);
    }
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    control.setFocus(Qt::OtherFocusReason);
}

} // namespace FocusShown
