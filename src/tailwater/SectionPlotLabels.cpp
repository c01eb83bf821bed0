#include "tailwater/SectionPlotLabels.h"

#include "platform/PlotSurface.h"

#include <algorithm>

namespace SectionPlotLabels {
namespace {

struct Span {
    float left, right;
};

bool Touch(const Span& a, const Span& b, float clearance) {
    return a.left < b.right + clearance && b.left < a.right + clearance;
}

// Where a label `width` wide at `left` stands clear of every vertical line at
// `lines`, by `clearance` at least: where it is when no line comes that near,
// else moved away from each such line in `direction` (-1 left, +1 right).
float ClearOfLines(float left, float width, float clearance, const std::vector<float>& lines,
                   int direction) {
    bool moved = true;
    while (moved) {
        moved = false;
        for (float line : lines) {
            if (line > left - clearance && line < left + width + clearance) {
                left = direction < 0 ? line - clearance - width : line + clearance;
                moved = true;
            }
        }
    }
    return left;
}

// The first row in which the span stays clear of the spans placed there.
int FreeRow(const std::vector<std::vector<Span>>& rows, const Span& span, float clearance) {
    int row = 0;
    while (static_cast<size_t>(row) < rows.size() &&
           std::any_of(rows[static_cast<size_t>(row)].begin(), rows[static_cast<size_t>(row)].end(),
                       [&](const Span& placed) { return Touch(placed, span, clearance); })) {
        ++row;
    }
    return row;
}

// Places each span in its free row and gives the rows.
std::vector<Placed> InRows(const std::vector<Span>& spans, float clearance) {
    std::vector<std::vector<Span>> rows;
    std::vector<Placed> placed;
    for (const Span& span : spans) {
        const int row = FreeRow(rows, span, clearance);
        if (static_cast<size_t>(row) == rows.size()) {
            rows.emplace_back();
        }
        rows[static_cast<size_t>(row)].push_back(span);
        placed.push_back({span.left, row});
    }
    return placed;
}

} // namespace

std::vector<Placed> NLabels(const PlotSurface& surface, const std::vector<float>& marks,
                            const QStringList& texts) {
    std::vector<Span> spans;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const auto k = static_cast<size_t>(i);
        const float width = surface.TextWidth(texts[i]);
        const float left = (marks[k] + marks[k + 1]) / 2 - width / 2;
        spans.push_back({left, left + width});
    }
    return InRows(spans, surface.TextWidth("0") / 2);
}

std::vector<Placed> BankLabels(const PlotSurface& surface, const std::vector<Bank>& banks,
                               const std::vector<float>& marks) {
    const float clearance = surface.TextWidth("0") / 2;
    std::vector<Span> spans;
    for (const Bank& bank : banks) {
        const float width = surface.TextWidth(bank.label);
        float left = bank.x - width / 2;
        if (ClearOfLines(left, width, clearance, marks, bank.outward) != left) {
            const float beside = bank.outward < 0 ? bank.x - clearance - width : bank.x + clearance;
            left = ClearOfLines(beside, width, clearance, marks, bank.outward);
        }
        spans.push_back({left, left + width});
    }
    return InRows(spans, clearance);
}

int Rows(const std::vector<Placed>& labels) {
    int rows = 1;
    for (const Placed& label : labels) {
        rows = std::max(rows, label.row + 1);
    }
    return rows;
}

void LineAround(PlotSurface& surface, float x, float y1, float y2, const std::vector<Box>& boxes) {
    std::vector<Box> across;
    for (const Box& box : boxes) {
        if (box.left < x && x < box.right && box.top < y1 && box.bottom > y2) {
            across.push_back(box);
        }
    }
    // From the lower end up, a piece to each box's bottom, then on from its top.
    std::sort(across.begin(), across.end(),
              [](const Box& a, const Box& b) { return a.bottom > b.bottom; });
    float from = y1;
    for (const Box& box : across) {
        if (box.bottom < from) {
            surface.Line(x, from, x, box.bottom);
        }
        from = std::min(from, box.top);
    }
    if (from > y2) {
        surface.Line(x, from, x, y2);
    }
}

} // namespace SectionPlotLabels
