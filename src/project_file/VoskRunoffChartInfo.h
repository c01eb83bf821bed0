#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The Vosk Runoff Chart window's section.
void WriteVoskRunoffChartInfo(RecordWriter& out);
void ReadVoskRunoffChartInfo(FieldReader& in);

} // namespace FileHandling
