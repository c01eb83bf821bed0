#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The NE Scour Hole Design window's section.
void WriteNEScourHoleInfo(RecordWriter& out);
void ReadNEScourHoleInfo(FieldReader& in);

} // namespace FileHandling
