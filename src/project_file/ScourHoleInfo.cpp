#include "project_file/ScourHoleInfo.h"

#include "outlet_protection/frmScourHoleDesign.h"
#include "project_file/ScourHoleRecords.h"

namespace FileHandling {
namespace {

using ScourHoleRecords::Item;
using Input = frmScourHoleDesign::Input;
using Result = frmScourHoleDesign::Result;

ScourHoleRecords::Data SectionData(const ScourHoleContents& contents) {
    ScourHoleRecords::Data data;
    for (size_t i = 0; i < ScourHoleRecords::NumIndexes; ++i) {
        const ScourHoleContents::Inputs& in = contents.inputs[i];
        const modNEScour::ScourHoleDesignTexts& r = contents.results[i];
        data.texts[i] = {in.designQ, in.tailwaterDepth, in.culvertDiam, r.aDim,   r.cDim, r.eDim,
                         r.fDim,     r.calcD50,         r.calcD,        r.recD50, r.recD};
    }
    return data;
}

// The reader's view of the window: texts and captions set as they were shown.
class WindowTarget final : public ScourHoleRecords::Target {
public:
    explicit WindowTarget(frmScourHoleDesign& w) : w_(w) {}

    void SetText(Item item, int index, const std::string& text) override {
        switch (item) {
        case Item::DesignQ:
            return w_.SetInputText(Input::DesignQ, index, text);
        case Item::TailwaterDepth:
            return w_.SetInputText(Input::TailwaterDepth, index, text);
        case Item::CulvertDiam:
            return w_.SetInputText(Input::CulvertDiam, index, text);
        case Item::ADim:
            return w_.SetResultCaption(Result::ADim, index, text);
        case Item::CDim:
            return w_.SetResultCaption(Result::CDim, index, text);
        case Item::EDim:
            return w_.SetResultCaption(Result::EDim, index, text);
        case Item::FDim:
            return w_.SetResultCaption(Result::FDim, index, text);
        case Item::CalcD50:
            return w_.SetResultCaption(Result::CalcD50, index, text);
        case Item::CalcD:
            return w_.SetResultCaption(Result::CalcD, index, text);
        case Item::RecD50:
            return w_.SetResultCaption(Result::RecD50, index, text);
        case Item::RecD:
            return w_.SetResultCaption(Result::RecD, index, text);
        }
    }

private:
    frmScourHoleDesign& w_;
};

} // namespace

void WriteNEScourHoleInfo(RecordWriter& out) {
    ScourHoleRecords::Write(out, SectionData(frmScourHoleDesign::Instance()->Contents()));
}

void ReadNEScourHoleInfo(FieldReader& in) {
    WindowTarget target(*frmScourHoleDesign::Instance());
    ScourHoleRecords::ReadRecord(in, target);
}

} // namespace FileHandling
