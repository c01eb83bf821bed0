#include "project_file/FileLines.h"

#include "project_file/FieldSyntax.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/Tools.h"

namespace ProjectFileFormat {
namespace {

// The end record as it stands in the file, in its quotes.
constexpr size_t QuotedEndRecordSize = EndOfFile.size() + 2;

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Where the line after the one that `pos` stands in begins.
size_t NextLineStart(std::string_view content, size_t pos) {
    while (pos < content.size() && !IsLineEnd(content[pos])) {
        ++pos;
    }
    if (pos == content.size()) {
        return pos;
    }
    return pos + (content.substr(pos, 2) == "\r\n" ? 2 : 1);
}

} // namespace

bool IsEndRecord(std::string_view field) {
    return Tools::EqualIgnoringCase(Tools::TrimBlanks(field), EndOfFile);
}

LineHolds HoldsOfFirstField(std::string_view field) {
    if (IsEndRecord(field)) {
        return LineHolds::EndRecord;
    }
    if (Tools::EqualIgnoringCase(field, VersionWord)) {
        return LineHolds::Version;
    }
    // The units line of a header written again may hold the signature too.
    if (Tools::ContainsIgnoringCase(field, UnitsWord)) {
        return LineHolds::Units;
    }
    if (Tools::ContainsIgnoringCase(field, Signature)) {
        return LineHolds::Signature;
    }
    return LineHolds::Other;
}

bool EndsInJoinedEndRecord(std::string_view field) {
    field = FieldSyntax::TrimBlanks(field);
    if (field.size() <= QuotedEndRecordSize || field.back() != '"') {
        return false;
    }
    const size_t opening = field.size() - QuotedEndRecordSize;
    if (field[opening] != '"' || !IsEndRecord(field.substr(opening + 1, EndOfFile.size()))) {
        return false;
    }
    // A quoted field's own closing quote is no end record's opening quote.
    return field.front() != '"' || field.find('"', 1) < opening;
}

std::string_view WithoutJoinedEndRecord(std::string_view value) {
    const std::string_view trimmed = FieldSyntax::TrimBlanks(value);
    if (!EndsInJoinedEndRecord(trimmed)) {
        return value;
    }
    return Tools::TrimBlanks(trimmed.substr(0, trimmed.size() - QuotedEndRecordSize));
}

FileLine ReadLine(std::string_view content, size_t start) {
    FileLine line;
    bool blank = true;
    bool lastGlued = false;
    bool anyGlued = false;
    bool endRecordAfterFirst = false;
    size_t pos = start;
    for (bool first = true;; first = false) {
        while (pos < content.size() && FieldSyntax::IsBlank(content[pos])) {
            ++pos;
        }
        const size_t fieldStart = pos;
        std::string_view value;
        if (pos < content.size() && content[pos] == '"') {
            size_t close = pos + 1;
            while (close < content.size() && content[close] != '"' && !IsLineEnd(content[close])) {
                ++close;
            }
            value = content.substr(pos + 1, close - pos - 1);
            pos = close < content.size() && content[close] == '"' ? close + 1 : close;
        } else {
            const size_t end = FieldSyntax::FieldEnd(content, pos);
            value = content.substr(pos, end - pos);
            pos = end;
        }
        const size_t fieldEnd = FieldSyntax::FieldEnd(content, pos);
        value = FieldSyntax::TrimBlanks(value);
        blank = blank && value.empty() &&
                FieldSyntax::TrimBlanks(content.substr(pos, fieldEnd - pos)).empty();
        if (first) {
            line.first = value;
        } else {
            endRecordAfterFirst = endRecordAfterFirst || IsEndRecord(value);
        }
        lastGlued = EndsInJoinedEndRecord(content.substr(fieldStart, fieldEnd - fieldStart));
        anyGlued = anyGlued || lastGlued;
        pos = fieldEnd;
        if (pos == content.size() || content[pos] != ',') {
            break;
        }
        ++pos;
    }
    line.next = NextLineStart(content, pos);
    line.holds = blank ? LineHolds::Nothing : HoldsOfFirstField(line.first);
    const bool record = SectionNumberIgnoringCase(line.first) != 0;
    line.endRecordJoined = lastGlued || (!record && (anyGlued || endRecordAfterFirst));
    return line;
}

bool EndRecordOnALineAfter(std::string_view content, size_t from, size_t to) {
    for (size_t pos = NextLineStart(content, from); pos < to && pos < content.size();) {
        const FileLine line = ReadLine(content, pos);
        if (line.HoldsEndRecord()) {
            return true;
        }
        pos = line.next;
    }
    return false;
}

} // namespace ProjectFileFormat
