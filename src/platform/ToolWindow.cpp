#include "platform/ToolWindow.h"

#include "platform/ContentScroller.h"
#include "platform/HelpPages.h"
#include "platform/Screen.h"

#include <QAbstractSpinBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

#include <algorithm>

namespace {

bool programEnding = false;

// Grids, lists and edit boxes lay out parts of their own; other controls hold controls.
bool HoldsControls(const QWidget& control) {
    return !qobject_cast<const QAbstractScrollArea*>(&control) &&
           !qobject_cast<const QComboBox*>(&control) &&
           !qobject_cast<const QAbstractSpinBox*>(&control) &&
           !qobject_cast<const QLineEdit*>(&control);
}

// Calls `visit` with every control that shows with `window`, at any depth, and
// its place in the coordinates of `window`.
void ForEachControl(const QWidget& window,
                    const std::function<void(const QWidget&, QRect)>& visit) {
    const std::function<void(const QWidget&, QPoint)> walk = [&](const QWidget& parent,
                                                                 QPoint offset) {
        for (const QObject* child : parent.children()) {
            const auto* control = qobject_cast<const QWidget*>(child);
            if (!control || control->isWindow() || !control->isVisibleTo(&window)) {
                continue;
            }
            visit(*control, control->geometry().translated(offset));
            if (HoldsControls(*control)) {
                walk(*control, offset + control->pos());
            }
        }
    };
    walk(window, QPoint(0, 0));
}

// How far, at most, controls reach past the right and the bottom of the control holding them.
QSize Overflow(const QWidget& window) {
    QSize cut(0, 0);
    ForEachControl(window, [&](const QWidget& control, QRect) {
        const QWidget& holder = *control.parentWidget();
        if (&holder != &window) {
            cut = cut.expandedTo({control.geometry().right() + 1 - holder.width(),
                                  control.geometry().bottom() + 1 - holder.height()});
        }
    });
    return cut;
}

// The size that shows every control that shows with `container`, at any depth,
// with the margins left of and above them repeated right and below.
QSize ControlsExtent(const QWidget& container) {
    QRect controls;
    ForEachControl(container, [&](const QWidget&, QRect place) { controls |= place; });
    if (controls.isNull()) {
        return {};
    }
    return {controls.right() + 1 + std::max(0, controls.left()),
            controls.bottom() + 1 + std::max(0, controls.top())};
}

} // namespace

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
    QSize size = frame_->sizeHint();
    if (QMdiArea* area = frame_->mdiArea()) {
        // Cut down one way, the frame shows a scroll bar across the other: room for it.
        const QSize room = area->viewport()->size();
        const int bar = scroller_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        if (size.height() > room.height()) {
            size.rwidth() += bar;
        }
        if (size.width() > room.width()) {
            size.rheight() += bar;
        }
    }
    PlaceInsideArea(QRect(frame_->pos(), size));
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
    const QSize extent = ControlsExtent(*this);
    return extent.isEmpty() ? QWidget::minimumSizeHint() : extent;
}

void ToolWindow::KeepLeastLayout(const std::function<void()>& layOut) {
    const QSize kept = size();
    // Hidden, the window takes these sizes without resize events.
    const auto layOutAt = [&](QSize size) {
        resize(size);
        if (layout()) {
            layout()->setGeometry(rect());
        }
        layOut();
    };
    layOutAt(layout() ? layout()->minimumSize() : QSize(0, 0));
    QSize least = ControlsExtent(*this).expandedTo(size());
    // A frame laid out at its least may still be too small for its own controls.
    for (int pass = 0; pass < 3; ++pass) {
        layOutAt(least);
        const QSize cut = Overflow(*this);
        if (cut.isNull()) {
            break;
        }
        least += cut;
    }
    setMinimumSize(least);
    layOutAt(kept.expandedTo(least));
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
