#pragma once

#include <QAbstractItemView>

class QHeaderView;

// One direction of a grid (its rows, or its columns) whose first sections are
// headings that stay in place while the data sections scroll under them. The
// scroll bar then counts the data sections scrolled out of view: at any value
// the first data section in view starts just past the headings, whole, and at
// the largest value the last one shows whole too.
//
// Positions are in pixels along the direction: a section's place in the
// content, or a place in the viewport, which shows `room` pixels of it.
class FrozenSections {
public:
    // `sections`: the grid's header for the direction, which holds the sizes
    // and the offset the grid shows; `fixed`: how many heading sections lead it.
    FrozenSections(const QHeaderView& sections, int fixed, int room);

    // The headings stay: there are some, and they leave room for data.
    bool Frozen() const;
    // The length the headings take at the start of the viewport.
    int HeadingsLength() const { return headingsLength_; }
    // The grid shows data sections in the place of the headings: it scrolled,
    // and the headings are drawn over the data.
    bool Scrolled() const;

    // The largest scroll value, and a page: how many data sections show whole
    // past the headings at the end.
    int MaxValue() const;
    int PageStep() const;
    // The content position shown at the start of the viewport at this value.
    int Offset(int value) const;
    // The value that shows `section` whole past the headings, as `hint` asks,
    // from the value `value`; `value` itself for a heading or a section that
    // shows whole already and is only to be made visible.
    int ValueShowing(int section, QAbstractItemView::ScrollHint hint, int value) const;
    // The section a page of data before or past `section`: a page is what
    // shows past the headings. The first or last data section where the page
    // reaches beyond them.
    int SectionAPageFrom(int section, bool forward) const;
    // The section drawn at this viewport position: a heading where the headings
    // are drawn over the scrolled data; -1 past the last section.
    int SectionAt(int position) const;

private:
    // Data sections that show whole in the viewport past the headings, counted
    // back from `last` (at least 1, so that the scroll reaches every one).
    int SectionsFitting(int last, int length) const;

    const QHeaderView& sections_;
    int fixed_;
    int room_;
    int headingsLength_;
};
