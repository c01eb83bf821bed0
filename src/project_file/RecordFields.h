#pragma once

#include <cstddef>
#include <string_view>

// The fields of records that a FieldReader has read, split again by its rules
// straight from their characters, without its checks, its copies and its
// conversion to UTF-8: a second look at a whole file's records that costs
// little beside the first.
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
    bool NextQuoted() const;
    // The next field; past the end, an empty one.
    Field Next();
    // Where the next field begins, in characters of the text.
    size_t Offset() const { return pos_; }

private:
    void EndField();

    std::string_view text_;
    size_t pos_ = 0;
    bool oneLine_ = false;
    bool lineEnded_ = false;
};
