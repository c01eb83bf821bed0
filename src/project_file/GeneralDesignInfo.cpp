#include "project_file/GeneralDesignInfo.h"

#include "general_design/FrmGenDesign.h"
#include "platform/FlexGrid.h"
#include "project_file/CulvertBlockSection.h"
#include "project_file/GeneralDesignRecords.h"
#include "project_file/ProjectFileFormat.h"

namespace FileHandling {
namespace {

using GeneralDesignRecords::Box;

static_assert(ProjectFileFormat::MaxGridRow < FlexGrid::MaxRows,
              "the reader's row cap must fit the grid");
static_assert(GeneralDesignRecords::NumUserSizes == CulvertInputContents::NumUserSizes);
static_assert(GeneralDesignRecords::NoSelectionID == CulvertInputContents::NoSelection);

FrmGenDesign::Input WindowInput(Box box) {
    switch (box) {
    case Box::InletInvertElevation:
        return FrmGenDesign::Input::InletInvertElevation;
    case Box::OutletInvertElevation:
        return FrmGenDesign::Input::OutletInvertElevation;
    case Box::CulvertBarrelLength:
        return FrmGenDesign::Input::CulvertBarrelLength;
    case Box::AllowableHeadWaterElevation:
        return FrmGenDesign::Input::AllowableHeadWaterElevation;
    case Box::ManningN:
        return FrmGenDesign::Input::ManningN;
    case Box::KeInlet:
        break;
    }
    return FrmGenDesign::Input::KeInlet;
}

GeneralDesignRecords::Data SectionData(const GenDesignContents& contents) {
    GeneralDesignRecords::Data data;
    for (const GenDesignContents::DesignRow& row : contents.designRows) {
        data.designRows.push_back({row.used, row.cells});
    }
    for (const GenDesignContents::ResultRow& row : contents.resultRows) {
        auto& saved = data.resultRows.emplace_back();
        for (size_t col = 0; col < row.cells.size(); ++col) {
            saved.push_back({row.cells[col], row.exceeded && col == GenDesignResults::HWElev});
        }
    }
    data.inletInvertElevation = contents.culvert.inletInvertElevation;
    data.outletInvertElevation = contents.culvert.outletInvertElevation;
    data.culvertBarrelLength = contents.culvert.culvertBarrelLength;
    data.allowableHeadWaterElevation = contents.allowableHeadWaterElevation;
    data.manningN = contents.culvert.manningN;
    data.keInlet = contents.culvert.keInlet;
    CulvertBlockSection::StoreChoice(contents.culvert, data);
    return data;
}

// The reader's view of the window: every setter acts as the user's edit or
// click would, list and option reactions included.
class WindowTarget final : public GeneralDesignRecords::Target {
public:
    explicit WindowTarget(FrmGenDesign& w) : w_(w) {}

    int DesignRows() const override { return w_.DesignGridRows(); }
    int DesignCols() const override { return w_.DesignGridCols(); }
    void TickDesignRow(int row) override { w_.TickDesignRow(row); }
    void SetDesignCell(int row, int col, const std::string& text) override {
        w_.SetDesignCell(row, col, text);
    }

    int ResultRows() const override { return w_.ResultGridRows(); }
    int ResultCols() const override { return w_.ResultGridCols(); }
    void SetResultRows(int rows) override { w_.SetResultGridRows(rows); }
    void ColourResultCellRed(int row, int col) override { w_.ShowResultCellRed(row, col); }
    void SetResultCell(int row, int col, const std::string& text) override {
        w_.SetResultCell(row, col, text);
    }

    void SetBoxText(Box box, const std::string& text) override {
        w_.SetInputText(WindowInput(box), text);
    }
    bool SetCulvertInletSize(int culvertTypeID, int inletID, int standardSizeID) override {
        return w_.SetCulvertInletSize(culvertTypeID, inletID, standardSizeID);
    }

    int UserSizeBoxes() const override { return CulvertInputContents::NumUserSizes; }
    void SetUserSize(int index, const std::string& text) override { w_.SetUserSize(index, text); }
    int BarrelPositions() const override { return w_.UserNumBarrelsPositions(); }
    void SelectBarrelPosition(int position) override { w_.SelectUserNumBarrels(position); }
    int SizeOptions() const override { return FrmGenDesign::NumSizeOptions; }
    void SelectSizeOption(int option) override { w_.SelectSizeOption(option); }

private:
    FrmGenDesign& w_;
};

} // namespace

void WriteGeneralDesignInfo(RecordWriter& out) {
    GeneralDesignRecords::Write(out, SectionData(FrmGenDesign::Instance()->Contents()));
}

void ReadGeneralDesignInfo(FieldReader& in) {
    WindowTarget target(*FrmGenDesign::Instance());
    GeneralDesignRecords::ReadRecord(in, target);
}

} // namespace FileHandling
