#include "project_file/VoskRunoffChartRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

#include <functional>

namespace VoskRunoffChartRecords {
namespace {

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::VoskRunoffChartInfo).Integer(item);
}

void WriteText(RecordWriter& out, int item, const std::string& text) {
    Record(out, item).Text(Tools::StoredText(text)).EndRecord();
}

bool Inside(int value, int count) {
    return value >= 0 && value < count;
}

// A position outside the list leaves the list as clearing left it, its first
// class selected; only the writer's own mark for no selection is no loss.
void SelectPosition(int position, int count, const std::function<void(int)>& select) {
    if (Inside(position, count)) {
        select(position);
    } else if (position != NoSelection) {
        SkippedRecord::Skip(SkippedRecord::OutsideList);
    }
}

} // namespace

void Write(RecordWriter& out, const Data& data) {
    WriteText(out, static_cast<int>(Box::DrainageArea), data.drainageArea);
    Record(out, 2).Integer(data.lusOption == 1 ? 1 : 0).EndRecord();
    Record(out, 3).Integer(data.landUsePosition).EndRecord();
    Record(out, 4).Integer(data.slopePosition).EndRecord();
    WriteText(out, static_cast<int>(Box::UserDescription), data.userDescription);
    WriteText(out, static_cast<int>(Box::UserLF), data.userLF);
    WriteText(out, 7, data.chartQ);
    for (size_t i = 0; i < data.qs.size(); ++i) {
        Record(out, 8)
            .Integer(static_cast<int>(i) + 1)
            .Text(Tools::StoredText(data.qs[i]))
            .EndRecord();
    }
}

void ReadRecord(FieldReader& in, Target& target) {
    const int item = in.ReadInteger();
    switch (item) {
    case static_cast<int>(Box::DrainageArea):
    case static_cast<int>(Box::UserDescription):
    case static_cast<int>(Box::UserLF):
        target.SetBoxText(static_cast<Box>(item), in.ReadText());
        break;
    case 2:
        if (const int option = in.ReadInteger(); option == 0 || option == 1) {
            target.SelectLUSOption(option);
        } else {
            SkippedRecord::Skip(SkippedRecord::OutsideOptions);
        }
        break;
    case 3:
        SelectPosition(in.ReadInteger(), target.LandUseCount(),
                       [&target](int position) { target.SelectLandUse(position); });
        break;
    case 4:
        SelectPosition(in.ReadInteger(), target.SlopeCount(),
                       [&target](int position) { target.SelectSlope(position); });
        break;
    case 7:
        target.SetChartQ(in.ReadText());
        break;
    case 8: {
        const int row = in.ReadInteger();
        const std::string text = in.ReadText();
        if (row < 1 || row >= target.ResultRows()) {
            SkippedRecord::Skip(SkippedRecord::OutsideGrid);
        }
        target.SetQ(row, text);
        break;
    }
    default:
        SkippedRecord::Skip(SkippedRecord::UnknownItem);
    }
}

} // namespace VoskRunoffChartRecords
