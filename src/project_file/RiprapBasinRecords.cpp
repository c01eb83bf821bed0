#include "project_file/RiprapBasinRecords.h"

#include "project_file/CulvertRecords.h"
#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/SkippedRecord.h"
#include "project_file/Tools.h"

#include <optional>
#include <span>

namespace RiprapBasinRecords {
namespace {

constexpr int ResultItem = 14;
constexpr int DesignQTWItem = 13;

// The texts stored one to a record, by item number.
struct BoxItem {
    int item;
    Box box;
};
constexpr BoxItem InputItems[] = {
    {3, Box::InletInvertElevation},
    {4, Box::OutletInvertElevation},
    {5, Box::CulvertBarrelLength},
    {6, Box::ChannelBottomElevation},
};
constexpr BoxItem ResultItems[] = {
    {15, Box::RecommendedD50},  {16, Box::CalculatedApproach}, {17, Box::RecommendedApproach},
    {21, Box::CalculatedBasin}, {22, Box::RecommendedBasin},   {23, Box::W},
};

std::optional<Box> BoxOf(int item) {
    if (item == 8) {
        return Box::ManningN;
    }
    if (item == 9) {
        return Box::KeInlet;
    }
    for (const auto& items :
         {std::span<const BoxItem>(InputItems), std::span<const BoxItem>(ResultItems)}) {
        for (const BoxItem& entry : items) {
            if (entry.item == item) {
                return entry.box;
            }
        }
    }
    return std::nullopt;
}

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::Hec14RipRapInfo).Integer(item);
}

std::string Stored(const Data& data, Box box) {
    return Tools::StoredText(data.boxes[static_cast<size_t>(box)]);
}

void WriteBox(RecordWriter& out, int item, const Data& data, Box box) {
    Record(out, item).Text(Stored(data, box)).EndRecord();
}

bool Within(int value, int count) {
    return value >= 0 && value < count;
}

} // namespace

void Write(RecordWriter& out, const Data& data) {
    for (int row = 0; row < NumResultRows; ++row) {
        // Values are escaped too: the file must never end a quoted field early.
        Record(out, ResultItem)
            .Integer(row)
            .Text(Tools::StoredText(data.resultValues[static_cast<size_t>(row)]))
            .EndRecord();
    }
    const std::string_view marker = ProjectFileFormat::Markers::Hec14RipRapInfo;
    CulvertRecords::WriteTypeInletSize(out, marker, data.culvertTypeID, data.inletID,
                                       data.standardSizeID);
    WriteBox(out, 8, data, Box::ManningN);
    WriteBox(out, 9, data, Box::KeInlet);
    CulvertRecords::WriteUserSize(out, marker, data.userSizes, data.userNumBarrelsPosition,
                                  data.userSizeOption);
    for (const BoxItem& entry : InputItems) {
        WriteBox(out, entry.item, data, entry.box);
    }
    Record(out, DesignQTWItem)
        .Text(Stored(data, Box::DesignQ))
        .Text(Stored(data, Box::TailwaterDepth))
        .Text(Stored(data, Box::D50))
        .EndRecord();
    for (const BoxItem& entry : ResultItems) {
        WriteBox(out, entry.item, data, entry.box);
    }
}

void ReadRecord(FieldReader& in, Target& target) {
    const int item = in.ReadInteger();
    if (std::optional<Box> box = BoxOf(item)) {
        std::string text = in.ReadText();
        // Manning n and Ke come back with the blank that the window puts in
        // front of the catalogue's defaults.
        if (*box == Box::ManningN || *box == Box::KeInlet) {
            text = " " + text;
        }
        target.SetBoxText(*box, text);
        return;
    }
    switch (item) {
    case DesignQTWItem: {
        std::string q = in.ReadText();
        std::string tw = in.ReadText();
        std::string d50 = in.ReadText();
        target.SetBoxText(Box::DesignQ, q);
        target.SetBoxText(Box::TailwaterDepth, tw);
        target.SetBoxText(Box::D50, d50);
        break;
    }
    case ResultItem: {
        int row = in.ReadInteger();
        std::string text = in.ReadText();
        if (!Within(row, target.ResultRows())) {
            SkippedRecord::Skip(SkippedRecord::OutsideGrid);
        }
        target.SetResultValue(row, text);
        break;
    }
    default:
        CulvertRecords::ReadItem(item, in, target);
        break;
    }
}

} // namespace RiprapBasinRecords
