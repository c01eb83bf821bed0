#include "project_file/PlungeBasinRecords.h"

#include "project_file/CulvertRecords.h"
#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"
#include "project_file/RecordWriter.h"
#include "project_file/Tools.h"

#include <optional>
#include <span>

namespace PlungeBasinRecords {
namespace {

// The boxes stored one to a record, by item number, in the written order
// of the results.
struct BoxItem {
    int item;
    Box box;
};
constexpr BoxItem ResultItems[] = {
    {15, Box::EquivPipeDiam}, {16, Box::DesignPipeDiam},
    {17, Box::D50},           {18, Box::RiprapThickness},
    {19, Box::ExitVelocity},  {21, Box::ADim},
    {22, Box::CDim},          {23, Box::EDim},
    {24, Box::TDim},          {25, Box::FDim},
    {30, Box::TotalLength},   {31, Box::W},
};
constexpr BoxItem InputItems[] = {
    {3, Box::InletInvertElevation},
    {4, Box::OutletInvertElevation},
    {5, Box::CulvertBarrelLength},
    {8, Box::ManningN},
    {9, Box::KeInlet},
};
constexpr int RiprapClassItem = 20;
constexpr int DesignQTWItem = 13;

std::optional<Box> BoxOf(int item) {
    for (const auto& items :
         {std::span<const BoxItem>(ResultItems), std::span<const BoxItem>(InputItems)}) {
        for (const BoxItem& entry : items) {
            if (entry.item == item) {
                return entry.box;
            }
        }
    }
    return std::nullopt;
}

RecordWriter& Record(RecordWriter& out, int item) {
    return out.Text(ProjectFileFormat::Markers::NEPlungeBasinInfo).Integer(item);
}

const std::string& Of(const Data& data, Box box) {
    return data.boxes[static_cast<size_t>(box)];
}

void WriteBox(RecordWriter& out, int item, const Data& data, Box box) {
    Record(out, item).Text(Tools::StoredText(Of(data, box))).EndRecord();
}

} // namespace

void Write(RecordWriter& out, const Data& data) {
    const std::string_view marker = ProjectFileFormat::Markers::NEPlungeBasinInfo;
    CulvertRecords::WriteTypeInletSize(out, marker, data.culvertTypeID, data.inletID,
                                       data.standardSizeID);
    WriteBox(out, 8, data, Box::ManningN);
    WriteBox(out, 9, data, Box::KeInlet);
    CulvertRecords::WriteUserSize(out, marker, data.userSizes, data.userNumBarrelsPosition,
                                  data.userSizeOption);
    WriteBox(out, 3, data, Box::InletInvertElevation);
    WriteBox(out, 4, data, Box::OutletInvertElevation);
    WriteBox(out, 5, data, Box::CulvertBarrelLength);
    Record(out, DesignQTWItem)
        .Text(Tools::StoredText(Of(data, Box::DesignQ)))
        .Text(Tools::StoredText(Of(data, Box::TailwaterDepth)))
        .EndRecord();
    for (const BoxItem& entry : ResultItems) {
        if (entry.item == 21) {
            // The class caption keeps its blanks; only its quotes are escaped.
            Record(out, RiprapClassItem)
                .Text(Tools::ReplaceDoubleQuotes(data.riprapClass))
                .EndRecord();
        }
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
        target.SetBoxText(Box::DesignQ, q);
        target.SetBoxText(Box::TailwaterDepth, tw);
        break;
    }
    case RiprapClassItem:
        target.SetRiprapClass(in.ReadText());
        break;
    default:
        CulvertRecords::ReadItem(item, in, target);
        break;
    }
}

} // namespace PlungeBasinRecords
