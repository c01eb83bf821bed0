#include "platform/CellTextWidths.h"

#include <QFontMetricsF>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// The characters of a number as the program formats it.
constexpr std::u16string_view NumberChars = u"0123456789,.-+";
constexpr int PatternBits = 4;
constexpr qsizetype PatternLength = 64 / PatternBits;

// The code of a digit whose stand-in is not yet known.
constexpr std::uint8_t UnmeasuredDigit = 15;

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

CellTextWidths::CellTextWidths(const QFont& font) : font_(font), metrics_(font) {
    for (size_t place = 0; place < NumberChars.size(); ++place) {
        const bool digit = place < 10;
        codes_[NumberChars[place]] = digit ? UnmeasuredDigit : static_cast<std::uint8_t>(place + 1);
    }
}

int CellTextWidths::WidestLine(const QString& text) {
    // Numbers, most cells, are one line.
    if (std::optional<std::uint64_t> pattern = NumberPattern(text)) {
        return NumberWidth(*pattern);
    }
    if (!text.contains(u'\r') && !text.contains(u'\n')) {
        return TextWidth(text);
    }
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    int widest = 0;
    for (const QString& line : lines.split(u'\n')) {
        std::optional<std::uint64_t> pattern = NumberPattern(line);
        widest = std::max(widest, pattern ? NumberWidth(*pattern) : TextWidth(line));
    }
    return widest;
}

int CellTextWidths::TextWidth(const QString& line) {
    if (line.isEmpty()) {
        return 0;
    }
    auto known = textWidths_.find(line);
    if (known != textWidths_.end()) {
        return known->second;
    }
    const int width = metrics_.horizontalAdvance(line);
    textWidths_.emplace(line, width);
    return width;
}

std::optional<std::uint64_t> CellTextWidths::NumberPattern(QStringView line) {
    if (line.isEmpty() || line.size() > PatternLength) {
        return std::nullopt;
    }
    std::uint64_t pattern = 0;
    for (QChar c : line) {
        const char16_t unicode = c.unicode();
        std::uint8_t code = unicode < codes_.size() ? codes_[unicode] : 0;
        if (code == UnmeasuredDigit) {
            MeasureDigits();
            code = codes_[unicode];
        }
        if (code == 0) {
            return std::nullopt;
        }
        pattern = (pattern << PatternBits) | code;
    }
    return pattern;
}

void CellTextWidths::MeasureDigits() {
    const std::array<char16_t, 10> standIns = DigitStandIns(font_);
    for (size_t d = 0; d < standIns.size(); ++d) {
        codes_[u'0' + d] = static_cast<std::uint8_t>(standIns[d] - u'0' + 1);
    }
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
