#include "platform/ToolWindow.h"

#include "platform/ContentScroller.h"
#include "platform/HelpPages.h"
#include "platform/Screen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace {
bool programEnding = false;
}

ToolWindow::ToolWindow(QMdiArea& area, const QString& caption) {
    scroller_ = new ContentScroller(*this);
    frame_ = area.addSubWindow(scroller_);
    frame_->setAttribute(Qt::WA_DeleteOnClose, false);
    frame_->setWindowTitle(caption);
    frame_->installEventFilter(this);
    frame_->hide();
}

void ToolWindow::ShowAndRaise() {
    scroller_->Refresh();
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
    PlaceInsideArea(Screen::TwipsRect(left, top, width, height));
}

void ToolWindow::FitFrameToContent() {
    scroller_->Refresh();
    PlaceInsideArea(QRect(frame_->pos(), frame_->sizeHint()));
}

void ToolWindow::PlaceInsideArea(QRect place) {
    if (QMdiArea* area = frame_->mdiArea()) {
        const QSize room = area->viewport()->size();
        place.setSize(place.size().boundedTo(room));
        place.moveTo(std::clamp(place.x(), 0, room.width() - place.width()),
                     std::clamp(place.y(), 0, room.height() - place.height()));
    }
    frame_->setGeometry(place);
}

QSize ToolWindow::minimumSizeHint() const {
    if (layout()) {
        return QWidget::minimumSizeHint();
    }
    QRect controls;
    for (const QObject* child : children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (control && !control->isWindow() && control->isVisibleTo(this)) {
            controls |= control->geometry();
        }
    }
    if (controls.isNull()) {
        return QWidget::minimumSizeHint();
    }
    return {controls.right() + 1 + std::max(0, controls.left()),
            controls.bottom() + 1 + std::max(0, controls.top())};
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
    // F1 reaches here from any control of the window that has no use for it.
    if (event->key() == Qt::Key_F1 && !helpPage_.isEmpty()) {
        HelpPages::Show(HelpPages::Path(helpPage_));
        return;
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
