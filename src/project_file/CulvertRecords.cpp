#include "project_file/CulvertRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

namespace CulvertRecords {
namespace {

RecordWriter& Record(RecordWriter& out, std::string_view marker, int item) {
    return out.Text(marker).Integer(item);
}

bool Within(int value, int count) {
    return value >= 0 && value < count;
}

} // namespace

void WriteTypeInletSize(RecordWriter& out, std::string_view marker, int culvertTypeID, int inletID,
                        int standardSizeID) {
    Record(out, marker, 7)
        .Integer(culvertTypeID)
        .Integer(inletID)
        .Integer(standardSizeID)
        .EndRecord();
}

void WriteUserSize(RecordWriter& out, std::string_view marker,
                   const std::array<std::string, NumUserSizes>& userSizes,
                   int userNumBarrelsPosition, bool userSizeOption) {
    for (int i = 0; i < NumUserSizes; ++i) {
        const std::string& size = userSizes[static_cast<size_t>(i)];
        if (!Tools::TrimBlanks(size).empty()) {
            Record(out, marker, 10).Integer(i).Text(Tools::StoredText(size)).EndRecord();
        }
    }
    Record(out, marker, 11).Integer(userNumBarrelsPosition).EndRecord();
    Record(out, marker, 12).Integer(userSizeOption ? 1 : 0).EndRecord();
}

void ReadItem(int item, FieldReader& in, Target& target) {
    switch (item) {
    case 7: {
        const int culvertTypeID = in.ReadInteger();
        const int inletID = in.ReadInteger();
        const int standardSizeID = in.ReadInteger();
        if (!target.SetCulvertInletSize(culvertTypeID, inletID, standardSizeID)) {
            SkippedRecord::Skip(SkippedRecord::NotInCatalogue);
        }
        return;
    }
    case 10: {
        const int index = in.ReadInteger();
        const std::string text = in.ReadText();
        if (!Within(index, target.UserSizeBoxes())) {
            SkippedRecord::Skip(SkippedRecord::OutsideBoxes);
        }
        target.SetUserSize(index, text);
        return;
    }
    case 11:
        if (const int position = in.ReadInteger(); Within(position, target.BarrelPositions())) {
            target.SelectBarrelPosition(position);
        } else if (position != NoPosition) {
            SkippedRecord::Skip(SkippedRecord::OutsideList);
        }
        return;
    case 12:
        if (const int option = in.ReadInteger(); Within(option, target.SizeOptions())) {
            target.SelectSizeOption(option);
        } else {
            SkippedRecord::Skip(SkippedRecord::OutsideOptions);
        }
        return;
    default:
        SkippedRecord::Skip(SkippedRecord::UnknownItem);
    }
}

} // namespace CulvertRecords
