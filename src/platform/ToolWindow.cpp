#include "platform/ToolWindow.h"

#include "platform/HelpPages.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {
bool programEnding = false;
}

ToolWindow::ToolWindow(QMdiArea& area, const QString& caption) {
    frame_ = area.addSubWindow(this);
    frame_->setAttribute(Qt::WA_DeleteOnClose, false);
    frame_->setWindowTitle(caption);
    frame_->installEventFilter(this);
    frame_->hide();
}

void ToolWindow::ShowAndRaise() {
    frame_->show();
    frame_->raise();
    if (QMdiArea* area = frame_->mdiArea()) {
        area->setActiveSubWindow(frame_);
    }
}

void ToolWindow::ShutDown() {
    frame_->hide();
}

void ToolWindow::PlaceTwips(double left, double top, double width, double height) {
    frame_->setGeometry(Screen::TwipsToPixelsX(left), Screen::TwipsToPixelsY(top),
                        Screen::TwipsToPixelsX(width), Screen::TwipsToPixelsY(height));
}

double ToolWindow::ClientWidthTwips() const {
    QMdiArea* area = frame_->mdiArea();
    return area ? Screen::PixelsToTwipsX(area->viewport()->width()) : 0;
}

double ToolWindow::ClientHeightTwips() const {
    QMdiArea* area = frame_->mdiArea();
    return area ? Screen::PixelsToTwipsY(area->viewport()->height()) : 0;
}

void ToolWindow::SetHelpPage(const QString& page) {
    helpPage_ = page;
}

void ToolWindow::keyPressEvent(QKeyEvent* event) {
    // F1 reaches here from any control of the window that has no use for it;
    // a window without a page of its own opens the contents.
    if (event->key() == Qt::Key_F1) {
        HelpPages::Show(
            helpPage_.isEmpty() ? HelpPages::ContentsPage() : HelpPages::Path(helpPage_), *this);
        return;
    }
    // Enter presses the focused button, as Space does. It reaches here only when
    // the focused control has no use for it, so text boxes keep their own Enter.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (button && isAncestorOf(button)) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void ToolWindow::SetProgramEnding(bool ending) {
    programEnding = ending;
}

bool ToolWindow::ProgramEnding() {
    return programEnding;
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::Close && !programEnding) {
        event->ignore();
        OnUserClose();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
