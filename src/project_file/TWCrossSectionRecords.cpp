#include "project_file/TWCrossSectionRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

#include <algorithm>

namespace TWCrossSectionRecords {
namespace {

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::TailWaterCrossSectionInfo).Integer(item);
}

bool Blank(const PointTexts& point) {
    return std::all_of(point.begin(), point.end(),
                       [](const std::string& text) { return Tools::TrimBlanks(text).empty(); });
}

} // namespace

// A point with only some of its cells filled is written whole, so that its
// row keeps its place.
void Write(RecordWriter& out, const Data& data) {
    for (size_t r = 0; r < data.points.size(); ++r) {
        const PointTexts& point = data.points[r];
        if (Blank(point)) {
            continue;
        }
        Record(out, 1).Integer(static_cast<int>(r) + 1);
        for (const std::string& text : point) {
            out.Text(Tools::StoredText(text));
        }
        out.EndRecord();
    }
    Record(out, 2).Text(Tools::StoredText(data.leftOBStation)).EndRecord();
    Record(out, 3).Text(Tools::StoredText(data.rightOBStation)).EndRecord();
    Record(out, 4).Text(Tools::StoredText(data.channelSlope)).EndRecord();
}

void ReadRecord(FieldReader& in, Target& target) {
    const int item = in.ReadInteger();
    switch (item) {
    case 1: {
        const int row = in.ReadInteger();
        PointTexts point;
        for (std::string& text : point) {
            text = in.ReadText();
        }
        if (row < 1 || row > NumPoints) {
            SkippedRecord::Skip(SkippedRecord::OutsideGrid);
        }
        for (int c = 0; c < 3; ++c) {
            target.SetPointCell(row, c + 1, point[static_cast<size_t>(c)]);
        }
        break;
    }
    case 2:
    case 3:
    case 4:
        target.SetBoxText(static_cast<Box>(item), in.ReadText());
        break;
    default:
        SkippedRecord::Skip(SkippedRecord::UnknownItem);
    }
}

} // namespace TWCrossSectionRecords
