#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The HEC-14 Riprap Basin Design window's section.
void WriteHec14RiprapInfo(RecordWriter& out);
void ReadHec14RiprapInfo(FieldReader& in);

} // namespace FileHandling
