#pragma once

#include <QMainWindow>

#include <functional>

class QMdiArea;
class QMenu;
class QAction;

// The program's one top-level window: the frame whose client area holds every
// tool window, with the menus through which the engineer reaches every tool.
class MDIFrmMain : public QMainWindow {
    Q_OBJECT
public:
    MDIFrmMain();
    ~MDIFrmMain() override;

    // The one main window, once created.
    static MDIFrmMain* Instance();

    // Sizes and places the (still hidden) window from the screen's work area;
    // once it is on the screen, its frame is fitted in the work area.
    void InitializeFrm();

    QMdiArea& MdiArea() const { return *mdiArea_; }
    double ClientWidthTwips() const;
    double ClientHeightTwips() const;

    // "Tarnwell v2.00, U.S. Units/" followed by the current project file.
    void SetCaptionForFile(const QString& dataFileName);

    // Makes a menu item do `handler`; items without a handler stay disabled.
    static void Bind(QAction* item, std::function<void()> handler);

    // The file operations of the project file, set when that subsystem exists.
    struct FileOperations {
        std::function<void()> openDataFile;
        std::function<void(const QString&)> writeDataFile;
        std::function<void()> saveDataFileAs;
        // Takes the project as it stands as the saved one; New calls it after its clear.
        std::function<void()> takeSavedProject;
    };
    void SetFileOperations(FileOperations operations);

    // The help pages opened by Help > Online Help.
    void SetHelpFile(const QString& path) { helpFile_ = path; }
    const QString& HelpFile() const { return helpFile_; }

    // Menu handlers.
    void mnuNew_Click();
    void mnuFileSave_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuOnLineHelp_Click();

    // The exit question of File Exit and the close box; true for Yes.
    static bool AskExit();
    // Unloads every window of the program, which ends it.
    void EndProgram();

    // Menus, in menu-bar order, and their items.
    QMenu* mnuFile;
    QAction* mnuNew;
    QAction* mnuFileOpen;
    QAction* mnuFileSave;
    QAction* mnuFileSaveAs;
    QAction* mnuSelectPrinter;
    QAction* mnuExit;
    QMenu* mnuSite;
    QAction* mnuIdentification;
    QMenu* mnuRunoff;
    QAction* mnuVoskRunoffChart;
    QAction* mnuUSGSMavo1987;
    QAction* mnuUSGSRegression;
    QMenu* mnuTailwater;
    QAction* mnuTailwaterCrossSection;
    QAction* mnuTailwaterRatingCurve;
    QAction* mnuTailwaterQDepth;
    QMenu* mnuDesign;
    QAction* mnuVSHAStandard;
    QAction* mnuTaperedInlet;
    QAction* mnuDropInlet;
    QAction* mnuGeneral;
    QMenu* mnuErosion;
    QAction* mnuErosionScourHole;
    QAction* mnuNEPlungeDesign;
    QAction* mnuHec14Riprap;
    QMenu* mnuEdit; // never in the menu bar: the grids' popup menu
    QAction* mnuEditCopy;
    QAction* mnuEditPaste;
    QAction* mnuEditInsertRows;
    QAction* mnuEditDeleteRows;
    QMenu* mnuHelp;
    QAction* mnuOnLineHelp;
    QAction* mnuAbout;

protected:
    // The close request of the window (its close box, system menu or keyboard).
    void closeEvent(QCloseEvent* event) override;

private:
    QMdiArea* mdiArea_;
    FileOperations fileOperations_;
    QString helpFile_;
};
