#include "project_file/RecordFields.h"

#include <algorithm>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimFieldBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

bool RecordFields::NextQuoted() const {
    size_t first = pos_;
    while (first < text_.size() && IsBlank(text_[first])) {
        ++first;
    }
    return first < text_.size() && text_[first] == '"';
}

RecordFields::Field RecordFields::Next() {
    if (AtEnd()) {
        return {{}, false};
    }
    while (pos_ < text_.size() && IsBlank(text_[pos_])) {
        ++pos_;
    }
    Field field{{}, pos_ < text_.size() && text_[pos_] == '"'};
    if (field.quoted) {
        const size_t close = text_.find('"', pos_ + 1);
        const size_t end = close == std::string_view::npos ? text_.size() : close;
        field.text = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = close == std::string_view::npos ? text_.size() : close + 1;
    } else {
        const size_t end = std::min(text_.find_first_of(",\r\n", pos_), text_.size());
        field.text = TrimFieldBlanks(text_.substr(pos_, end - pos_));
        pos_ = end;
    }
    EndField();
    return field;
}

void RecordFields::EndField() {
    const size_t end = text_.find_first_of(",\r\n", pos_);
    if (end == std::string_view::npos) {
        pos_ = text_.size();
        lineEnded_ = true;
        return;
    }
    pos_ = end + 1;
    lineEnded_ = text_[end] != ',';
    if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') {
        ++pos_;
    }
}
