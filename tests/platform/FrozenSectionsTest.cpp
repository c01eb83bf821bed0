#include "platform/FrozenSections.h"

#include <QHeaderView>
#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Rows of the given heights, the first `fixed` of them headings: a viewport
// `room` pixels high shows them from `offset` on.
struct Rows {
    Rows(const std::vector<int>& heights, int offset = 0)
        : model(static_cast<int>(heights.size()), 1) {
        header.setModel(&model);
        header.setMinimumSectionSize(1);
        for (int row = 0; row < static_cast<int>(heights.size()); ++row) {
            header.resizeSection(row, heights[static_cast<size_t>(row)]);
        }
        header.setOffset(offset);
    }

    FrozenSections Frozen(int fixed, int room) const { return {header, fixed, room}; }

    QStandardItemModel model;
    QHeaderView header{Qt::Vertical};
};

// A 40-pixel heading over ten 20-pixel rows (rows 1 to 10, 240 pixels in all),
// in a viewport 130 high: 90 pixels, four rows and a half, show past the heading.
std::vector<int> TenRows() {
    std::vector<int> heights(11, 20);
    heights[0] = 40;
    return heights;
}

TEST(FrozenSections, TheScrollCountsDataRowsAndEndsWithTheLastOneWhole) {
    const Rows rows(TenRows());
    const FrozenSections frozen = rows.Frozen(1, 130);
    ASSERT_TRUE(frozen.Frozen());
    EXPECT_EQ(frozen.HeadingsLength(), 40);
    EXPECT_EQ(frozen.PageStep(), 4);
    // Rows 7 to 10 fill 80 of the 90 pixels.
    EXPECT_EQ(frozen.MaxValue(), 6);
    // At each value the first row in view starts just below the heading.
    EXPECT_EQ(frozen.Offset(0), 0);
    EXPECT_EQ(frozen.Offset(1), 20);
    EXPECT_EQ(frozen.Offset(6), 120);
}

TEST(FrozenSections, HeadingsThatLeaveNoRoomOrNothingToScrollAreNotKept) {
    struct Case {
        const char* name;
        int fixed;
        int room;
        int sections;
    };
    const Case cases[] = {
        {"no heading rows", 0, 130, 11},
        {"headings as high as the viewport", 1, 40, 11},
        {"headings alone", 1, 130, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> heights = TenRows();
        heights.resize(static_cast<size_t>(c.sections));
        const Rows rows(heights, 20);
        const FrozenSections frozen = rows.Frozen(c.fixed, c.room);
        EXPECT_FALSE(frozen.Frozen());
        EXPECT_FALSE(frozen.Scrolled());
        EXPECT_EQ(frozen.MaxValue(), 0);
        EXPECT_EQ(frozen.ValueShowing(5, QAbstractItemView::EnsureVisible, 3), 3);
    }
}

TEST(FrozenSections, ARowScrolledToShowsWholePastTheHeadings) {
    struct Case {
        const char* name;
        int row;
        QAbstractItemView::ScrollHint hint;
        int from;
        int value;
    };
    const Case cases[] = {
        // Rows 1 to 4 show whole at 0: nothing moves.
        {"in view", 4, QAbstractItemView::EnsureVisible, 0, 0},
        // Row 5 shows half at 0; at 1 rows 2 to 5 show.
        {"half in view at the bottom", 5, QAbstractItemView::EnsureVisible, 0, 1},
        {"below the view", 9, QAbstractItemView::EnsureVisible, 0, 5},
        // At 4 row 4 lies under the heading and row 5 starts just below it.
        {"under the heading", 4, QAbstractItemView::EnsureVisible, 4, 3},
        {"first row from the end", 1, QAbstractItemView::EnsureVisible, 6, 0},
        {"to the top", 3, QAbstractItemView::PositionAtTop, 0, 2},
        {"to the top near the end", 10, QAbstractItemView::PositionAtTop, 0, 6},
        // 45 pixels: row 6 and the row above it.
        {"to the centre", 6, QAbstractItemView::PositionAtCenter, 0, 4},
        {"a heading row", 0, QAbstractItemView::EnsureVisible, 3, 3},
    };
    const Rows rows(TenRows());
    const FrozenSections frozen = rows.Frozen(1, 130);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(frozen.ValueShowing(c.row, c.hint, c.from), c.value);
    }
}

TEST(FrozenSections, RowsOfOtherHeightsAndHeadingsOfSeveralRows) {
    // Two heading rows, 25 and 15 high, over rows of 30, 10, 100, 20, 20, 20.
    const Rows rows({25, 15, 30, 10, 100, 20, 20, 20});
    const FrozenSections frozen = rows.Frozen(2, 130);
    EXPECT_EQ(frozen.HeadingsLength(), 40);
    // The last three rows fill 60 of the 90 pixels; 100 would not fit.
    EXPECT_EQ(frozen.PageStep(), 3);
    EXPECT_EQ(frozen.MaxValue(), 3);
    EXPECT_EQ(frozen.Offset(2), 40);
    EXPECT_EQ(frozen.Offset(3), 140);
    // A row higher than the room past the headings goes to the top.
    EXPECT_EQ(frozen.ValueShowing(4, QAbstractItemView::EnsureVisible, 0), 2);
    // Row 3 fits with row 2 above it, under 90 pixels.
    EXPECT_EQ(frozen.ValueShowing(3, QAbstractItemView::PositionAtBottom, 3), 0);
}

TEST(FrozenSections, WhereTheDataScrolledTheHeadingsKeepTheirPlace) {
    struct Case {
        int offset;
        int position;
        int section;
    };
    const Case cases[] = {
        // Unscrolled, the grid's own rows.
        {0, 10, 0},
        {0, 45, 1},
        {0, 239, 10},
        {0, 250, -1},
        // Scrolled by four rows: the heading, then rows 5 on.
        {80, 10, 0},
        {80, 39, 0},
        {80, 40, 5},
        {80, 59, 5},
        {80, 60, 6},
        {80, 159, 10},
        {80, 170, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << ", at " << c.position);
        const Rows rows(TenRows(), c.offset);
        const FrozenSections frozen = rows.Frozen(1, 130);
        EXPECT_EQ(frozen.Scrolled(), c.offset > 0);
        EXPECT_EQ(frozen.SectionAt(c.position), c.section);
    }
}

TEST(FrozenSections, APageIsWhatShowsPastTheHeadings) {
    struct Case {
        int row;
        bool forward;
        int to;
    };
    const Case cases[] = {
        // 90 pixels down from row 2's top (60) is 150: row 6.
        {2, true, 6}, {6, false, 2}, {9, true, 10}, {10, true, 10}, {3, false, 1}, {1, false, 1},
    };
    const Rows rows(TenRows());
    const FrozenSections frozen = rows.Frozen(1, 130);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from row " << c.row << (c.forward ? " on" : " back"));
        EXPECT_EQ(frozen.SectionAPageFrom(c.row, c.forward), c.to);
    }
}

} // namespace
