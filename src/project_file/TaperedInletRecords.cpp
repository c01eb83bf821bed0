#include "project_file/TaperedInletRecords.h"

#include "project_file/FieldReader.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

namespace TaperedInletRecords {
namespace {

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::TaperedInletDesignInfo).Integer(item);
}

void WriteText(RecordWriter& out, Box box, const std::string& text) {
    Record(out, static_cast<int>(box)).Text(Tools::StoredText(text)).EndRecord();
}

void ReadResultCell(FieldReader& in, Target& target) {
    const int row = in.ReadInteger();
    const int col = in.ReadInteger();
    const std::string text = in.ReadText();
    if (row < 1 || row > MaxResultRow || col < 1 || col > target.ResultCols() - 1) {
        SkippedRecord::Skip(SkippedRecord::OutsideGrid);
    }
    // One empty row stays below the highest row read.
    if (row > target.ResultRows() - 2) {
        target.SetResultRows(row + 2);
    }
    target.SetResultCell(row, col, text);
}

} // namespace

void Write(RecordWriter& out, const Data& data) {
    WriteText(out, Box::Q, data.q);
    WriteText(out, Box::HMax, data.hMax);
    WriteText(out, Box::HMin, data.hMin);
    for (std::size_t r = 0; r < data.resultRows.size(); ++r) {
        const auto& row = data.resultRows[r];
        for (std::size_t c = 1; c < row.size(); ++c) {
            if (!Tools::TrimBlanks(row[c]).empty()) {
                Record(out, 4)
                    .Integer(static_cast<int>(r) + 1)
                    .Integer(static_cast<int>(c))
                    .Text(Tools::StoredText(row[c]))
                    .EndRecord();
            }
        }
    }
    Record(out, 5).Integer(data.selectedRow).EndRecord();
    Record(out, 6).Integer(data.includeMultipleBarrels ? 1 : 0).EndRecord();
}

void ReadRecord(FieldReader& in, Target& target) {
    switch (const int item = in.ReadInteger()) {
    case 1:
    case 2:
    case 3:
        target.SetBoxText(static_cast<Box>(item), in.ReadText());
        break;
    case 4:
        ReadResultCell(in, target);
        break;
    case 5: {
        const int row = in.ReadInteger();
        // 0 is the writer's own mark for no selection. A row below the last
        // may be one that a later record grows the grid to: the window marks
        // it then, and if none does, the read counts the selection among what
        // a save would not write back.
        const bool named = row >= 0 && row <= MaxResultRow;
        target.SetDesignSelectRow(row);
        if (!named) {
            SkippedRecord::Skip(SkippedRecord::NoSuchDesign);
        }
        break;
    }
    case 6: {
        const int flag = in.ReadInteger();
        target.SetIncludeMultipleBarrels(flag == 1);
        SkippedRecord::CheckFlag(flag);
        break;
    }
    default:
        SkippedRecord::Skip(SkippedRecord::UnknownItem);
    }
}

} // namespace TaperedInletRecords
