#include "project_file/RecordNames.h"

#include "platform/AppError.h"
#include "project_file/FieldEncoding.h"
#include "project_file/Tools.h"

#include <array>
#include <cstdio>
#include <vector>

namespace RecordNames {
namespace {

// The names of the ASCII control characters, as text editors show them.
constexpr std::array<std::string_view, 32> ControlNames = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",
    "VT",  "FF",  "CR",  "SO",  "SI",  "DLE", "DC1", "DC2", "DC3", "DC4", "NAK",
    "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The name of the control (or invisible) character that starts `text` and
// how many bytes it takes; an empty name for any other character.
std::pair<std::string, size_t> ControlAt(std::string_view text) {
    const auto first = static_cast<unsigned char>(text[0]);
    if (first < ControlNames.size()) {
        return {std::string(ControlNames[first]), 1};
    }
    if (first == 0x7F) {
        return {"DEL", 1};
    }
    // U+0080 to U+009F, the second block of control characters, in UTF-8.
    if (first == 0xC2 && text.size() > 1 && static_cast<unsigned char>(text[1]) >= 0x80 &&
        static_cast<unsigned char>(text[1]) <= 0x9F) {
        char code[8];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned char>(text[1]));
        return {code, 2};
    }
    // The zero-width no-break space, which shows nothing where it stands.
    if (text.starts_with(FieldEncoding::ZeroWidthNoBreakSpace)) {
        return {"U+FEFF", FieldEncoding::ZeroWidthNoBreakSpace.size()};
    }
    return {"", 0};
}

} // namespace

std::string ShownText(std::string_view text) {
    constexpr size_t MaxShown = 40;
    std::string kept(Tools::TrimBlanks(text));
    bool cut = false;
    if (kept.size() > MaxShown) {
        size_t end = MaxShown;
        while (end > 0 && IsUtf8Continuation(kept[end])) {
            --end; // not inside a UTF-8 character
        }
        kept.resize(end);
        cut = true;
    }
    std::string shown;
    for (size_t i = 0; i < kept.size();) {
        const auto [name, length] = ControlAt(std::string_view(kept).substr(i));
        if (length == 0) {
            shown += kept[i++];
        } else {
            shown += "<" + name + ">";
            i += length;
        }
    }
    return cut ? shown + "..." : shown;
}

std::string Named(std::string_view what, int line, const ProjectFileFormat::SectionFormat& section,
                  FieldReader record) {
    std::string name = std::string(what) + " (line " + std::to_string(line) + ", section " +
                       std::string(section.marker);
    const std::vector<std::string_view> leading =
        section.itemNumbers ? std::vector<std::string_view>{"item"}
                            : std::vector<std::string_view>{"group", "index"};
    try {
        // A field on the line after the marker's belongs to another record.
        for (size_t i = 0; i < leading.size() && !record.AtLineStart(); ++i) {
            name += ", " + std::string(leading[i]) + " " + ShownText(record.ReadText());
        }
    } catch (const AppError&) {
        // The name stops at what the record holds.
    }
    return name + ")";
}

} // namespace RecordNames
