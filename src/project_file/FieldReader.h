#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

// Faults met while reading a project file, thrown as AppError.
namespace ReadError {
constexpr long InputPastEndOfFile = 62;
constexpr long FieldTooLong = 1062;
// A record read whole whose item, index, row or value names nothing in its
// window: it is skipped, and the read goes on whatever its section does with
// other faults.
constexpr long RecordSkipped = 1063;
} // namespace ReadError

// Reads a project file as a stream of fields rather than lines, so that a
// record's fields can be taken one at a time across its line end.
//
// A field that starts with a double quote runs to the next double quote and
// its value is what lies between them; anything after the closing quote up to
// the next comma or line end is dropped (and counted, when it is more than
// blanks). Any other field runs to the next comma or line end. A comma or a
// line end (CR, LF or CR LF) ends a field. Blanks before a field, and after an
// unquoted one, are not part of it.
class FieldReader {
public:
    // Reads from `content`, which must outlive the reader.
    explicit FieldReader(std::string_view content) : content_(content) {}

    // Everything the reader reads, read or not.
    std::string_view Content() const { return content_; }
    // True once every character has been read.
    bool AtEnd() const { return pos_ >= content_.size(); }
    // How far the reader has come, in characters of the content.
    size_t Offset() const { return pos_; }
    // The characters read since `earlier`, a copy of this reader taken before.
    std::string_view ReadSince(const FieldReader& earlier) const {
        return content_.substr(earlier.pos_, pos_ - earlier.pos_);
    }
    // The line (from 1) on which the next field begins.
    int Line() const { return line_; }
    // Goes on from the line that begins at `offset` of the content, the
    // file's line `line`.
    void MoveToLine(size_t offset, int line) {
        pos_ = offset;
        line_ = line;
    }
    // Whether the next field stands in double quotes, as texts do.
    bool NextFieldQuoted() const;
    // Whether the field read last ended its line (or nothing was read yet).
    bool AtLineStart() const;
    // The field read last as the file holds it: from its first character
    // after the blanks before it to the comma or line end after it, quotes
    // and what follows its closing quote included.
    std::string_view LastField() const {
        return content_.substr(lastFieldStart_, lastFieldEnd_ - lastFieldStart_);
    }
    // How many quoted fields read so far had more than blanks between their
    // closing quote and the comma or line end after it, which the read drops.
    int DroppedTails() const { return droppedTails_; }

    // Line ends in `text`: LF, CR LF or a CR alone.
    static int LineEnds(std::string_view text);

    // The next field's value in UTF-8 (a field that is not valid UTF-8 is read
    // as Windows-1252). Throws AppError at the end of the file, inside an
    // unclosed quote, and for a field longer than FieldLimit::MaxLength (which is
    // skipped whole first).
    std::string ReadText();
    // The same without a copy: the file's own characters where they are
    // UTF-8, as every file this program writes holds them, else `converted`,
    // which then holds them converted. Valid while the content and
    // `converted` are.
    std::string_view ReadText(std::string& converted);
    // The next field as a 32-bit integer: optional blanks, an optional '-',
    // then decimal digits and nothing else. Throws AppError (type mismatch or
    // overflow) for anything else.
    int ReadInteger();

    // `digits` as ReadInteger takes a field once its blanks are trimmed: an
    // optional '-', then decimal digits and nothing else, into `value`.
    // std::errc::invalid_argument for anything else, and
    // std::errc::result_out_of_range past 32 bits.
    static std::errc ParseInteger(std::string_view digits, int& value);

private:
    // Reads the next field: its characters as the file holds them, inside
    // its quotes or without its blanks.
    std::string_view ReadValue();
    // Passes the comma or line end after a field.
    void EndField();

    std::string_view content_;
    size_t pos_ = 0;
    int line_ = 1;
    int droppedTails_ = 0;
    size_t lastFieldStart_ = 0;
    size_t lastFieldEnd_ = 0;
};
