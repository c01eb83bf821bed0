#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The Drop Inlet Design window's section.
void WriteDropInletDesignInfo(RecordWriter& out);
void ReadDropInletDesignInfo(FieldReader& in);

} // namespace FileHandling
