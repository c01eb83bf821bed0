#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The USGS 1987 window's section.
void WriteUSGSMavo1987Info(RecordWriter& out);
void ReadUSGSMavo1987Info(FieldReader& in);

} // namespace FileHandling
