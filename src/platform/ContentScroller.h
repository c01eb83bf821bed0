#pragma once

#include <QScrollArea>

// Stands between a tool window's frame and its controls: a frame smaller than
// the controls scrolls to every one of them. The content's minimum size hint
// gives the extent to scroll over; it is taken up again whenever a control of
// the content moves, changes size, shows or hides.
class ContentScroller : public QScrollArea {
public:
    explicit ContentScroller(QWidget& content);

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

    bool refreshQueued_ = false;
};
