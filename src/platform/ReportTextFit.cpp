#include "platform/ReportTextFit.h"

#include "platform/TwipsPrinter.h"

#include <algorithm>
#include <numeric>

namespace ReportTextFit {
namespace {

const QString Ellipsis = QStringLiteral("\u2026");

// Whether the text may end after its first `length` units: not between the
// two halves of a character beyond the basic plane.
bool IsCut(QStringView text, qsizetype length) {
    return length <= 0 || length >= text.size() || !text[length - 1].isHighSurrogate() ||
           !text[length].isLowSurrogate();
}

// The first cut at `length` units or after.
qsizetype CutFrom(QStringView text, qsizetype length) {
    return IsCut(text, length) ? length : length + 1;
}

// The longest cut of the text from `least` to `most` units for which `fits`
// holds, `least` when none does, for a `fits` that holds up to some length
// and fails from there on, as a width that grows with the length does. The
// step doubles until the text no longer fits, then halves: about 2 log n
// texts are measured, none much longer than twice the answer, so that a long
// text is measured neither whole nor one unit longer at a time.
template <typename Fits>
qsizetype LongestFitting(QStringView text, qsizetype least, qsizetype most, const Fits& fits) {
    qsizetype fitting = least;
    qsizetype failing = most + 1;
    for (qsizetype step = 1; fitting < most; step *= 2) {
        const qsizetype length = CutFrom(text, std::min(most, fitting + step));
        if (!fits(length)) {
            failing = length;
            break;
        }
        fitting = length;
    }
    while (failing - fitting > 1) {
        qsizetype length = fitting + (failing - fitting) / 2;
        if (!IsCut(text, length)) {
            length = length - 1 > fitting ? length - 1 : length + 1;
            if (length == failing) {
                break;
            }
        }
        (fits(length) ? fitting : failing) = length;
    }
    return fitting;
}

// How many of the text's first units fit in `width`; 0 when not even its
// first character does.
qsizetype FittingLength(const TwipsPrinter& printer, QStringView text, float width) {
    return LongestFitting(text, 0, text.size(), [&](qsizetype length) {
        return printer.TextWidth(text.left(length).toString()) <= width;
    });
}

} // namespace

QStringList Wrap(const TwipsPrinter& printer, const QString& text, float width, int maxLines) {
    // Each line keeps the blanks typed between its words; the blanks where
    // a line breaks go. The line being filled is the text from lineStart to
    // pos. No line past the one after the last shown is made: a text can be
    // far longer than its room.
    const QStringView whole(text);
    QStringList lines;
    std::vector<qsizetype> starts; // of each line in the text
    const auto add = [&](qsizetype start, qsizetype end) {
        lines.push_back(text.mid(start, end - start));
        starts.push_back(start);
    };
    const auto full = [&] { return lines.size() > maxLines; };
    qsizetype lineStart = 0;
    qsizetype pos = 0;
    while (pos < text.size() && !full()) {
        qsizetype wordStart = pos;
        while (wordStart < text.size() && text[wordStart] == u' ') {
            ++wordStart;
        }
        if (wordStart == text.size()) {
            break;
        }
        qsizetype wordEnd = text.indexOf(u' ', wordStart);
        if (wordEnd < 0) {
            wordEnd = text.size();
        }
        const qsizetype lineEnd = pos;
        pos = wordEnd;
        const QStringView joined = whole.mid(lineStart, wordEnd - lineStart);
        if (FittingLength(printer, joined, width) == joined.size()) {
            continue;
        }
        if (lineEnd > lineStart) {
            add(lineStart, lineEnd);
        }
        // A word too long for a line of its own is cut where it stops
        // fitting, after its first character at least.
        lineStart = wordStart;
        while (!full()) {
            const QStringView rest = whole.mid(lineStart, wordEnd - lineStart);
            const qsizetype fitting = FittingLength(printer, rest, width);
            if (fitting == rest.size()) {
                break;
            }
            const qsizetype length = std::max(fitting, CutFrom(rest, 1));
            add(lineStart, lineStart + length);
            lineStart += length;
        }
    }
    add(lineStart, pos);
    if (lines.size() > maxLines) {
        const qsizetype last = maxLines - 1;
        const qsizetype moreEnd = starts[maxLines] + lines[maxLines].size();
        const QString more = text.mid(starts[last], moreEnd - starts[last]);
        lines.resize(maxLines);
        lines.back() = Elide(printer, more, width);
    }
    return lines;
}

QString Elide(const TwipsPrinter& printer, const QString& text, float width) {
    const QStringView whole(text);
    const qsizetype fitting = FittingLength(printer, whole, width);
    if (fitting == text.size()) {
        return text;
    }
    // No start longer than the one that fits alone fits with the ellipsis.
    const qsizetype kept = LongestFitting(whole, 0, fitting, [&](qsizetype length) {
        return printer.TextWidth(text.left(length) + Ellipsis) <= width;
    });
    return text.left(kept).trimmed() + Ellipsis;
}

float WidthUpTo(const TwipsPrinter& printer, const QString& text, float room) {
    const QStringView whole(text);
    const qsizetype fitting = FittingLength(printer, whole, room);
    return printer.TextWidth(text.left(CutFrom(whole, fitting + 1)));
}

std::vector<float> ShareWidth(std::span<const float> wanted, float total) {
    std::vector<float> widths(wanted.begin(), wanted.end());
    if (std::accumulate(widths.begin(), widths.end(), 0.0f) <= total) {
        return widths;
    }
    std::vector<size_t> narrowFirst(widths.size());
    std::iota(narrowFirst.begin(), narrowFirst.end(), size_t{0});
    std::stable_sort(narrowFirst.begin(), narrowFirst.end(),
                     [&](size_t a, size_t b) { return wanted[a] < wanted[b]; });
    float left = total;
    for (size_t k = 0; k < narrowFirst.size(); ++k) {
        const size_t column = narrowFirst[k];
        const float share = left / static_cast<float>(narrowFirst.size() - k);
        widths[column] = std::min(wanted[column], share);
        left -= widths[column];
    }
    return widths;
}

} // namespace ReportTextFit
