#pragma once

#include "project_file/FieldSyntax.h"

#include <cstddef>
#include <string_view>

// The fields of records that a FieldReader has read, split again by its rules
// straight from their characters, without its checks, its copies and its
// conversion to UTF-8: a second look at a whole file's records that costs
// little beside the first. Inline, as it runs for every field of a file.
class RecordFields {
public:
    struct Field {
        std::string_view text; // as FieldReader::ReadText gives it, unconverted
        bool quoted;
    };

    explicit RecordFields(std::string_view text) : text_(text) {}

    // Past the last field of the text, or after StartLine past the field that
    // ended the line.
    bool AtEnd() const { return pos_ >= text_.size() || (oneLine_ && lineEnded_); }
    // From here on, the fields to the end of the line only.
    void StartLine() {
        oneLine_ = true;
        lineEnded_ = false;
    }
    bool NextQuoted() const { return Quoted(SkipBlanks(pos_)); }
    // The next field; past the end, an empty one.
    Field Next();
    // Where the next field begins, in characters of the text.
    size_t Offset() const { return pos_; }

private:
    size_t SkipBlanks(size_t pos) const {
        while (pos < text_.size() && FieldSyntax::IsBlank(text_[pos])) {
            ++pos;
        }
        return pos;
    }
    bool Quoted(size_t pos) const { return pos < text_.size() && text_[pos] == '"'; }
    void EndField();

    std::string_view text_;
    size_t pos_ = 0;
    bool oneLine_ = false;
    bool lineEnded_ = false;
};

inline RecordFields::Field RecordFields::Next() {
    if (AtEnd()) {
        return {{}, false};
    }
    pos_ = SkipBlanks(pos_);
    Field field{{}, Quoted(pos_)};
    if (field.quoted) {
        const size_t close = text_.find('"', pos_ + 1);
        const size_t end = close == std::string_view::npos ? text_.size() : close;
        field.text = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = close == std::string_view::npos ? text_.size() : close + 1;
    } else {
        const size_t end = FieldSyntax::FieldEnd(text_, pos_);
        field.text = FieldSyntax::TrimBlanks(text_.substr(pos_, end - pos_));
        pos_ = end;
    }
    EndField();
    return field;
}

inline void RecordFields::EndField() {
    const size_t end = FieldSyntax::FieldEnd(text_, pos_);
    lineEnded_ = end == text_.size() || text_[end] != ',';
    pos_ = end == text_.size() ? end : end + 1;
    if (end < text_.size() && text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') {
        ++pos_;
    }
}
