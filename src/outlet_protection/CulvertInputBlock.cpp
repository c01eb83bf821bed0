#include "outlet_protection/CulvertInputBlock.h"

#include "outlet_protection/FormLayout.h"

#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FitToText.h"
#include "platform/InputChecks.h"
#include "platform/Screen.h"
#include "platform/UiText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

using FormLayout::Place;

// Captions end where they end on the form; the screen font may need more room
// to their left.
QLabel* RightLabel(QWidget* parent, const char* caption, double right, double top) {
    auto* label = Place(new QLabel(caption, parent), 30, top - 45, right - 30, 285);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// The typed size's messages in the wording of the outlet protection windows.
const CulvertInputMessages Messages = {
    .userSizeNotNumeric =
        "The value entered for %1 can not be evaluated as a number. Please re-enter the %1.",
    .userSizeTooLarge = "The value entered for %1 is too large. Please re-enter the %1.",
    .userSizeTooSmall = "The value entered for %1 is too small. Please re-enter the %1.",
};

} // namespace

CulvertInputBlock::CulvertInputBlock(QWidget* parent)
    : QGroupBox("Culvert Type, Inlet and Size", parent) {
    RightLabel(this, "Culvert Type", 990, 270);
    CmboCulvertType = Place(new QComboBox(this), 1035, 225, 3615, 315);
    RightLabel(this, "Inlet Type", 990, 675);
    CmboInletType = Place(new QComboBox(this), 1035, 630, 3615, 315);
    RightLabel(this, "Manning n", 990, 1035);
    TxtManningN = Place(new QLineEdit(this), 1035, 990, 1005, 285);
    Place(new QLabel("Ke", this), 2160, 1035 - 45, 255, 285);
    TxtKeInlet = Place(new QLineEdit(this), 2430, 990, 1005, 285);
    auto* rule = Place(new QFrame(this), 90, 1395, 4590, 15);
    rule->setFrameShape(QFrame::HLine);
    RightLabel(this, "Inlet Invert Elevation (ft)", 2160, 1635);
    TxtInletInvertElevation = Place(new QLineEdit(this), 2250, 1560, 1230, 285);
    RightLabel(this, "Outlet Invert Elevation (ft)", 2160, 1965);
    TxtOutletInvertElevation = Place(new QLineEdit(this), 2250, 1920, 1230, 285);
    RightLabel(this, "Culvert Barrel Length (ft)", 2160, 2325);
    TxtCulvertBarrelLength = Place(new QLineEdit(this), 2250, 2280, 1230, 285);

    OptBarrelSize[0] = Place(new QRadioButton("VSHA Standard Sizes: ", this), 4824, 200, 5200, 285);
    CmboVSHAStandardSize = Place(new QComboBox(this), 5100, 500, 4230, 315);
    OptBarrelSize[1] = Place(new QRadioButton("Enter Barrel Size", this), 4848, 850, 5200, 285);
    FrmBarrelSelection = Place(new QGroupBox(this), 4900, 1144, 5200, 1848);
    FrmBarrelSelection->setFlat(true);
    FrmBarrelSelection->setStyleSheet("QGroupBox { border: none; }");
    const double rowTops[] = {180, 495, 810, 1125, 1440};
    for (size_t k = 0; k < LblUserSize.size(); ++k) {
        LblUserSize[k] = Place(new QLabel(QString("Size %1").arg(k + 1), FrmBarrelSelection), 0,
                               rowTops[k], 1480, 285);
        LblUserSize[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        TxtUserSize[k] = Place(new QLineEdit(FrmBarrelSelection), 1530, rowTops[k], 1005, 285);
        LblUnits[k] = Place(new QLabel("Units", FrmBarrelSelection), 2610, rowTops[k], 700, 285);
    }
    Place(new QLabel("Number of Barrels", FrmBarrelSelection), 3360, 180, 1700, 285);
    CmboUserNumBarrels = Place(new QComboBox(FrmBarrelSelection), 3360, 495, 1320, 315);
    FitToText::KeepBelowTitle(*this);

    connect(CmboCulvertType, &QComboBox::currentIndexChanged, this,
            [this] { CmboCulvertType_Click(); });
    connect(CmboInletType, &QComboBox::currentIndexChanged, this,
            [this] { CmboInletType_Click(); });
    for (QRadioButton* option : OptBarrelSize) {
        connect(option, &QRadioButton::clicked, this, [this] { OptBarrelSize_Click(); });
    }
    CulvertInputs::NameInputs(Controls());
    CulvertInputs::ConnectChanges(Controls(), this, [this] { emit Changed(); });
}

CulvertInputControls CulvertInputBlock::Controls() const {
    return CulvertInputs::ControlsOf(*this);
}

void CulvertInputBlock::Initialize() {
    CulvertInputs::FillLists(Controls());
    OptBarrelSize[0]->setChecked(true);
    SetSizeInputMethods();
}

void CulvertInputBlock::ClearAllData() {
    CulvertInputs::Clear(Controls());
}

void CulvertInputBlock::DisplayCulvertTypeInlets() {
    CulvertInputs::DisplayCulvertTypeInlets(Controls());
}

void CulvertInputBlock::DisplayInletKe() {
    CulvertInputs::DisplayInletKe(Controls());
}

void CulvertInputBlock::SetSizeInputMethods() {
    CulvertInputs::SetSizeInputMethods(Controls());
}

bool CulvertInputBlock::SetCulvertInletSize(int CulvertID, int InletID, int SizeID) {
    return CulvertInputs::SetCulvertInletSize(Controls(), CulvertID, InletID, SizeID);
}

int CulvertInputBlock::DesignDataCheck(std::vector<InputChecks::Magnitude>& bounded) {
    return CulvertInputs::RefusedInput(*this, CulvertInputs::DesignDataChecks(Controls()), bounded)
               ? 1
               : 0;
}

int CulvertInputBlock::UserSizeDataCheck(std::vector<InputChecks::Magnitude>& bounded) {
    return CulvertInputs::RefusedInput(*this, CulvertInputs::UserSizeChecks(Controls(), Messages),
                                       bounded)
               ? 1
               : 0;
}

int CulvertInputBlock::CulvertDataCheck(std::vector<InputChecks::Magnitude>& bounded) {
    return DesignDataCheck(bounded) == 1 || UserSizeDataCheck(bounded) == 1 ||
                   CulvertInputs::RefusedBoundsOrSize(*this, Controls(), Messages, bounded)
               ? 1
               : 0;
}

void CulvertInputBlock::GetCulvertData(GenDesignRecord& Record) const {
    CulvertInputs::GetCulvertData(Controls(), Record);
}

const GenDesignCulvertType& CulvertInputBlock::SelectedType() const {
    return CulvertInputs::SelectedType(Controls());
}

CulvertInputContents CulvertInputBlock::Contents() const {
    return CulvertInputs::ReadContents(Controls());
}

void CulvertInputBlock::SetInputText(Input input, const std::string& text) {
    QLineEdit* const boxes[] = {TxtInletInvertElevation, TxtOutletInvertElevation,
                                TxtCulvertBarrelLength, TxtManningN, TxtKeInlet};
    CulvertInputs::SetBoxText(boxes[static_cast<size_t>(input)], text);
}

void CulvertInputBlock::SetUserSize(int index, const std::string& text) {
    TxtUserSize[static_cast<size_t>(index)]->setText(ToQString(text));
}

int CulvertInputBlock::UserNumBarrelsPositions() const {
    return CmboUserNumBarrels->count();
}

void CulvertInputBlock::SelectUserNumBarrels(int position) {
    CmboUserNumBarrels->setCurrentIndex(position);
}

void CulvertInputBlock::SelectCulvertType(int position) {
    CmboCulvertType->setCurrentIndex(position);
}

void CulvertInputBlock::SelectInlet(int position) {
    CmboInletType->setCurrentIndex(position);
}

void CulvertInputBlock::SelectStandardSize(int position) {
    CmboVSHAStandardSize->setCurrentIndex(position);
}

void CulvertInputBlock::SelectSizeOption(int option) {
    OptBarrelSize[static_cast<size_t>(option)]->setChecked(true);
    OptBarrelSize_Click();
}

void CulvertInputBlock::CmboCulvertType_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { DisplayCulvertTypeInlets(); });
}

void CulvertInputBlock::CmboInletType_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { DisplayInletKe(); });
}

void CulvertInputBlock::OptBarrelSize_Click() {
    RunUserAction(ErrorStyle::Titled, [this] { SetSizeInputMethods(); });
}
