#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

// Widths in pixels of cell texts in one font, each equal to what
// QFontMetrics::horizontalAdvance gives, for fitting columns of thousands of
// cells. Shaping a text is slow, so each distinct text is shaped once, and
// numbers that differ only in digits the font draws alike count as one text:
// in most fonts every digit has the same advance and kerns with its neighbours
// as every other digit does, so "1,234.56" and "9,870.12" measure the same.
// Digits are found alike by their widths alone and in pairs with every
// character of numbers, which settles it for fonts that kern digits by pairs,
// as text fonts do; none joins digits into ligatures.
class CellTextWidths {
public:
    explicit CellTextWidths(const QFont& font);

    // The width of the widest line of a text whose lines end at CR LF, CR or LF.
    int WidestLine(const QString& text);

private:
    // The width of a line that is not a number.
    int TextWidth(const QString& line);
    // The line as a number with each digit replaced by the first digit that
    // measures alike beside every character of numbers, packed a character
    // to a code; nullopt for lines that are empty, not numbers or too long to
    // pack.
    std::optional<std::uint64_t> NumberPattern(QStringView line);
    int NumberWidth(std::uint64_t pattern);
    // Shaping the digits' pairs takes a while: done at the first digit met.
    void MeasureDigits();

    QFont font_;
    QFontMetrics metrics_;
    // Pattern codes of the first 128 characters, zero for those that numbers
    // do not have; digits take the code of their stand-ins.
    std::array<std::uint8_t, 128> codes_{};
    QHash<std::uint64_t, int> numberWidths_;
    // Qt 6.4's string hash with a seed, the one QHash uses, costs some 0.3 us
    // on processors with AVX-512 and leaves their vector registers in a state
    // that slows the code after it (Open of a large project by a fifth);
    // without a seed it takes a plain path.
    struct TextHash {
        size_t operator()(const QString& text) const { return qHash(text, 0); }
    };
    std::unordered_map<QString, int, TextHash> textWidths_;
};
