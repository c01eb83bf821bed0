#include "project_file/GeneralDesignInfo.h"

#include "general_design/FrmGenDesign.h"
#include "platform/FlexGrid.h"
#include "project_file/GeneralDesignRecords.h"
#include "project_file/ProjectFileFormat.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace FileHandling {
namespace {

using GeneralDesignRecords::Box;

static_assert(ProjectFileFormat::MaxGridRow < FlexGrid::MaxRows,
              "the reader's row cap must fit the grid");

// Exceeded headwater cells are shown in pure red.
const QColor Red(255, 0, 0);

std::string Text(const QLineEdit* box) {
    return box->text().toStdString();
}

int SelectedID(const QComboBox* list) {
    int index = list->currentIndex();
    return index < 0 ? GeneralDesignRecords::NoSelectionID : list->itemData(index).toInt();
}

QLineEdit* TextBox(FrmGenDesign& w, Box box) {
    switch (box) {
    case Box::InletInvertElevation:
        return w.TxtInletInvertElevation;
    case Box::OutletInvertElevation:
        return w.TxtOutletInvertElevation;
    case Box::CulvertBarrelLength:
        return w.TxtCulvertBarrelLength;
    case Box::AllowableHeadWaterElevation:
        return w.TxtAllowableHeadWaterElevation;
    case Box::ManningN:
        return w.TxtManningN;
    case Box::KeInlet:
        return w.TxtKeInlet;
    }
    return nullptr;
}

GeneralDesignRecords::Data WindowData(FrmGenDesign& w) {
    GeneralDesignRecords::Data data;
    const FlexGrid& design = *w.GrdDesignQs;
    for (int row = 1; row < design.Rows(); ++row) {
        GeneralDesignRecords::DesignRow& saved = data.designRows.emplace_back();
        saved.used = design.CellChecked(row, 0);
        for (int col = 1; col < design.Cols(); ++col) {
            saved.cells.push_back(design.TextMatrix(row, col).toStdString());
        }
    }
    const FlexGrid& results = *w.GrdAllResults;
    for (int row = 1; row < results.Rows(); ++row) {
        auto& saved = data.resultRows.emplace_back();
        for (int col = 0; col < results.Cols(); ++col) {
            saved.push_back({results.TextMatrix(row, col).toStdString(),
                             results.CellForeColor(row, col) == Red});
        }
    }
    data.inletInvertElevation = Text(w.TxtInletInvertElevation);
    data.outletInvertElevation = Text(w.TxtOutletInvertElevation);
    data.culvertBarrelLength = Text(w.TxtCulvertBarrelLength);
    data.allowableHeadWaterElevation = Text(w.TxtAllowableHeadWaterElevation);
    data.culvertTypeID = SelectedID(w.CmboCulvertType);
    data.inletID = SelectedID(w.CmboInletType);
    data.standardSizeID = SelectedID(w.CmboVSHAStandardSize);
    data.manningN = Text(w.TxtManningN);
    data.keInlet = Text(w.TxtKeInlet);
    for (int i = 0; i < GeneralDesignRecords::NumUserSizes; ++i) {
        data.userSizes[i] = Text(w.TxtUserSize[i]);
    }
    data.userNumBarrelsPosition = w.CmboUserNumBarrels->currentIndex();
    data.userSizeOption = w.OptBarrelSize[1]->isChecked();
    return data;
}

// The reader's view of the window: every setter acts as the user's edit or
// click would, list and option reactions included.
class WindowTarget final : public GeneralDesignRecords::Target {
public:
    explicit WindowTarget(FrmGenDesign& w) : w_(w) {}

    int DesignRows() const override { return w_.GrdDesignQs->Rows(); }
    int DesignCols() const override { return w_.GrdDesignQs->Cols(); }
    void TickDesignRow(int row) override { w_.GrdDesignQs->SetCellChecked(row, 0, true); }
    void SetDesignCell(int row, int col, const std::string& text) override {
        w_.GrdDesignQs->SetTextMatrix(row, col, QString::fromStdString(text));
    }

    int ResultRows() const override { return w_.GrdAllResults->Rows(); }
    int ResultCols() const override { return w_.GrdAllResults->Cols(); }
    void SetResultRows(int rows) override { w_.GrdAllResults->SetRows(rows); }
    void ColourResultCellRed(int row, int col) override {
        w_.GrdAllResults->SetCellForeColor(row, col, Red);
    }
    void SetResultCell(int row, int col, const std::string& text) override {
        w_.GrdAllResults->SetTextMatrix(row, col, QString::fromStdString(text));
    }

    void SetBoxText(Box box, const std::string& text) override {
        TextBox(w_, box)->setText(QString::fromStdString(text));
    }
    void SetCulvertInletSize(int culvertTypeID, int inletID, int standardSizeID) override {
        w_.SetCulvertInletSize(culvertTypeID, inletID, standardSizeID);
    }

    int UserSizeBoxes() const override { return static_cast<int>(w_.TxtUserSize.size()); }
    void SetUserSize(int index, const std::string& text) override {
        w_.TxtUserSize[index]->setText(QString::fromStdString(text));
    }
    int BarrelPositions() const override { return w_.CmboUserNumBarrels->count(); }
    void SelectBarrelPosition(int position) override {
        w_.CmboUserNumBarrels->setCurrentIndex(position);
    }
    int SizeOptions() const override { return static_cast<int>(w_.OptBarrelSize.size()); }
    void SelectSizeOption(int option) override {
        w_.OptBarrelSize[option]->setChecked(true);
        w_.OptBarrelSize_Click();
    }

private:
    FrmGenDesign& w_;
};

} // namespace

void WriteGeneralDesignInfo(RecordWriter& out) {
    GeneralDesignRecords::Write(out, WindowData(*FrmGenDesign::Instance()));
}

void ReadGeneralDesignInfo(FieldReader& in) {
    WindowTarget target(*FrmGenDesign::Instance());
    GeneralDesignRecords::ReadRecord(in, target);
}

} // namespace FileHandling
