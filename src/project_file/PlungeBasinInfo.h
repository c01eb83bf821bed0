#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The NE Plunge Basin Design window's section.
void WriteNEPlungeBasinInfo(RecordWriter& out);
void ReadNEPlungeBasinInfo(FieldReader& in);

} // namespace FileHandling
