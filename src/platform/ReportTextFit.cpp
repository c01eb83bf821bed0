#include "platform/ReportTextFit.h"

#include "platform/TwipsPrinter.h"

#include <algorithm>
#include <numeric>

namespace ReportTextFit {
namespace {

const QString Ellipsis = QStringLiteral("\u2026");

// How many of the text's first characters fit in `width`, at least one.
qsizetype FittingLength(const TwipsPrinter& printer, const QString& text, float width) {
    qsizetype length = 1;
    while (length < text.size() && printer.TextWidth(text.left(length + 1)) <= width) {
        ++length;
    }
    return length;
}

} // namespace

QStringList Wrap(const TwipsPrinter& printer, const QString& text, float width, int maxLines) {
    // Each line keeps the blanks typed between its words; the blanks where
    // a line breaks go.
    QStringList lines;
    std::vector<qsizetype> starts; // of each line in the text
    const auto add = [&](const QString& line, qsizetype start) {
        lines.push_back(line);
        starts.push_back(start);
    };
    QString line;
    qsizetype lineStart = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
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
        const QString joined = line + text.mid(pos, wordEnd - pos);
        pos = wordEnd;
        if (printer.TextWidth(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty()) {
            add(line, lineStart);
        }
        line = text.mid(wordStart, wordEnd - wordStart);
        lineStart = wordStart;
        while (printer.TextWidth(line) > width) {
            const qsizetype length = FittingLength(printer, line, width);
            add(line.left(length), lineStart);
            line = line.mid(length);
            lineStart += length;
        }
    }
    add(line, lineStart);
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
    if (printer.TextWidth(text) <= width) {
        return text;
    }
    QString kept = text;
    while (!kept.isEmpty() && printer.TextWidth(kept + Ellipsis) > width) {
        kept.chop(1);
    }
    return kept.trimmed() + Ellipsis;
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
