#include "platform/CrispLinesStyle.h"
#include "platform/FlexGrid.h"

#include <QFrame>
#include <QImage>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A rule one pixel high, as the windows draw their separators, and a grid.
struct Lines {
    explicit Lines(QStyle* style) {
        rule.setFrameShape(QFrame::HLine);
        rule.resize(60, 1);
        grid.SetRows(3);
        grid.SetCols(2);
        grid.resize(60, 60);
        for (QWidget* widget : {static_cast<QWidget*>(&rule), static_cast<QWidget*>(&grid)}) {
            widget->setStyle(style);
        }
    }
    QFrame rule;
    FlexGrid grid;
};

// The widget drawn at `scale` with its top left `offset` logical pixels into the picture.
QImage Drawn(QWidget& widget, double scale, QPoint offset) {
    QImage picture((QSizeF(70, 70) * scale).toSize(), QImage::Format_ARGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    widget.render(&picture, offset);
    return picture;
}

// Device pixels drawn darker than the window along a line through the picture.
int DarkPixels(const QImage& picture, QPoint from, QPoint step, int count) {
    int dark = 0;
    for (int i = 0; i < count; ++i) {
        const QPoint at = from + i * step;
        dark += qGray(picture.pixel(at)) < 220 ? 1 : 0;
    }
    return dark;
}

} // namespace

// A one-pixel rule and a grid's left border cover at least one device pixel
// wherever the window has scrolled them to, at any scale; at whole scales
// nothing is drawn otherwise than by the platform's style.
TEST(CrispLinesStyle, RulesAndGridBordersShowAtEveryScaleAndScrollPosition) {
    CrispLinesStyle style;
    Lines lines(&style);
    for (double scale : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        for (int offset = 0; offset < 4; ++offset) {
            SCOPED_TRACE(testing::Message() << "scale " << scale << ", offset " << offset);
            const int across = static_cast<int>(4 * scale);
            const QImage rule = Drawn(lines.rule, scale, QPoint(0, offset));
            EXPECT_GE(DarkPixels(rule, QPoint(static_cast<int>(30 * scale), 0), QPoint(0, 1),
                                 static_cast<int>((offset + 2) * scale)),
                      1);
            const QImage grid = Drawn(lines.grid, scale, QPoint(offset, 0));
            EXPECT_GE(DarkPixels(grid, QPoint(0, static_cast<int>(40 * scale)), QPoint(1, 0),
                                 static_cast<int>(offset * scale) + across / 2),
                      1);
        }
    }

    std::unique_ptr<QStyle> platform(QStyleFactory::create(style.baseStyle()->name()));
    Lines plain(platform.get());
    for (QPoint offset : {QPoint(0, 0), QPoint(1, 1)}) {
        EXPECT_EQ(Drawn(lines.rule, 1, offset), Drawn(plain.rule, 1, offset));
        EXPECT_EQ(Drawn(lines.grid, 1, offset), Drawn(plain.grid, 1, offset));
    }
}
