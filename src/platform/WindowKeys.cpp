#include "platform/WindowKeys.h"

#include "platform/HelpPages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace WindowKeys {

bool Answer(QWidget& window, const QKeyEvent& event, const QString& helpPage) {
    if (event.key() == Qt::Key_F1) {
        HelpPages::Show(helpPage.isEmpty() ? HelpPages::ContentsPage() : HelpPages::Path(helpPage),
                        window);
        return true;
    }
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (button && window.isAncestorOf(button)) {
            button->click();
            return true;
        }
    }
    return false;
}

} // namespace WindowKeys
