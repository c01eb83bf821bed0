#include "project_file/TWCrossSectionInfo.h"

#include "project_file/TWCrossSectionRecords.h"
#include "tailwater/FrmTailWaterCrossSection.h"

namespace FileHandling {
namespace {

using Box = TWCrossSectionRecords::Box;

static_assert(TWCrossSectionRecords::NumPoints == CrossSectionContents::NumPoints,
              "the reader takes every point the grid holds");

FrmTailWaterCrossSection::Input WindowInput(Box box) {
    switch (box) {
    case Box::LeftOBStation:
        return FrmTailWaterCrossSection::Input::LeftOBStation;
    case Box::RightOBStation:
        return FrmTailWaterCrossSection::Input::RightOBStation;
    case Box::ChannelSlope:
        break;
    }
    return FrmTailWaterCrossSection::Input::ChannelSlope;
}

// The reader's view of the window: every setter acts as the user's edit would.
class WindowTarget final : public TWCrossSectionRecords::Target {
public:
    explicit WindowTarget(FrmTailWaterCrossSection& w) : w_(w) {}

    void SetPointCell(int row, int col, const std::string& text) override {
        w_.SetPointCell(row, col, text);
    }
    void SetBoxText(Box box, const std::string& text) override {
        w_.SetInputText(WindowInput(box), text);
    }

private:
    FrmTailWaterCrossSection& w_;
};

} // namespace

void WriteTWCrossSectionInfo(RecordWriter& out, const FrmTailWaterCrossSection& window) {
    const CrossSectionContents contents = window.Contents();
    TWCrossSectionRecords::Data data;
    data.points.assign(contents.points.begin(), contents.points.end());
    data.leftOBStation = contents.leftOBStation;
    data.rightOBStation = contents.rightOBStation;
    data.channelSlope = contents.channelSlope;
    TWCrossSectionRecords::Write(out, data);
}

void ReadTWCrossSectionInfo(FieldReader& in, FrmTailWaterCrossSection& window) {
    WindowTarget target(window);
    TWCrossSectionRecords::ReadRecord(in, target);
}

} // namespace FileHandling
