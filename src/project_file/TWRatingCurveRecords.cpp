#include "project_file/TWRatingCurveRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

namespace TWRatingCurveRecords {
namespace {

static_assert(MaxRow <= ProjectFileFormat::MaxGridRow);

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::TailWaterRatingCurveInfo).Integer(item);
}

} // namespace

// The table's cells keep their blanks: only the text escape applies. A table
// without a depth in its first row is not written at all.
void Write(RecordWriter& out, const Data& data) {
    Record(out, 2).Text(Tools::StoredText(data.stepSize)).EndRecord();
    if (data.rows.empty() || Tools::TrimBlanks(data.rows.front()[1]).empty()) {
        return;
    }
    for (size_t r = 0; r < data.rows.size(); ++r) {
        Record(out, 3).Integer(static_cast<int>(r) + 1);
        for (const std::string& text : data.rows[r]) {
            out.Text(Tools::ReplaceDoubleQuotes(text));
        }
        out.EndRecord();
    }
}

void ReadRecord(FieldReader& in, Target& target) {
    const int item = in.ReadInteger();
    switch (item) {
    case 2:
        target.SetStepSize(in.ReadText());
        break;
    case 3: {
        const int row = in.ReadInteger();
        RowTexts cells;
        for (std::string& text : cells) {
            text = in.ReadText();
        }
        if (row < 1 || row > MaxRow) {
            SkippedRecord::Skip(SkippedRecord::OutsideGrid);
        }
        if (row >= target.Rows()) {
            target.SetRows(row + 1);
        }
        for (int c = 0; c < NumColumns; ++c) {
            target.SetCell(row, c, cells[static_cast<size_t>(c)]);
        }
        break;
    }
    default:
        SkippedRecord::Skip(SkippedRecord::UnknownItem);
    }
}

} // namespace TWRatingCurveRecords
