#include "project_file/PlungeBasinInfo.h"

#include "outlet_protection/frmNEPlungeBasin.h"
#include "project_file/CulvertBlockSection.h"
#include "project_file/PlungeBasinRecords.h"

namespace FileHandling {
namespace {

using PlungeBasinRecords::Box;
using Text = frmNEPlungeBasin::Text;

static_assert(PlungeBasinRecords::NumUserSizes == CulvertInputContents::NumUserSizes);
static_assert(GeneralDesignRecords::NoSelectionID == CulvertInputContents::NoSelection);
static_assert(static_cast<int>(Box::W) - static_cast<int>(Box::DesignQ) ==
                  static_cast<int>(Text::W) - static_cast<int>(Text::DesignQ),
              "the window's own boxes in the same order as the section's");

PlungeBasinRecords::Data SectionData(const PlungeBasinContents& contents) {
    const CulvertInputContents& culvert = contents.culvert;
    PlungeBasinRecords::Data data;
    auto set = [&data](Box box, const std::string& text) {
        data.boxes[static_cast<size_t>(box)] = text;
    };
    set(Box::InletInvertElevation, culvert.inletInvertElevation);
    set(Box::OutletInvertElevation, culvert.outletInvertElevation);
    set(Box::CulvertBarrelLength, culvert.culvertBarrelLength);
    set(Box::ManningN, culvert.manningN);
    set(Box::KeInlet, culvert.keInlet);
    set(Box::DesignQ, contents.designQ);
    set(Box::TailwaterDepth, contents.tailwaterDepth);
    set(Box::EquivPipeDiam, contents.equivPipeDiam);
    set(Box::DesignPipeDiam, contents.designPipeDiam);
    set(Box::D50, contents.d50);
    set(Box::RiprapThickness, contents.riprapThickness);
    set(Box::ExitVelocity, contents.exitVelocity);
    set(Box::ADim, contents.aDim);
    set(Box::CDim, contents.cDim);
    set(Box::EDim, contents.eDim);
    set(Box::TDim, contents.tDim);
    set(Box::FDim, contents.fDim);
    set(Box::TotalLength, contents.totalLength);
    set(Box::W, contents.w);
    data.riprapClass = contents.riprapClass;
    CulvertBlockSection::StoreChoice(culvert, data);
    return data;
}

// The reader's view of the window: every setter acts as the user's edit or
// click would, list and option reactions included.
class WindowTarget final : public CulvertBlockSection::Target<PlungeBasinRecords::Target> {
public:
    explicit WindowTarget(frmNEPlungeBasin& w) : Target(w.Culvert()), w_(w) {}

    void SetBoxText(Box box, const std::string& text) override {
        if (!CulvertBlockSection::SetBlockText(block_, box, text)) {
            // The window's own boxes follow the culvert's in both lists.
            w_.SetText(static_cast<Text>(static_cast<int>(box) - static_cast<int>(Box::DesignQ)),
                       text);
        }
    }
    void SetRiprapClass(const std::string& caption) override { w_.SetRiprapClass(caption); }

private:
    frmNEPlungeBasin& w_;
};

} // namespace

void WriteNEPlungeBasinInfo(RecordWriter& out) {
    PlungeBasinRecords::Write(out, SectionData(frmNEPlungeBasin::Instance()->Contents()));
}

void ReadNEPlungeBasinInfo(FieldReader& in) {
    WindowTarget target(*frmNEPlungeBasin::Instance());
    PlungeBasinRecords::ReadRecord(in, target);
}

} // namespace FileHandling
