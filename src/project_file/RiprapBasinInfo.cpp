#include "project_file/RiprapBasinInfo.h"

#include "outlet_protection/CulvertInputBlock.h"
#include "project_file/RiprapBasinRecords.h"
#include "riprap_basin/frmHec14RipRap.h"

namespace FileHandling {
namespace {

using RiprapBasinRecords::Box;
using Text = frmHec14RipRap::Text;
using Caption = frmHec14RipRap::Caption;
using Input = CulvertInputBlock::Input;

static_assert(RiprapBasinRecords::NumUserSizes == CulvertInputContents::NumUserSizes);
static_assert(RiprapBasinRecords::NumResultRows == Hec14RiprapResults::NumRows);
static_assert(GeneralDesignRecords::NoSelectionID == CulvertInputContents::NoSelection);

RiprapBasinRecords::Data SectionData(const Hec14RiprapContents& contents) {
    const CulvertInputContents& culvert = contents.culvert;
    RiprapBasinRecords::Data data;
    data.resultValues = contents.resultValues;
    auto set = [&data](Box box, const std::string& text) {
        data.boxes[static_cast<size_t>(box)] = text;
    };
    set(Box::InletInvertElevation, culvert.inletInvertElevation);
    set(Box::OutletInvertElevation, culvert.outletInvertElevation);
    set(Box::CulvertBarrelLength, culvert.culvertBarrelLength);
    set(Box::ChannelBottomElevation, contents.channelBottomElevation);
    set(Box::ManningN, culvert.manningN);
    set(Box::KeInlet, culvert.keInlet);
    set(Box::DesignQ, contents.designQ);
    set(Box::TailwaterDepth, contents.tailwaterDepth);
    set(Box::D50, contents.d50);
    set(Box::RecommendedD50, contents.recommendedD50);
    set(Box::CalculatedApproach, contents.calculatedApproach);
    set(Box::RecommendedApproach, contents.recommendedApproach);
    set(Box::CalculatedBasin, contents.calculatedBasin);
    set(Box::RecommendedBasin, contents.recommendedBasin);
    set(Box::W, contents.w);
    data.culvertTypeID = culvert.culvertTypeID;
    data.inletID = culvert.inletID;
    data.standardSizeID = culvert.standardSizeID;
    data.userSizes = culvert.userSizes;
    data.userNumBarrelsPosition = culvert.userNumBarrelsPosition;
    data.userSizeOption = culvert.userSizeOption;
    return data;
}

// The reader's view of the window: every setter acts as the user's edit or
// click would, list and option reactions included.
class WindowTarget final : public RiprapBasinRecords::Target {
public:
    explicit WindowTarget(frmHec14RipRap& w) : w_(w), culvert_(w.Culvert()) {}

    void SetBoxText(Box box, const std::string& text) override {
        switch (box) {
        case Box::InletInvertElevation:
            return culvert_.SetInputText(Input::InletInvertElevation, text);
        case Box::OutletInvertElevation:
            return culvert_.SetInputText(Input::OutletInvertElevation, text);
        case Box::CulvertBarrelLength:
            return culvert_.SetInputText(Input::CulvertBarrelLength, text);
        case Box::ManningN:
            return culvert_.SetInputText(Input::ManningN, text);
        case Box::KeInlet:
            return culvert_.SetInputText(Input::KeInlet, text);
        case Box::ChannelBottomElevation:
            return w_.SetText(Text::ChannelBottomElevation, text);
        case Box::DesignQ:
            return w_.SetText(Text::DesignQ, text);
        case Box::TailwaterDepth:
            return w_.SetText(Text::TailwaterDepth, text);
        case Box::D50:
            return w_.SetText(Text::D50, text);
        case Box::W:
            return w_.SetText(Text::W, text);
        case Box::RecommendedD50:
            return w_.SetCaption(Caption::RecommendedD50, text);
        case Box::CalculatedApproach:
            return w_.SetCaption(Caption::CalculatedApproach, text);
        case Box::RecommendedApproach:
            return w_.SetCaption(Caption::RecommendedApproach, text);
        case Box::CalculatedBasin:
            return w_.SetCaption(Caption::CalculatedBasin, text);
        case Box::RecommendedBasin:
            return w_.SetCaption(Caption::RecommendedBasin, text);
        }
    }
    int ResultRows() const override { return w_.ResultRows(); }
    void SetResultValue(int row, const std::string& text) override { w_.SetResultValue(row, text); }
    void SetCulvertInletSize(int culvertTypeID, int inletID, int standardSizeID) override {
        culvert_.SetCulvertInletSize(culvertTypeID, inletID, standardSizeID);
    }
    int UserSizeBoxes() const override { return CulvertInputContents::NumUserSizes; }
    void SetUserSize(int index, const std::string& text) override {
        culvert_.SetUserSize(index, text);
    }
    int BarrelPositions() const override { return culvert_.UserNumBarrelsPositions(); }
    void SelectBarrelPosition(int position) override { culvert_.SelectUserNumBarrels(position); }
    int SizeOptions() const override { return CulvertInputBlock::NumSizeOptions; }
    void SelectSizeOption(int option) override { culvert_.SelectSizeOption(option); }

private:
    frmHec14RipRap& w_;
    CulvertInputBlock& culvert_;
};

} // namespace

void WriteHec14RiprapInfo(RecordWriter& out) {
    RiprapBasinRecords::Write(out, SectionData(frmHec14RipRap::Instance()->Contents()));
}

void ReadHec14RiprapInfo(FieldReader& in) {
    WindowTarget target(*frmHec14RipRap::Instance());
    RiprapBasinRecords::ReadRecord(in, target);
}

} // namespace FileHandling
