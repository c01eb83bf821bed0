#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Widths in pixels of cell texts in one font, each equal to what
// QFontMetrics::horizontalAdvance gives, for fitting columns of thousands of
// cells. Shaping a text is slow, so each distinct text is shaped once, and
// numbers that differ only in digits the font draws alike count as one text:
// in most fonts every digit has the same advance and kerns with its neighbours
// as every other digit does, so "1,234.56" and "9,870.12" measure the same.
class CellTextWidths {
public:
    explicit CellTextWidths(const QFont& font);

    // The width of the widest line of a text whose lines end at CR LF, CR or LF.
    int WidestLine(const QString& text);

private:
    int LineWidth(const QString& text, qsizetype start, qsizetype end);
    // The line as a number with each digit replaced by the first digit that
    // measures alike beside every character of numbers, packed four bits a
    // character; nullopt for lines that are not numbers or are too long to pack.
    std::optional<std::uint64_t> NumberPattern(QStringView line);
    int NumberWidth(std::uint64_t pattern);

    QFont font_;
    QFontMetrics metrics_;
    // Found at the first number met: shaping the digits' pairs takes a while.
    std::optional<std::array<char16_t, 10>> digitStandIns_;
    QHash<std::uint64_t, int> numberWidths_;
    QHash<QString, int> textWidths_;
};
