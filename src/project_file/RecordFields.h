#pragma once

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
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }
    size_t SkipBlanks(size_t pos) const {
        while (pos < text_.size() && IsBlank(text_[pos])) {
            ++pos;
        }
        return pos;
    }
    bool Quoted(size_t pos) const { return pos < text_.size() && text_[pos] == '"'; }
    // Where the field from `pos` ends: at the next comma or line end, else
    // at the end of the text. A loop of its own: find_first_of looks for
    // each character of the set in turn, several times slower on short fields.
    size_t FieldEnd(size_t pos) const {
        while (pos < text_.size() && text_[pos] != ',' && text_[pos] != '\r' &&
               text_[pos] != '\n') {
            ++pos;
        }
        return pos;
    }
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
        size_t end = FieldEnd(pos_);
        const size_t start = pos_;
        pos_ = end;
        while (end > start && IsBlank(text_[end - 1])) {
            --end;
        }
        field.text = text_.substr(start, end - start);
    }
    EndField();
    return field;
}

inline void RecordFields::EndField() {
    const size_t end = FieldEnd(pos_);
    lineEnded_ = end == text_.size() || text_[end] != ',';
    pos_ = end == text_.size() ? end : end + 1;
    if (end < text_.size() && text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n') {
        ++pos_;
    }
}
