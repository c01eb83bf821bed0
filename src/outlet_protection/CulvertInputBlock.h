#pragma once

#include "general_design/CulvertInputContents.h"
#include "general_design/CulvertInputControls.h"

#include <QGroupBox>

#include <array>
#include <string>

struct GenDesignCulvertType;
struct GenDesignRecord;

// The frame "Culvert Type, Inlet and Size" of the outlet protection windows:
// culvert type, inlet, Manning n, Ke, standard or typed barrel size, barrels,
// inverts and barrel length. It keeps itself consistent with the culvert-type
// catalogue, checks its inputs and fills the culvert record, as the General
// Culvert Design window does, in the wording of the outlet protection windows.
class CulvertInputBlock : public QGroupBox {
    Q_OBJECT
public:
    explicit CulvertInputBlock(QWidget* parent);

    // Lists the catalogue's types (none when it is empty) and the barrel
    // counts, and chooses the first type and the standard-size option.
    void Initialize();
    // Empties the typed inputs and chooses the first type's defaults again.
    void ClearAllData();

    void DisplayCulvertTypeInlets();
    void DisplayInletKe();
    void SetSizeInputMethods();
    bool SetCulvertInletSize(int CulvertID, int InletID, int SizeID);

    // 1 after showing the message of the first refused input, 0 otherwise.
    // The values taken join `bounded`, to be held to their bounds after the
    // window's last check.
    int DesignDataCheck(std::vector<InputChecks::Magnitude>& bounded);
    int UserSizeDataCheck(std::vector<InputChecks::Magnitude>& bounded);
    // Every check of the block after the window's own, whose values `bounded`
    // holds: the two above, then every value's bounds, then why the culvert
    // cannot be computed (no inlet, no standard size, no pipe-arch). 1 after
    // showing the first failure, 0 otherwise.
    int CulvertDataCheck(std::vector<InputChecks::Magnitude>& bounded);
    // The culvert inputs of the record; only after CulvertDataCheck passed.
    void GetCulvertData(GenDesignRecord& Record) const;
    const GenDesignCulvertType& SelectedType() const;

    CulvertInputContents Contents() const;

    // Setting one control as the user's edit or click would, reactions included.
    enum class Input {
        InletInvertElevation,
        OutletInvertElevation,
        CulvertBarrelLength,
        ManningN,
        KeInlet
    };
    void SetInputText(Input input, const std::string& text);
    void SetUserSize(int index, const std::string& text);
    int UserNumBarrelsPositions() const;
    void SelectUserNumBarrels(int position);
    void SelectCulvertType(int position);
    void SelectInlet(int position);
    void SelectStandardSize(int position);
    // 0 the standard sizes, 1 the typed size.
    static constexpr int NumSizeOptions = 2;
    void SelectSizeOption(int option);

    // Event handlers.
    void CmboCulvertType_Click();
    void CmboInletType_Click();
    void OptBarrelSize_Click();

    QComboBox* CmboCulvertType;
    QComboBox* CmboInletType;
    QLineEdit* TxtManningN;
    QLineEdit* TxtKeInlet;
    QLineEdit* TxtInletInvertElevation;
    QLineEdit* TxtOutletInvertElevation;
    QLineEdit* TxtCulvertBarrelLength;
    std::array<QRadioButton*, 2> OptBarrelSize;
    QComboBox* CmboVSHAStandardSize;
    QGroupBox* FrmBarrelSelection;
    std::array<QLabel*, 5> LblUserSize;
    std::array<QLineEdit*, 5> TxtUserSize;
    std::array<QLabel*, 5> LblUnits;
    QComboBox* CmboUserNumBarrels;

signals:
    // The culvert changed: a text, a list's selection or the size option.
    void Changed();

private:
    CulvertInputControls Controls() const;
};
