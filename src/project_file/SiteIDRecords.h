#pragma once

#include <array>
#include <functional>
#include <string>

class FieldReader;
class RecordWriter;

// The site identification section: one text item record per site text.
namespace SiteIDRecords {

inline constexpr int NumItems = 8;

// The texts of items 1 to 8: file number, design number, county, project,
// project number, structure location, stream, designer.
using Texts = std::array<std::string, NumItems>;

// Writes the eight records, each text stored trimmed and escaped.
void Write(RecordWriter& out, const Texts& texts);

// Reads the rest of one record after its marker and hands a known item's text
// to `setText(item, text)`; for an unknown item nothing more is read, and the
// record is skipped as SkippedRecord says, for Open to report.
void ReadRecord(FieldReader& in, const std::function<void(int, const std::string&)>& setText);

} // namespace SiteIDRecords
