#pragma once

#include <string>
#include <string_view>

// Builds the text of a project file record by record: fields separated by one
// comma, texts in double quotes, integers bare, each record ended by CR LF.
class RecordWriter {
public:
    // A text field, written between double quotes exactly as given; callers
    // pass stored texts, which hold no double quote.
    RecordWriter& Text(std::string_view value);
    RecordWriter& Integer(int value);
    // Ends the record begun by the fields written since the last end.
    void EndRecord();

    const std::string& Output() const { return output_; }

private:
    void Separate();

    std::string output_;
    bool atRecordStart_ = true;
};
