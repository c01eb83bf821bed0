#pragma once

#include "general_design/GenDesignContents.h"
#include "hydraulics/DesignQTWRecord.h"
#include "platform/InputChecks.h"
#include "platform/ToolWindow.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class FlexGrid;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
class TailwaterChannel;
struct GenDesignRecord;
struct GenDesignCulvertType;
struct CulvertInputControls;

// The General Culvert Design window: one culvert (type, inlet, size, barrels,
// inverts, length, allowable headwater) and, for every ticked design discharge,
// its inlet- and outlet-control hydraulics. The window keeps no data beyond its
// controls: the project file, the report and Compute all read them.
class FrmGenDesign : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmGenDesign(QMdiArea& area);

    static FrmGenDesign* Instance();

    // The hydrology windows whose results the three "Get" buttons copy.
    enum class QSource { RunoffChart, Mavo1987, Yuld2001 };
    // Names the results grid of a hydrology window; a button whose source is
    // not set stays disabled.
    void SetDesignQSource(QSource source, const FlexGrid* grid);
    // The channel for "Compute TW Depth's"; the button stays disabled without one.
    void SetTailwaterChannel(TailwaterChannel* channel);

    void Initialize();
    void StartUp();
    void ClearAllData();
    // Selects the culvert type, inlet and standard size with these catalogue
    // identifiers; an identifier no entry carries leaves that selection.
    bool SetCulvertInletSize(int CulvertID, int InletID, int SizeID);

    // Every control as it stands now.
    GenDesignContents Contents() const;

    // Setting one control as the user's edit or click would, reactions
    // included. Rows, columns and positions must lie inside the controls, as
    // the counts below give them.
    enum class Input {
        AllowableHeadWaterElevation,
        InletInvertElevation,
        OutletInvertElevation,
        CulvertBarrelLength,
        ManningN,
        KeInlet
    };
    void SetInputText(Input input, const std::string& text);
    int DesignGridRows() const; // heading row included
    int DesignGridCols() const;
    void TickDesignRow(int row);
    void SetDesignCell(int row, int col, const std::string& text);
    int ResultGridRows() const; // heading row included
    int ResultGridCols() const;
    void SetResultGridRows(int rows);
    void SetResultCell(int row, int col, const std::string& text);
    void ShowResultCellRed(int row, int col);
    void SetUserSize(int index, const std::string& text);
    int UserNumBarrelsPositions() const;
    void SelectUserNumBarrels(int position);
    // 0 the standard sizes, 1 the typed size.
    static constexpr int NumSizeOptions = 2;
    void SelectSizeOption(int option);

    void DisplayCulvertTypeInlets();
    void DisplayInletKe();
    void SetSizeInputMethods();
    // 1 when a check failed (its message has been shown), 0 otherwise. The
    // values taken join `bounded`, to be held to their bounds once every
    // check of the action has passed.
    int DesignDataCheck(std::vector<InputChecks::Magnitude>& bounded);
    int UserSizeDataCheck(std::vector<InputChecks::Magnitude>& bounded);
    void InitializeAllResultsGrid();
    void ClearResultsGrd();

    // The design discharge grid; the rows' values join `bounded` as above. A
    // refused cell is returned, by its field, and Rows is left without rows.
    void InitializeDesignQTWGrid();
    std::optional<InputChecks::Failure>
    ReadDesignQTWGrid(DesignQTWList& Rows, std::vector<InputChecks::Magnitude>& bounded) const;
    std::optional<InputChecks::Failure>
    ReadDesignQs(DesignQTWList& Rows, std::vector<InputChecks::Magnitude>& bounded) const;
    // The checks the two reads make, in their order: each used row's design
    // Q and tailwater depth; each typed design Q.
    std::vector<InputChecks::NumberCheck> DesignQTWChecks() const;
    std::vector<InputChecks::NumberCheck> DesignQChecks() const;
    void ClearDesignQTWGrid();

    // Event handlers.
    void CmboCulvertType_Click();
    void CmboInletType_Click();
    void OptBarrelSize_Click();
    void CmdComputeAllResults_Click();
    void CmdGetVRCQs_Click();
    void CmdGetMavoQs_Click();
    void CmdGetUSGSQs_Click();
    void CmdComputeTWDepths_Click();
    void GrdDesignQs_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // A design discharge, the culvert or the allowable headwater changed.
    void Inputs_Change();

    // Set by the report when it exists.
    void SetPrintReport(std::function<void()> print);

    QGroupBox* FraDesignQs;
    FlexGrid* GrdDesignQs;
    QPushButton* CmdGetVRCQs;
    QPushButton* CmdGetMavoQs;
    QPushButton* CmdGetUSGSQs;
    QPushButton* CmdComputeTWDepths;
    QPushButton* CmdSendToPrinter;
    QLineEdit* TxtAllowableHeadWaterElevation;
    QLineEdit* TxtInletInvertElevation;
    QLineEdit* TxtOutletInvertElevation;
    QLineEdit* TxtCulvertBarrelLength;

    QGroupBox* Frame2;
    QComboBox* CmboCulvertType;
    QComboBox* CmboInletType;
    QLineEdit* TxtManningN;
    QLineEdit* TxtKeInlet;
    std::array<QRadioButton*, 2> OptBarrelSize;
    QComboBox* CmboVSHAStandardSize;
    QWidget* FrmBarrelSelection;
    std::array<QLabel*, 5> LblUserSize;
    std::array<QLineEdit*, 5> TxtUserSize;
    std::array<QLabel*, 5> LblUnits;
    QComboBox* CmboUserNumBarrels;

    QGroupBox* FraAllResults;
    FlexGrid* GrdAllResults;
    QPushButton* CmdComputeAllResults;

private:
    // The culvert block's controls, for the logic the design windows share.
    CulvertInputControls Controls() const;
    // The culvert type chosen in the type list.
    const GenDesignCulvertType& SelectedType() const;
    void GetDesignData(GenDesignRecord& Record) const;
    void ShowDesignResultRow(const DesignQTWList& Rows, int Index, const GenDesignRecord& Record);
    void CopyDesignQs(QSource source);
    void BuildDesignQsFrame();
    void BuildCulvertFrame();
    void BuildResultsFrame();
    // The design discharge grid as wide as its columns show now, the controls
    // beside it at their distance from it.
    void FitDesignGridToColumns();

    std::array<const FlexGrid*, 3> qSources_{};
    TailwaterChannel* channel_ = nullptr;
    std::function<void()> print_;
    bool resultsFitPending_ = false;
};
