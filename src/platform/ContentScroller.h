#pragma once

#include <QScrollArea>

#include <functional>

// Stands between a tool window's frame and its controls: a frame smaller than
// the controls scrolls to every one of them. The content's minimum size hint
// gives the extent to scroll over; it is taken up again whenever a control of
// the content moves, changes size, shows or hides.
class ContentScroller : public QScrollArea {
public:
    // `extentTaken` runs each time the content's extent has been taken up.
    ContentScroller(QWidget& content, std::function<void()> extentTaken);

    // The whole content, however large: a frame fitted to it shows every control.
    QSize sizeHint() const override;

    // The size that shows the whole content, cut down to `room`, with room for
    // the scroll bar across a side that was cut down.
    QSize SizeShowing(QSize room) const;

    // Takes up the content's extent now.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void QueueRefresh();

    std::function<void()> extentTaken_;
    bool refreshQueued_ = false;
};
