#include "project_file/Tools.h"

#include <algorithm>
#include <cctype>

namespace Tools {

std::string_view TrimBlanks(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool ContainsIgnoringCase(std::string_view text, std::string_view word) {
    auto equal = [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
               std::toupper(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), word.begin(), word.end(), equal) != text.end();
}

bool EqualIgnoringCase(std::string_view text, std::string_view word) {
    return text.size() == word.size() && ContainsIgnoringCase(text, word);
}

std::string ReplaceDoubleQuotes(std::string_view text) {
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        return {};
    }
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        if (c == '"') {
            escaped += "''";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string StoredText(std::string_view text) {
    return ReplaceDoubleQuotes(TrimBlanks(text));
}

} // namespace Tools
