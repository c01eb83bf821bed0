#pragma once

class FieldReader;
class FrmTailwaterQDepth;
class RecordWriter;

namespace FileHandling {

// The tailwater Q-depth window's section.
void WriteTWQDepthInfo(RecordWriter& out, const FrmTailwaterQDepth& window);
void ReadTWQDepthInfo(FieldReader& in, FrmTailwaterQDepth& window);

} // namespace FileHandling
