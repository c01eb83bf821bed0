#include "platform/FrozenSections.h"

#include <QHeaderView>

#include <algorithm>

FrozenSections::FrozenSections(const QHeaderView& sections, int fixed, int room)
    : sections_(sections), fixed_(std::max(0, fixed)), room_(room),
      headingsLength_(fixed_ < sections.count() ? sections.sectionPosition(fixed_)
                                                : sections.length()) {}

bool FrozenSections::Frozen() const {
    return fixed_ > 0 && fixed_ < sections_.count() && headingsLength_ < room_;
}

bool FrozenSections::Scrolled() const {
    return Frozen() && sections_.offset() > 0;
}

int FrozenSections::SectionsFitting(int last, int length) const {
    int fitting = 0;
    int used = 0;
    for (int section = last; section >= fixed_; --section) {
        used += sections_.sectionSize(section);
        if (used > length) {
            break;
        }
        ++fitting;
    }
    return std::max(1, fitting);
}

int FrozenSections::MaxValue() const {
    if (!Frozen()) {
        return 0;
    }
    const int dataSections = sections_.count() - fixed_;
    return std::max(0, dataSections - PageStep());
}

int FrozenSections::PageStep() const {
    return SectionsFitting(sections_.count() - 1, room_ - headingsLength_);
}

int FrozenSections::Offset(int value) const {
    if (!Frozen()) {
        return 0;
    }
    const int first = fixed_ + std::clamp(value, 0, sections_.count() - fixed_ - 1);
    return sections_.sectionPosition(first) - headingsLength_;
}

int FrozenSections::ValueShowing(int section, QAbstractItemView::ScrollHint hint, int value) const {
    if (!Frozen() || section < fixed_ || section >= sections_.count()) {
        return value;
    }
    const int area = room_ - headingsLength_;
    const int start = sections_.sectionPosition(section) - headingsLength_ - Offset(value);
    const int size = sections_.sectionSize(section);
    if (hint == QAbstractItemView::EnsureVisible) {
        if (start < 0 || size > area) {
            hint = QAbstractItemView::PositionAtTop;
        } else if (start + size > area) {
            hint = QAbstractItemView::PositionAtBottom;
        } else {
            return value;
        }
    }
    int first = section;
    if (hint == QAbstractItemView::PositionAtBottom ||
        hint == QAbstractItemView::PositionAtCenter) {
        const int length = hint == QAbstractItemView::PositionAtCenter ? area / 2 : area;
        first = section - SectionsFitting(section, length) + 1;
    }
    return std::clamp(first - fixed_, 0, MaxValue());
}

int FrozenSections::SectionAPageFrom(int section, bool forward) const {
    const int page = room_ - headingsLength_;
    const int start = sections_.sectionPosition(section);
    const int target = forward ? start + page : start + sections_.sectionSize(section) - 1 - page;
    if (target < headingsLength_) {
        return fixed_;
    }
    if (target >= sections_.length()) {
        return sections_.count() - 1;
    }
    return sections_.logicalIndexAt(target - sections_.offset());
}

int FrozenSections::SectionAt(int position) const {
    if (Scrolled() && position < headingsLength_) {
        for (int section = 0; section < fixed_; ++section) {
            if (position < sections_.sectionPosition(section) + sections_.sectionSize(section)) {
                return section;
            }
        }
    }
    return sections_.logicalIndexAt(position);
}
