#pragma once

class FieldReader;
class FrmTailWaterRatingCurve;
class RecordWriter;

namespace FileHandling {

// The rating curve window's section.
void WriteTWRatingCurveInfo(RecordWriter& out, const FrmTailWaterRatingCurve& window);
void ReadTWRatingCurveInfo(FieldReader& in, FrmTailWaterRatingCurve& window);

} // namespace FileHandling
