#include "project_file/USGSMavo1987Records.h"

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

namespace USGSMavo1987Records {
namespace {

enum Group { DrainageAreas = 0, Discharges = 1 };

void WriteRecord(RecordWriter& out, int group, size_t index, const std::string& text) {
    out.Text(ProjectFileFormat::Markers::USGSMavo1987Info)
        .Integer(group)
        .Integer(static_cast<int>(index))
        .Text(Tools::StoredText(text))
        .EndRecord();
}

} // namespace

void Write(RecordWriter& out, const Data& data) {
    for (size_t i = 0; i < data.drainageAreas.size(); ++i) {
        WriteRecord(out, DrainageAreas, i + 1, data.drainageAreas[i]);
    }
    WriteRecord(out, DrainageAreas, data.drainageAreas.size() + 1, data.totalDA);
    for (size_t i = 0; i < data.qs.size(); ++i) {
        WriteRecord(out, Discharges, i + 1, data.qs[i]);
    }
}

void ReadRecord(FieldReader& in, Target& target) {
    const int group = in.ReadInteger();
    const int index = in.ReadInteger();
    const std::string text = in.ReadText();
    if (group == DrainageAreas && index >= 1 && index <= target.Regions()) {
        target.SetDrainageArea(index, text);
    } else if (group == DrainageAreas && index == target.Regions() + 1) {
        target.SetTotalDA(text);
    } else if (group == Discharges && index >= 1 && index <= target.ReturnPeriods()) {
        target.SetQ(index, text);
    } else {
        SkippedRecord::Skip(SkippedRecord::UnknownGroupOrIndex);
    }
}

} // namespace USGSMavo1987Records
