#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The Tapered Inlet Design window's section.
void WriteTaperedInletDesignInfo(RecordWriter& out);
void ReadTaperedInletDesignInfo(FieldReader& in);

} // namespace FileHandling
