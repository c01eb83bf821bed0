#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The USGS 2001 regression window's section.
void WriteUSGSRunoffInfo(RecordWriter& out);
void ReadUSGSRunoffInfo(FieldReader& in);

} // namespace FileHandling
