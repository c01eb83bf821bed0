#include "project_file/USGSRunoffRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

namespace USGSRunoffRecords {
namespace {

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::USGSRunoffInfo).Integer(item);
}

// One record per text, numbered from `first`.
void WriteIndexed(RecordWriter& out, int item, const std::vector<std::string>& texts, int first) {
    for (size_t i = 0; i < texts.size(); ++i) {
        Record(out, item)
            .Integer(static_cast<int>(i) + first)
            .Text(Tools::StoredText(texts[i]))
            .EndRecord();
    }
}

} // namespace

void Write(RecordWriter& out, const Data& data) {
    WriteIndexed(out, static_cast<int>(Boxes::DrainageArea), data.drainageAreas, 0);
    WriteIndexed(out, static_cast<int>(Boxes::WatershedChar), data.watershedChars, 0);
    WriteIndexed(out, 3, data.qs, 1);
    Record(out, 4).Text(Tools::StoredText(data.totalDA)).EndRecord();
}

void ReadRecord(FieldReader& in, Target& target) {
    const int item = in.ReadInteger();
    switch (item) {
    case static_cast<int>(Boxes::DrainageArea):
    case static_cast<int>(Boxes::WatershedChar): {
        const auto boxes = static_cast<Boxes>(item);
        const int index = in.ReadInteger();
        const std::string text = in.ReadText();
        if (index < 0 || index >= target.BoxCount(boxes)) {
            SkippedRecord::Skip(SkippedRecord::OutsideBoxes);
        }
        target.SetBoxText(boxes, index, text);
        break;
    }
    case 3: {
        const int row = in.ReadInteger();
        const std::string text = in.ReadText();
        if (row < 1 || row >= target.ResultRows()) {
            SkippedRecord::Skip(SkippedRecord::OutsideGrid);
        }
        target.SetQ(row, text);
        break;
    }
    case 4:
        target.SetTotalDA(in.ReadText());
        break;
    default:
        SkippedRecord::Skip(SkippedRecord::UnknownItem);
    }
}

} // namespace USGSRunoffRecords
