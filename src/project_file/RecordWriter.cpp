#include "project_file/RecordWriter.h"

void RecordWriter::Separate() {
    if (!atRecordStart_) {
        output_ += ',';
    }
    atRecordStart_ = false;
}

RecordWriter& RecordWriter::Text(std::string_view value) {
    Separate();
    output_ += '"';
    output_ += value;
    output_ += '"';
    return *this;
}

RecordWriter& RecordWriter::Integer(int value) {
    Separate();
    output_ += std::to_string(value);
    return *this;
}

void RecordWriter::EndRecord() {
    output_ += "\r\n";
    atRecordStart_ = true;
}
