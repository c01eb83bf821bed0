#include "project_file/Tools.h"

namespace Tools {

std::string_view TrimBlanks(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
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
