#pragma once

#include "general_design/CulvertInputContents.h"
#include "platform/InputChecks.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QRadioButton;
class QWidget;
struct GenDesignCulvertType;
struct GenDesignRecord;

// The culvert type, inlet and size controls that every culvert design window
// carries, laid out by each window its own way. The functions below keep them
// consistent with the culvert-type catalogue, check them and read them into a
// culvert record, the same way in every window.
struct CulvertInputControls {
    static constexpr int NumUserSizes = 5;

    QComboBox* culvertType = nullptr;
    QComboBox* inletType = nullptr;
    QLineEdit* manningN = nullptr;
    QLineEdit* keInlet = nullptr;
    std::array<QRadioButton*, 2> optBarrelSize{}; // 0 standard sizes, 1 typed size
    QComboBox* standardSize = nullptr;
    QWidget* barrelSelection = nullptr; // the group of typed sizes
    std::array<QLabel*, NumUserSizes> lblUserSize{};
    std::array<QLineEdit*, NumUserSizes> txtUserSize{};
    std::array<QLabel*, NumUserSizes> lblUnits{};
    QComboBox* userNumBarrels = nullptr;
    QLineEdit* inletInvertElevation = nullptr;
    QLineEdit* outletInvertElevation = nullptr;
    QLineEdit* culvertBarrelLength = nullptr;
};

// The texts in which the windows' messages differ. "%1" stands for the
// caption of a size box or for the culvert type's list text.
struct CulvertInputMessages {
    std::string userSizeRequired = "A value must be entered for %1.";
    std::string userSizeNotNumeric;
    std::string userSizePositive = "The %1 must be > 0.";
    std::string userSizeTooLarge = "The %1 is too large. Please re-enter the %1.";
    std::string userSizeTooSmall = "The %1 is too small. Please re-enter the %1.";
    std::string noInlets = "The culvert type %1 has no inlets in the catalogue.";
    std::string noStandardSizes = "The culvert type %1 has no VSHA standard sizes. Choose Enter "
                                  "Barrel Size and enter the barrel size.";
    std::string notPipeArch = "The barrel size entered can not form a pipe-arch. ";
};

namespace CulvertInputs {

// The controls of a window or block that names them as General Culvert Design
// does (CmboCulvertType, TxtManningN, OptBarrelSize, ...).
template <class Window> CulvertInputControls ControlsOf(const Window& w) {
    CulvertInputControls c;
    c.culvertType = w.CmboCulvertType;
    c.inletType = w.CmboInletType;
    c.manningN = w.TxtManningN;
    c.keInlet = w.TxtKeInlet;
    c.optBarrelSize = w.OptBarrelSize;
    c.standardSize = w.CmboVSHAStandardSize;
    c.barrelSelection = w.FrmBarrelSelection;
    c.lblUserSize = w.LblUserSize;
    c.txtUserSize = w.TxtUserSize;
    c.lblUnits = w.LblUnits;
    c.userNumBarrels = w.CmboUserNumBarrels;
    c.inletInvertElevation = w.TxtInletInvertElevation;
    c.outletInvertElevation = w.TxtOutletInvertElevation;
    c.culvertBarrelLength = w.TxtCulvertBarrelLength;
    return c;
}

// The text with every "%1" replaced by the value.
std::string Substitute(const std::string& text, const std::string& value);

// Lists the catalogue's culvert types (none when it is empty) and the barrel
// counts, and selects the first of each.
void FillLists(const CulvertInputControls& c);

// The culvert type chosen in the type list; a subscript error when none is.
const GenDesignCulvertType& SelectedType(const CulvertInputControls& c);

// The chosen type's inlets, standard sizes, default Manning n, first inlet's
// Ke and size captions; typed sizes stay, and so do a Manning n and a Ke that
// the file being read gave (SetBoxText).
void DisplayCulvertTypeInlets(const CulvertInputControls& c);
// The chosen inlet's Ke, unless the file being read gave its own.
void DisplayInletKe(const CulvertInputControls& c);
void SetSizeInputMethods(const CulvertInputControls& c);
// Selects the entries with these catalogue identifiers; an unknown type
// changes nothing, an unknown inlet or size keeps that list's entry. False
// when the catalogue holds no entry for one of them (the mark of an empty
// choice names none and is no fault).
bool SetCulvertInletSize(const CulvertInputControls& c, int CulvertID, int InletID, int SizeID);
// Sets one of the boxes as the user's typing would. A box that the project
// file's reader sets keeps that text for the rest of the read: the defaults
// that a culvert type or an inlet brings never replace it, whether its
// record stands before or after theirs.
void SetBoxText(QLineEdit* box, const std::string& text);
// Calls `changed` whenever the culvert these controls describe changes: a
// text, a list's selection or the size option. Re-choosing what is chosen
// and focus passing through a box change nothing.
void ConnectChanges(const CulvertInputControls& c, QObject* context,
                    const std::function<void()>& changed);
// Names the checked boxes as their checks name them, for the focus after a refusal.
void NameInputs(const CulvertInputControls& c);
// The first type, its defaults, "Single" barrels and the standard-size option,
// with the typed inputs emptied.
void Clear(const CulvertInputControls& c);

// The checks of the inverts, the length, Manning n and Ke, in that order.
std::vector<InputChecks::NumberCheck> DesignDataChecks(const CulvertInputControls& c);
// The checks of the shown size boxes when the typed size is chosen; none
// otherwise. Each size is held to an inch at least (in the type's unit).
std::vector<InputChecks::NumberCheck> UserSizeChecks(const CulvertInputControls& c,
                                                     const CulvertInputMessages& messages);
// Why the culvert cannot be computed although its typed numbers passed the
// checks (no inlet, no standard size to choose, radii that form no
// pipe-arch), or "".
std::string CulvertSizeProblem(const CulvertInputControls& c, const CulvertInputMessages& messages);
// The culvert inputs of the record, from controls that passed the checks.
void GetCulvertData(const CulvertInputControls& c, GenDesignRecord& Record);

// Shows the first failure of the checks, with the focus in its box of
// `window`; true when there was one. The values taken join `bounded`, to be
// held to their bounds after the action's last check.
bool RefusedInput(QWidget& window, std::span<const InputChecks::NumberCheck> checks,
                  std::vector<InputChecks::Magnitude>& bounded);
// After the last check of an action's inputs, whose values `bounded` holds:
// shows the first value out of its bounds (its box of `window` takes the
// focus), else why the culvert cannot be computed (CulvertSizeProblem); true
// when there was either.
bool RefusedBoundsOrSize(QWidget& window, const CulvertInputControls& c,
                         const CulvertInputMessages& messages,
                         std::span<const InputChecks::Magnitude> bounded);

// The item data of a list's chosen entry, or `none`.
int SelectedID(const QComboBox* list, int none);

// What the controls show now.
CulvertInputContents ReadContents(const CulvertInputControls& c);

} // namespace CulvertInputs
