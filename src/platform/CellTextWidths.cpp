#include "platform/CellTextWidths.h"

#include <QFontMetricsF>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// The characters of a number as the program formats it; a pattern codes each
// by its place here plus one, so that no code is zero.
constexpr std::u16string_view NumberChars = u"0123456789,.-+";
constexpr int PatternBits = 4;
constexpr qsizetype PatternLength = 64 / PatternBits;

bool IsNumberPunctuation(char16_t c) {
    return c == u',' || c == u'.' || c == u'-' || c == u'+';
}

// For each digit, the first digit whose width alone and beside each character
// of numbers, on either side, is exactly its own. Widths are compared unrounded,
// so that digits standing in for each other give equal rounded widths too.
std::array<char16_t, 10> DigitStandIns(const QFont& font) {
    const QFontMetricsF metrics(font);
    auto widths = [&](QChar digit) {
        std::vector<qreal> result{metrics.horizontalAdvance(QString(digit))};
        for (char16_t other : NumberChars) {
            result.push_back(metrics.horizontalAdvance(QString(digit) + QChar(other)));
            result.push_back(metrics.horizontalAdvance(QChar(other) + QString(digit)));
        }
        return result;
    };
    std::array<std::vector<qreal>, 10> measured;
    std::array<char16_t, 10> standIns{};
    for (size_t d = 0; d < standIns.size(); ++d) {
        measured[d] = widths(QChar(static_cast<char16_t>(u'0' + d)));
        size_t alike = 0;
        while (measured[alike] != measured[d]) {
            ++alike;
        }
        standIns[d] = static_cast<char16_t>(u'0' + alike);
    }
    return standIns;
}

} // namespace

CellTextWidths::CellTextWidths(const QFont& font) : font_(font), metrics_(font) {}

int CellTextWidths::WidestLine(const QString& text) {
    const qsizetype length = text.size();
    int widest = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= length; ++i) {
        if (i == length || text[i] == u'\r' || text[i] == u'\n') {
            widest = std::max(widest, LineWidth(text, start, i));
            if (i + 1 < length && text[i] == u'\r' && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    return widest;
}

int CellTextWidths::LineWidth(const QString& text, qsizetype start, qsizetype end) {
    if (start == end) {
        return 0;
    }
    const QStringView line = QStringView(text).sliced(start, end - start);
    if (std::optional<std::uint64_t> pattern = NumberPattern(line)) {
        return NumberWidth(*pattern);
    }
    // The whole text shares its characters; only a line of several is copied.
    const QString key = line.size() == text.size() ? text : line.toString();
    auto known = textWidths_.constFind(key);
    if (known != textWidths_.cend()) {
        return *known;
    }
    const int width = metrics_.horizontalAdvance(key);
    textWidths_.insert(key, width);
    return width;
}

std::optional<std::uint64_t> CellTextWidths::NumberPattern(QStringView line) {
    if (line.size() > PatternLength) {
        return std::nullopt;
    }
    std::uint64_t pattern = 0;
    for (QChar c : line) {
        char16_t code = c.unicode();
        if (code >= u'0' && code <= u'9') {
            if (!digitStandIns_) {
                digitStandIns_ = DigitStandIns(font_);
            }
            code = (*digitStandIns_)[code - u'0'];
        } else if (!IsNumberPunctuation(code)) {
            return std::nullopt;
        }
        pattern = (pattern << PatternBits) | (NumberChars.find(code) + 1);
    }
    return pattern;
}

int CellTextWidths::NumberWidth(std::uint64_t pattern) {
    auto known = numberWidths_.constFind(pattern);
    if (known != numberWidths_.cend()) {
        return *known;
    }
    QString number;
    for (std::uint64_t rest = pattern; rest != 0; rest >>= PatternBits) {
        number.prepend(NumberChars[(rest & ((1u << PatternBits) - 1)) - 1]);
    }
    const int width = metrics_.horizontalAdvance(number);
    numberWidths_.insert(pattern, width);
    return width;
}
