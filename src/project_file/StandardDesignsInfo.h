#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The VSHA Standard Designs window's section.
void WriteVSHAStandardDesignInfo(RecordWriter& out);
void ReadVSHAStandardDesignInfo(FieldReader& in);

} // namespace FileHandling
