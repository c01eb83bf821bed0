#include "project_file/GeneralDesignRecords.h"

#include "general_design/GenDesignResultsTable.h"
#include "project_file/CulvertRecords.h"
#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

namespace GeneralDesignRecords {
namespace {

const std::string Checked = "CHECKED";
const std::string NotChecked = "NOTCHECKED";

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::GeneralDesignInfo).Integer(item);
}

void WriteText(RecordWriter& out, Box box, const std::string& text) {
    Record(out, static_cast<int>(box)).Text(Tools::StoredText(text)).EndRecord();
}

bool Within(int value, int count) {
    return value >= 0 && value < count;
}

void ReadDesignCell(FieldReader& in, Target& target) {
    int row = in.ReadInteger();
    int col = in.ReadInteger();
    std::string text = in.ReadText();
    if (row < 1 || !Within(row, target.DesignRows()) || !Within(col, target.DesignCols())) {
        SkippedRecord::Skip(SkippedRecord::OutsideGrid);
    }
    if (col > 0) {
        target.SetDesignCell(row, col, text);
    } else if (text == Checked) {
        target.TickDesignRow(row);
    } else if (text != NotChecked) {
        SkippedRecord::Skip(SkippedRecord::NotATick);
    }
}

void ReadResultCell(FieldReader& in, Target& target) {
    int row = in.ReadInteger();
    int col = in.ReadInteger();
    std::string text = in.ReadText();
    int flag = in.ReadInteger();
    if (row < 1 || row > ProjectFileFormat::MaxGridRow || !Within(col, target.ResultCols())) {
        SkippedRecord::Skip(SkippedRecord::OutsideGrid);
    }
    if (row >= target.ResultRows()) {
        target.SetResultRows(row + 1);
    }
    if (flag == 1) {
        target.ColourResultCellRed(row, col);
    }
    target.SetResultCell(row, col, text);
    SkippedRecord::CheckFlag(flag);
}

// Items 8 and 9 come back with the blank that the window puts in front of the
// catalogue's defaults.
void ReadBoxText(FieldReader& in, Target& target, Box box) {
    std::string text = in.ReadText();
    if (box == Box::ManningN || box == Box::KeInlet) {
        text = " " + text;
    }
    target.SetBoxText(box, text);
}

} // namespace

void Write(RecordWriter& out, const Data& data) {
    for (size_t r = 0; r < data.designRows.size(); ++r) {
        const DesignRow& row = data.designRows[r];
        int gridRow = static_cast<int>(r) + 1;
        Record(out, 1)
            .Integer(gridRow)
            .Integer(0)
            .Text(row.used ? Checked : NotChecked)
            .EndRecord();
        for (size_t c = 0; c < row.cells.size(); ++c) {
            Record(out, 1)
                .Integer(gridRow)
                .Integer(static_cast<int>(c) + 1)
                .Text(Tools::StoredText(row.cells[c]))
                .EndRecord();
        }
    }
    for (size_t r = 0; r < data.resultRows.size(); ++r) {
        const auto& row = data.resultRows[r];
        // Results fill the grid from the top; the first row without a
        // discharge ends them.
        if (row.size() <= GenDesignResults::Q ||
            Tools::TrimBlanks(row[GenDesignResults::Q].text).empty()) {
            break;
        }
        for (size_t c = 0; c < row.size(); ++c) {
            Record(out, 2)
                .Integer(static_cast<int>(r) + 1)
                .Integer(static_cast<int>(c))
                .Text(Tools::StoredText(row[c].text))
                .Integer(row[c].red ? 1 : 0)
                .EndRecord();
        }
    }
    WriteText(out, Box::InletInvertElevation, data.inletInvertElevation);
    WriteText(out, Box::OutletInvertElevation, data.outletInvertElevation);
    WriteText(out, Box::CulvertBarrelLength, data.culvertBarrelLength);
    WriteText(out, Box::AllowableHeadWaterElevation, data.allowableHeadWaterElevation);
    const std::string_view marker = ProjectFileFormat::Markers::GeneralDesignInfo;
    CulvertRecords::WriteTypeInletSize(out, marker, data.culvertTypeID, data.inletID,
                                       data.standardSizeID);
    WriteText(out, Box::ManningN, data.manningN);
    WriteText(out, Box::KeInlet, data.keInlet);
    CulvertRecords::WriteUserSize(out, marker, data.userSizes, data.userNumBarrelsPosition,
                                  data.userSizeOption);
}

void ReadRecord(FieldReader& in, Target& target) {
    switch (int item = in.ReadInteger()) {
    case 1:
        ReadDesignCell(in, target);
        break;
    case 2:
        ReadResultCell(in, target);
        break;
    case 3:
    case 4:
    case 5:
    case 6:
    case 8:
    case 9:
        ReadBoxText(in, target, static_cast<Box>(item));
        break;
    default:
        CulvertRecords::ReadItem(item, in, target);
        break;
    }
}

} // namespace GeneralDesignRecords
