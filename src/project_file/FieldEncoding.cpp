#include "project_file/FieldEncoding.h"

#include <array>
#include <cstdint>

namespace FieldEncoding {
namespace {

// Windows-1252 bytes 0x80 to 0x9F; the others above 0x7F are Latin-1.
constexpr std::array<char32_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool IsUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        // Most texts are ASCII throughout.
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length = 0;
        // The range of the second byte keeps out overlong forms, surrogates and
        // code points past U+10FFFF.
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (bytes.size() - i < length) {
            return false;
        }
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        if (second < low || second > high) {
            return false;
        }
        for (size_t k = 2; k < length; ++k) {
            if (!IsContinuation(static_cast<unsigned char>(bytes[i + k]))) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(out, byte >= 0x80 && byte <= 0x9F ? Windows1252High[byte - 0x80] : byte);
    }
    return out;
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t length = 0;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (!IsContinuation(byte)) {
            // A four-byte sequence lies outside the basic plane: a surrogate pair.
            length += byte >= 0xF0 ? 2 : 1;
        }
    }
    return length;
}

} // namespace FieldEncoding
