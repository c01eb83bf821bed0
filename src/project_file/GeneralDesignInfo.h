#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The General Culvert Design window's section.
void WriteGeneralDesignInfo(RecordWriter& out);
void ReadGeneralDesignInfo(FieldReader& in);

} // namespace FileHandling
