#include "project_file/ScourHoleRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

#include <algorithm>

namespace ScourHoleRecords {
namespace {

// Every record carries this after its index; it means nothing.
constexpr int Filler = 1;

bool Known(int item) {
    return std::find(Items.begin(), Items.end(), static_cast<Item>(item)) != Items.end();
}

} // namespace

void Write(RecordWriter& out, const Data& data) {
    for (int index = 0; index < NumIndexes; ++index) {
        for (size_t k = 0; k < Items.size(); ++k) {
            out.Text(ProjectFileFormat::Markers::NEScourHoleInfo)
                .Integer(static_cast<int>(Items[k]))
                .Integer(index)
                .Integer(Filler)
                .Text(Tools::StoredText(data.texts[static_cast<size_t>(index)][k]))
                .EndRecord();
        }
    }
}

void ReadRecord(FieldReader& in, Target& target) {
    const int item = in.ReadInteger();
    if (!Known(item)) {
        SkippedRecord::Skip(SkippedRecord::UnknownItem);
    }
    const int index = in.ReadInteger();
    in.ReadInteger();
    const std::string text = in.ReadText();
    if (index < 0 || index >= NumIndexes) {
        SkippedRecord::Skip(SkippedRecord::OutsideBoxes);
    }
    target.SetText(static_cast<Item>(item), index, text);
}

} // namespace ScourHoleRecords
