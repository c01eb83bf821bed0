#include "project_file/FieldReader.h"

#include "platform/AppError.h"
#include "platform/FieldLimit.h"
#include "project_file/FieldEncoding.h"
#include "project_file/FieldSyntax.h"

#include <algorithm>
#include <charconv>

namespace {

using FieldSyntax::FieldEnd;
using FieldSyntax::IsBlank;
using FieldSyntax::TrimBlanks;

[[noreturn]] void ThrowPastEnd() {
    throw AppError(ReadError::InputPastEndOfFile, "Input past end of file");
}

} // namespace

void FieldReader::EndField() {
    const size_t end = FieldEnd(content_, pos_);
    lastFieldEnd_ = end;
    if (end == content_.size()) {
        pos_ = end;
        return;
    }
    pos_ = end + 1;
    if (content_[end] == ',') {
        return;
    }
    ++line_;
    if (content_[end] == '\r' && pos_ < content_.size() && content_[pos_] == '\n') {
        ++pos_;
    }
}

std::string_view FieldReader::ReadValue() {
    if (AtEnd()) {
        ThrowPastEnd();
    }
    const size_t start = pos_;
    while (pos_ < content_.size() && IsBlank(content_[pos_])) {
        ++pos_;
    }
    lastFieldStart_ = pos_;
    std::string_view value;
    if (pos_ < content_.size() && content_[pos_] == '"') {
        size_t close = content_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            // The unclosed text runs over every line left.
            line_ += LineEnds(content_.substr(start));
            pos_ = content_.size();
            lastFieldEnd_ = pos_;
            ThrowPastEnd();
        }
        value = content_.substr(pos_ + 1, close - pos_ - 1);
        // A line end inside a field stands within its quotes; one after it
        // ends the field.
        line_ += LineEnds(value);
        pos_ = close + 1;
        const size_t tail = content_.find_first_not_of(" \t", pos_);
        if (tail != std::string_view::npos && content_[tail] != ',' && content_[tail] != '\r' &&
            content_[tail] != '\n') {
            ++droppedTails_;
        }
    } else {
        const size_t end = FieldEnd(content_, pos_);
        value = TrimBlanks(content_.substr(pos_, end - pos_));
        pos_ = end;
    }
    EndField();
    return value;
}

std::string FieldReader::ReadText() {
    std::string converted;
    return std::string(ReadText(converted));
}

std::string_view FieldReader::ReadText(std::string& converted) {
    const std::string_view value = ReadValue();
    std::string_view text = value;
    if (!FieldEncoding::IsUtf8(value)) {
        converted = FieldEncoding::Windows1252ToUtf8(value);
        text = converted;
    }
    // A text counts no more UTF-16 units than it has bytes.
    if (text.size() > FieldLimit::MaxLength &&
        FieldEncoding::Utf16Length(text) > FieldLimit::MaxLength) {
        throw AppError(ReadError::FieldTooLong, "A field of the file is longer than " +
                                                    std::to_string(FieldLimit::MaxLength) +
                                                    " characters");
    }
    return text;
}

int FieldReader::LineEnds(std::string_view text) {
    // Texts seldom hold line ends; two searches find none quicker than a
    // look at each character.
    if (text.find('\n') == std::string_view::npos && text.find('\r') == std::string_view::npos) {
        return 0;
    }
    int ends = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++ends;
        }
    }
    return ends;
}

bool FieldReader::NextFieldQuoted() const {
    size_t first = pos_;
    while (first < content_.size() && IsBlank(content_[first])) {
        ++first;
    }
    return first < content_.size() && content_[first] == '"';
}

bool FieldReader::AtLineStart() const {
    return pos_ == 0 || content_[pos_ - 1] == '\n' || content_[pos_ - 1] == '\r';
}

int FieldReader::ReadInteger() {
    std::string converted;
    const std::string_view text = ReadText(converted);
    int value = 0;
    const std::errc error = ParseInteger(TrimBlanks(text), value);
    if (error == std::errc::invalid_argument) {
        throw AppError(ErrorNumber::TypeMismatch, "Type mismatch");
    }
    if (error != std::errc()) {
        throw AppError(ErrorNumber::Overflow, "Overflow");
    }
    return value;
}

std::errc FieldReader::ParseInteger(std::string_view digits, int& value) {
    const size_t start = !digits.empty() && digits.front() == '-' ? 1 : 0;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (digits.size() == start ||
        !std::all_of(digits.begin() + static_cast<std::ptrdiff_t>(start), digits.end(), digit)) {
        return std::errc::invalid_argument;
    }
    // Digits only: the conversion takes them all or overflows.
    return std::from_chars(digits.data(), digits.data() + digits.size(), value).ec;
}
