#pragma once

class FieldReader;
class FrmTailWaterCrossSection;
class RecordWriter;

namespace FileHandling {

// The channel cross-section window's section.
void WriteTWCrossSectionInfo(RecordWriter& out, const FrmTailWaterCrossSection& window);
void ReadTWCrossSectionInfo(FieldReader& in, FrmTailWaterCrossSection& window);

} // namespace FileHandling
