#include "general_design/CulvertInputControls.h"

#include "hydraulics/CatalogueTables.h"
#include "hydraulics/GenDesign.h"
#include "hydraulics/HydraulicConstants.h"
#include "hydraulics/PipeArchGeom.h"
#include "platform/Dialogs.h"
#include "platform/InputChanges.h"
#include "platform/Numbers.h"
#include "platform/Refusal.h"
#include "platform/UiText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace CulvertInputs {
namespace {

std::string Trimmed(const QLineEdit* box) {
    return TrimmedText(box->text());
}

// A typed size in the type's display unit, divided by this, is in feet.
double UnitsPerFoot(const GenDesignCulvertType& type) {
    return type.DisplayUnits == 1 ? 12.0 : 1.0;
}

// The fields of the checked boxes: the names the boxes go by.
constexpr const char* InletInvertField = "TxtInletInvertElevation";
constexpr const char* OutletInvertField = "TxtOutletInvertElevation";
constexpr const char* BarrelLengthField = "TxtCulvertBarrelLength";
constexpr const char* ManningNField = "TxtManningN";
constexpr const char* KeField = "TxtKeInlet";

std::string UserSizeField(size_t k) {
    return "TxtUserSize(" + std::to_string(k) + ")";
}

InputChecks::NumberCheck Positive(InputChecks::NumberCheck check, const std::string& name) {
    check.rules.push_back({InputChecks::Positive, name + " must be > 0."});
    return check;
}

// The catalogue's value for a box, unless the file being read gave its own.
void ShowDefault(QLineEdit* box, const QString& text) {
    if (!InputChanges::Restored(box)) {
        box->setText(text);
    }
}

} // namespace

std::string Substitute(const std::string& text, const std::string& value) {
    std::string result;
    for (size_t at = 0; at < text.size();) {
        size_t mark = text.find("%1", at);
        result += text.substr(at, mark - at);
        if (mark == std::string::npos) {
            break;
        }
        result += value;
        at = mark + 2;
    }
    return result;
}

void FillLists(const CulvertInputControls& c) {
    {
        const QSignalBlocker block(c.culvertType);
        const auto& types = GlobalVariables::GenDesignCulvertTypes;
        for (size_t t = 1; t < types.size(); ++t) {
            c.culvertType->addItem(ToQString(types[t].ComboText), types[t].IDNum);
        }
    }
    for (int n = 1; n <= 3; ++n) {
        c.userNumBarrels->addItem(ToQString(GenDesign::GetBarrelCountWord(n)));
    }
    c.userNumBarrels->setCurrentIndex(0);
    if (c.culvertType->count() > 0) {
        const QSignalBlocker block(c.culvertType);
        c.culvertType->setCurrentIndex(0);
        DisplayCulvertTypeInlets(c);
    }
}

const GenDesignCulvertType& SelectedType(const CulvertInputControls& c) {
    return CatalogueEntry(GlobalVariables::GenDesignCulvertTypes, c.culvertType->currentIndex() + 1,
                          "culvert type");
}

void DisplayCulvertTypeInlets(const CulvertInputControls& c) {
    const GenDesignCulvertType& type = SelectedType(c);
    std::string notes = Numbers::Trim(type.UserSizeNotes);
    c.optBarrelSize[1]->setText(notes.empty() ? "Enter Barrel Size"
                                              : ToQString("Enter Barrel Size: (" + notes + ")"));
    ShowDefault(c.manningN, ToQString(" " + Numbers::GeneralText(type.DefaultManningN)));
    {
        const QSignalBlocker block(c.inletType);
        c.inletType->clear();
        for (size_t i = 1; i < type.Inlets.size(); ++i) {
            c.inletType->addItem(ToQString(type.Inlets[i].Description), type.Inlets[i].InletID);
        }
        c.inletType->setCurrentIndex(c.inletType->count() > 0 ? 0 : -1);
    }
    if (c.inletType->count() > 0) {
        DisplayInletKe(c);
    } else {
        // A Ke left from another type would pass for this one's.
        ShowDefault(c.keInlet, QString());
    }
    c.optBarrelSize[0]->setText(ToQString("VSHA Standard Sizes: " + type.StdSizeCaption));
    c.standardSize->clear();
    for (size_t s = 1; s < type.StdSizes.size(); ++s) {
        c.standardSize->addItem(ToQString(type.StdSizes[s].Label), type.StdSizes[s].StdIDNum);
    }
    c.standardSize->setCurrentIndex(c.standardSize->count() > 0 ? 0 : -1);
    QString units = ToQString(GenDesign::GetUnitsWord(type.DisplayUnits));
    for (size_t k = 0; k < CulvertInputControls::NumUserSizes; ++k) {
        bool shown = static_cast<int>(k) + 1 <= type.NumSizeParameters;
        if (shown) {
            size_t name = k + 1;
            c.lblUserSize[k]->setText(name < type.SizeTexts.size() ? ToQString(type.SizeTexts[name])
                                                                   : "");
            c.lblUnits[k]->setText(units);
        }
        c.lblUserSize[k]->setVisible(shown);
        c.txtUserSize[k]->setVisible(shown);
        c.lblUnits[k]->setVisible(shown);
    }
}

void DisplayInletKe(const CulvertInputControls& c) {
    const GenCulvertInlet& inlet =
        CatalogueEntry(SelectedType(c).Inlets, c.inletType->currentIndex() + 1, "inlet");
    ShowDefault(c.keInlet, ToQString(" " + Numbers::GeneralText(inlet.Ke)));
}

void SetSizeInputMethods(const CulvertInputControls& c) {
    bool userSize = c.optBarrelSize[1]->isChecked();
    c.barrelSelection->setVisible(userSize);
    c.standardSize->setEnabled(!userSize);
}

bool SetCulvertInletSize(const CulvertInputControls& c, int CulvertID, int InletID, int SizeID) {
    const auto found = [](int position, int id) {
        return position >= 0 || id == CulvertInputContents::NoSelection;
    };
    int type = c.culvertType->findData(CulvertID);
    if (type < 0) {
        return found(type, CulvertID);
    }
    if (type != c.culvertType->currentIndex()) {
        const QSignalBlocker block(c.culvertType);
        c.culvertType->setCurrentIndex(type);
        DisplayCulvertTypeInlets(c);
    }
    int inlet = c.inletType->findData(InletID);
    if (inlet >= 0) {
        const QSignalBlocker block(c.inletType);
        c.inletType->setCurrentIndex(inlet);
        DisplayInletKe(c);
    }
    int size = c.standardSize->findData(SizeID);
    if (size >= 0) {
        c.standardSize->setCurrentIndex(size);
    }
    return found(inlet, InletID) && found(size, SizeID);
}

void SetBoxText(QLineEdit* box, const std::string& text) {
    box->setText(ToQString(text));
    InputChanges::NoteRestored(box);
}

void ConnectChanges(const CulvertInputControls& c, QObject* context,
                    const std::function<void()>& changed) {
    for (QComboBox* list : {c.culvertType, c.inletType, c.standardSize, c.userNumBarrels}) {
        QObject::connect(list, &QComboBox::currentIndexChanged, context, changed);
    }
    for (QLineEdit* box : {c.manningN, c.keInlet, c.inletInvertElevation, c.outletInvertElevation,
                           c.culvertBarrelLength}) {
        QObject::connect(box, &QLineEdit::textChanged, context, changed);
    }
    for (QLineEdit* box : c.txtUserSize) {
        QObject::connect(box, &QLineEdit::textChanged, context, changed);
    }
    // toggled, not clicked: a click on the chosen option changes nothing.
    QObject::connect(c.optBarrelSize[1], &QRadioButton::toggled, context, changed);
}

void NameInputs(const CulvertInputControls& c) {
    c.inletInvertElevation->setObjectName(InletInvertField);
    c.outletInvertElevation->setObjectName(OutletInvertField);
    c.culvertBarrelLength->setObjectName(BarrelLengthField);
    c.manningN->setObjectName(ManningNField);
    c.keInlet->setObjectName(KeField);
    for (size_t k = 0; k < c.txtUserSize.size(); ++k) {
        c.txtUserSize[k]->setObjectName(ToQString(UserSizeField(k)));
    }
}

void Clear(const CulvertInputControls& c) {
    for (QLineEdit* box : {c.inletInvertElevation, c.outletInvertElevation, c.culvertBarrelLength,
                           c.keInlet, c.manningN}) {
        box->clear();
    }
    for (QLineEdit* box : c.txtUserSize) {
        box->clear();
    }
    if (c.culvertType->count() > 0) {
        // The type's defaults are refilled even when the first type was already chosen.
        const QSignalBlocker block(c.culvertType);
        c.culvertType->setCurrentIndex(0);
        DisplayCulvertTypeInlets(c);
    }
    c.userNumBarrels->setCurrentIndex(0);
    c.optBarrelSize[0]->setChecked(true);
    SetSizeInputMethods(c);
}

std::vector<InputChecks::NumberCheck> DesignDataChecks(const CulvertInputControls& c) {
    using InputChecks::TypedNumber;
    InputChecks::NumberCheck length =
        Positive(TypedNumber(BarrelLengthField, Trimmed(c.culvertBarrelLength),
                             "the Culvert Barrel Length", "Culvert Barrel Length"),
                 "Culvert Barrel Length");
    length.tooSmall = InputChecks::TooSmall("Culvert Barrel Length");
    return {
        TypedNumber(InletInvertField, Trimmed(c.inletInvertElevation), "the Inlet Invert Elevation",
                    "Inlet Invert Elevation"),
        TypedNumber(OutletInvertField, Trimmed(c.outletInvertElevation),
                    "the Outlet Invert Elevation", "Outlet Invert Elevation"),
        length,
        Positive(TypedNumber(ManningNField, Trimmed(c.manningN), "Manning N", "Manning N"),
                 "Manning N"),
        Positive(TypedNumber(KeField, Trimmed(c.keInlet), "Ke", "Ke"), "Ke"),
    };
}

std::vector<InputChecks::NumberCheck> UserSizeChecks(const CulvertInputControls& c,
                                                     const CulvertInputMessages& messages) {
    std::vector<InputChecks::NumberCheck> checks;
    if (c.optBarrelSize[0]->isChecked()) {
        return checks;
    }
    for (size_t k = 0; static_cast<int>(k) < SelectedType(c).NumSizeParameters &&
                       k < CulvertInputControls::NumUserSizes;
         ++k) {
        const std::string caption = c.lblUserSize[k]->text().toStdString();
        InputChecks::NumberCheck& check = checks.emplace_back();
        check.field = UserSizeField(k);
        check.text = Trimmed(c.txtUserSize[k]);
        check.required = Substitute(messages.userSizeRequired, caption);
        check.notNumeric = Substitute(messages.userSizeNotNumeric, caption);
        check.rules.push_back(
            {InputChecks::Positive, Substitute(messages.userSizePositive, caption)});
        check.tooLarge = Substitute(messages.userSizeTooLarge, caption);
        check.tooSmall = Substitute(messages.userSizeTooSmall, caption);
        check.smallest = Hydraulics::SmallestBarrelDimension * UnitsPerFoot(SelectedType(c));
    }
    return checks;
}

std::string CulvertSizeProblem(const CulvertInputControls& c,
                               const CulvertInputMessages& messages) {
    const GenDesignCulvertType& type = SelectedType(c);
    if (c.inletType->currentIndex() < 0) {
        return Substitute(messages.noInlets, type.ComboText);
    }
    if (c.optBarrelSize[0]->isChecked()) {
        return c.standardSize->currentIndex() < 0
                   ? Substitute(messages.noStandardSizes, type.ComboText)
                   : "";
    }
    if (type.ShapeNum != 3) {
        return "";
    }
    GenDesignRecord record;
    GetCulvertData(c, record);
    const auto& s = record.Sizes;
    const std::string fault = PipeArchGeom::CheckArchSection(s[1], s[2], s[3], s[4], s[5]);
    if (!fault.empty()) {
        return messages.notPipeArch + fault;
    }
    // Radii that meet in a section other than the one typed would be
    // computed as that section, with no sign of the mistake.
    return PipeArchGeom::CheckArchClosure(s[1], s[2], s[3], s[4], s[5]);
}

void GetCulvertData(const CulvertInputControls& c, GenDesignRecord& Record) {
    const GenDesignCulvertType& type = SelectedType(c);
    Record.InletInvertElev = Numbers::ToDouble(Trimmed(c.inletInvertElevation));
    Record.OutletInvertElev = Numbers::ToDouble(Trimmed(c.outletInvertElevation));
    Record.BarrelLength = Numbers::ToDouble(Trimmed(c.culvertBarrelLength));
    Record.CulvertTypeIndex = c.culvertType->currentIndex() + 1;
    Record.InletIndex = c.inletType->currentIndex() + 1;
    Record.ManningN = Numbers::ToDouble(Trimmed(c.manningN));
    Record.Ke = Numbers::ToDouble(Trimmed(c.keInlet));
    Record.UserSizeFlag = c.optBarrelSize[1]->isChecked() ? 1 : 0;
    Record.NumSizes = type.NumSizeParameters;
    Record.Sizes.assign(static_cast<size_t>(std::max(Record.NumSizes, 0)) + 1, 0.0);
    Record.StandardSizeIndex = c.standardSize->currentIndex() + 1;
    if (Record.UserSizeFlag == 1) {
        const double toFeet = UnitsPerFoot(type);
        for (int k = 1; k <= Record.NumSizes && k <= CulvertInputControls::NumUserSizes; ++k) {
            Record.Sizes[static_cast<size_t>(k)] =
                Numbers::ToDouble(Trimmed(c.txtUserSize[static_cast<size_t>(k) - 1])) / toFeet;
        }
        Record.NumBarrels = c.userNumBarrels->currentIndex() + 1;
        return;
    }
    const GenStandardSize& size =
        CatalogueEntry(type.StdSizes, Record.StandardSizeIndex, "standard size");
    for (int k = 1; k <= Record.NumSizes; ++k) {
        const auto at = static_cast<size_t>(k);
        Record.Sizes[at] = at < size.SizesFt.size() ? size.SizesFt[at] : 0.0;
    }
    Record.NumBarrels = size.NumBarrels;
}

bool RefusedInput(QWidget& window, std::span<const InputChecks::NumberCheck> checks,
                  std::vector<InputChecks::Magnitude>& bounded) {
    const InputChecks::Outcome outcome = InputChecks::CheckDeferred(checks, bounded);
    if (outcome.failure) {
        Refusal::Show(window, *outcome.failure);
        return true;
    }
    return false;
}

bool RefusedBoundsOrSize(QWidget& window, const CulvertInputControls& c,
                         const CulvertInputMessages& messages,
                         std::span<const InputChecks::Magnitude> bounded) {
    // The bound after every check of the inputs, before the size is formed.
    if (const auto failure = InputChecks::FirstOutOfBounds(bounded)) {
        Refusal::Show(window, *failure);
        return true;
    }
    // A culvert that cannot be formed has no one box to blame.
    const std::string problem = CulvertSizeProblem(c, messages);
    if (problem.empty()) {
        return false;
    }
    Dialogs::Message(ToQString(problem));
    return true;
}

int SelectedID(const QComboBox* list, int none) {
    const int index = list->currentIndex();
    return index < 0 ? none : list->itemData(index).toInt();
}

CulvertInputContents ReadContents(const CulvertInputControls& c) {
    constexpr int none = CulvertInputContents::NoSelection;
    CulvertInputContents contents;
    contents.inletInvertElevation = c.inletInvertElevation->text().toStdString();
    contents.outletInvertElevation = c.outletInvertElevation->text().toStdString();
    contents.culvertBarrelLength = c.culvertBarrelLength->text().toStdString();
    contents.culvertTypePosition = c.culvertType->currentIndex();
    contents.culvertTypeID = SelectedID(c.culvertType, none);
    contents.culvertTypeText = c.culvertType->currentText().toStdString();
    contents.inletID = SelectedID(c.inletType, none);
    contents.inletText = c.inletType->currentText().toStdString();
    contents.manningN = c.manningN->text().toStdString();
    contents.keInlet = c.keInlet->text().toStdString();
    contents.userSizeOption = c.optBarrelSize[1]->isChecked();
    contents.standardSizePosition = c.standardSize->currentIndex();
    contents.standardSizeID = SelectedID(c.standardSize, none);
    for (size_t k = 0; k < c.txtUserSize.size(); ++k) {
        contents.userSizes[k] = c.txtUserSize[k]->text().toStdString();
    }
    contents.userNumBarrelsPosition = c.userNumBarrels->currentIndex();
    contents.userNumBarrelsText = c.userNumBarrels->currentText().toStdString();
    return contents;
}

} // namespace CulvertInputs
