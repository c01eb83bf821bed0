#include "project_file/RiprapBasinInfo.h"

#include "project_file/CulvertBlockSection.h"
#include "project_file/RiprapBasinRecords.h"
#include "riprap_basin/frmHec14RipRap.h"

namespace FileHandling {
namespace {

using RiprapBasinRecords::Box;
using Text = frmHec14RipRap::Text;
using Caption = frmHec14RipRap::Caption;

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
    CulvertBlockSection::StoreChoice(culvert, data);
    return data;
}

// The reader's view of the window: every setter acts as the user's edit or
// click would, list and option reactions included.
class WindowTarget final : public CulvertBlockSection::Target<RiprapBasinRecords::Target> {
public:
    explicit WindowTarget(frmHec14RipRap& w) : Target(w.Culvert()), w_(w) {}

    void SetBoxText(Box box, const std::string& text) override {
        if (CulvertBlockSection::SetBlockText(block_, box, text)) {
            return;
        }
        switch (box) {
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
        default:
            return; // the culvert block's, set above
        }
    }
    int ResultRows() const override { return w_.ResultRows(); }
    void SetResultValue(int row, const std::string& text) override { w_.SetResultValue(row, text); }

private:
    frmHec14RipRap& w_;
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
