#pragma once

#include <string>
#include <string_view>

// The comma-separated text files the program exports: every field a text in
// double quotes (a double quote inside it doubled, so that spreadsheets read it
// back whole), lines ended by CR LF. Lines are built from three writes, so that
// a line may end with or without a comma after its last field.
class TextExportWriter {
public:
    // The field, then a comma.
    TextExportWriter& ContinuedField(std::string_view text);
    // The field, then CR LF.
    void ClosingField(std::string_view text);
    // CR LF alone: closes a line of continued fields, or makes an empty line.
    void LineEnd();

    const std::string& Output() const { return output_; }

private:
    void Quoted(std::string_view text);

    std::string output_;
};
