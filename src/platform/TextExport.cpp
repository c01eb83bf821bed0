#include "platform/TextExport.h"

void TextExportWriter::Quoted(std::string_view text) {
    output_ += '"';
    for (char c : text) {
        if (c == '"') {
            output_ += '"';
        }
        output_ += c;
    }
    output_ += '"';
}

TextExportWriter& TextExportWriter::ContinuedField(std::string_view text) {
    Quoted(text);
    output_ += ',';
    return *this;
}

void TextExportWriter::ClosingField(std::string_view text) {
    Quoted(text);
    LineEnd();
}

void TextExportWriter::LineEnd() {
    output_ += "\r\n";
}
