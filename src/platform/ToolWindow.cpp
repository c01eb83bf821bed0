#include "platform/ToolWindow.h"

#include "platform/ContentScroller.h"
#include "platform/ControlsExtent.h"
#include "platform/Screen.h"
#include "platform/WindowKeys.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <algorithm>

namespace {
bool programEnding = false;
}

ToolWindow::ToolWindow(QMdiArea& area, const QString& caption) {
    scroller_ = new ContentScroller(*this, [this] { MakeRoomForVerticalBar(); });
    frame_ = area.addSubWindow(scroller_);
    frame_->setAttribute(Qt::WA_DeleteOnClose, false);
    frame_->setWindowTitle(caption);
    frame_->installEventFilter(this);
    area.installEventFilter(this);
    frame_->hide();
    placed_ = wanted_ = frame_->geometry();
    CloseWithCtrlF4();
}

void ToolWindow::CloseWithCtrlF4() {
    // The frame's Close command carries the desktop's close keys, which leave
    // out Ctrl+F4 on some; it is added, first, as the window menu shows it.
    const QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
    for (QAction* command : frame_->systemMenu()->actions()) {
        if (!closeKeys.isEmpty() && command->shortcuts() == closeKeys) {
            QList<QKeySequence> keys = closeKeys;
            keys.removeAll(ctrlF4);
            keys.prepend(ctrlF4);
            command->setShortcuts(keys);
        }
    }
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
    QMdiArea* area = frame_->mdiArea();
    const bool active = area && area->activeSubWindow() == frame_;
    frame_->hide();
    // The keys go on to the window now in front, never to the hidden one's
    // controls, where typing would change inputs nobody sees.
    if (active) {
        ActivateFrontWindow(*area);
    }
}

void ToolWindow::ActivateFrontWindow(QMdiArea& area) {
    const QList<QMdiSubWindow*> frames = area.subWindowList(QMdiArea::StackingOrder);
    for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) {
        if (!(*frame)->isHidden()) {
            area.setActiveSubWindow(*frame);
            return;
        }
    }
    area.setActiveSubWindow(nullptr);
    area.setFocus();
}

void ToolWindow::PlaceTwips(double left, double top, double width, double height) {
    PlaceWanted(Screen::TwipsRect(left, top, width, height));
}

void ToolWindow::FitFrameToContent() {
    scroller_->Refresh();
    const QSize decorations = FrameDecorations();
    QMdiArea* area = frame_->mdiArea();
    const QSize inside = area ? scroller_->SizeShowing(area->viewport()->size() - decorations)
                              : scroller_->sizeHint();
    PlaceWanted(QRect(frame_->pos(), inside + decorations));
}

void ToolWindow::PlaceInsideArea(QRect place) {
    if (QMdiArea* area = frame_->mdiArea()) {
        // The client area is to a tool window what the work area is to a top-level one.
        place = Screen::ClientForFrame(place, {}, QRect(QPoint(0, 0), area->viewport()->size()));
    }
    SetFrameGeometry(place);
    MakeRoomForVerticalBar();
}

void ToolWindow::PlaceWanted(QRect place) {
    wanted_ = place;
    PlaceInsideArea(place);
}

void ToolWindow::SetFrameGeometry(QRect geometry) {
    placing_ = true;
    frame_->setGeometry(geometry);
    placing_ = false;
    placed_ = frame_->geometry();
}

bool ToolWindow::MaximizedOrMinimized() const {
    return frame_->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized);
}

QSize ToolWindow::FrameDecorations() const {
    return frame_->sizeHint() - scroller_->sizeHint();
}

void ToolWindow::MakeRoomForVerticalBar() {
    QMdiArea* area = frame_->mdiArea();
    const QSize decorations = FrameDecorations();
    const QSize inside = frame_->size() - decorations;
    // A frame made narrower than its controls scrolls sideways in any case.
    if (!area || inside.width() < scroller_->sizeHint().width()) {
        return;
    }
    const QSize room = area->viewport()->size();
    const int width =
        scroller_->SizeShowing({room.width() - decorations.width(), inside.height()}).width() +
        decorations.width();
    if (width > frame_->width()) {
        SetFrameGeometry(QRect(std::min(frame_->x(), room.width() - width), frame_->y(), width,
                               frame_->height()));
    }
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
        const QSize cut = ControlsOverflow(*this);
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
    if (!WindowKeys::Answer(*this, *event, helpPage_)) {
        QWidget::keyPressEvent(event);
    }
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
    // Where the user moves or sizes the frame is where it wants to be.
    if (watched == frame_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        !placing_ && !MaximizedOrMinimized() && frame_->geometry() != placed_) {
        wanted_ = placed_ = frame_->geometry();
    }
    // A main window made smaller (its frame fitted to the screen) takes its
    // tool windows in with its client area, once that is laid out anew; made
    // larger again, it gives them back the room they want.
    if (event->type() == QEvent::Resize && watched == frame_->mdiArea()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!MaximizedOrMinimized()) {
                    PlaceInsideArea(wanted_);
                }
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}
