#include "platform/ContentScroller.h"

#include <QChildEvent>
#include <QEvent>
#include <QStyle>

#include <utility>

ContentScroller::ContentScroller(QWidget& content, std::function<void()> extentTaken)
    : extentTaken_(std::move(extentTaken)) {
    setFrameShape(QFrame::NoFrame);
    // The frame around the controls is no control: Tab passes it by.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    // setWidget makes this the content's event filter, which hears its new controls.
    setWidget(&content);
}

QSize ContentScroller::sizeHint() const {
    const QWidget* content = widget();
    if (!content) {
        return QScrollArea::sizeHint();
    }
    const QSize whole = content->sizeHint()
                            .expandedTo(content->minimumSizeHint())
                            .expandedTo(content->minimumSize());
    return whole + QSize(2 * frameWidth(), 2 * frameWidth());
}

QSize ContentScroller::SizeShowing(QSize room) const {
    QSize size = sizeHint();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (size.height() > room.height()) {
        size.rwidth() += bar;
    }
    if (size.width() > room.width()) {
        size.rheight() += bar;
    }
    return size.boundedTo(room);
}

void ContentScroller::Refresh() {
    refreshQueued_ = false;
    if (QWidget* content = widget()) {
        content->updateGeometry();
    }
    updateGeometry();
    // Setting it again lays the content out over its new extent and sets the
    // scroll bars' ranges, which a new minimum size hint alone does not do.
    setWidgetResizable(true);
    if (extentTaken_) {
        extentTaken_();
    }
}

void ContentScroller::QueueRefresh() {
    if (refreshQueued_) {
        return;
    }
    refreshQueued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { Refresh(); }, Qt::QueuedConnection);
}

bool ContentScroller::eventFilter(QObject* watched, QEvent* event) {
    QWidget* content = widget();
    if (content && watched == content && event->type() == QEvent::ChildAdded) {
        static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
    } else if (content && watched->parent() == content) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            QueueRefresh();
            break;
        default:
            break;
        }
    }
    return QScrollArea::eventFilter(watched, event);
}
