#pragma once

class FieldReader;
class RecordWriter;

namespace FileHandling {

// The site identification window's section: its eight text boxes.
void WriteSiteIDInfo(RecordWriter& out);
void ReadSiteIDInfo(FieldReader& in);

} // namespace FileHandling
