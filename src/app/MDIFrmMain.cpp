#include "app/MDIFrmMain.h"

#include "app/FrmAbout.h"
#include "app/GlobalVariables.h"
#include "app/StartUpMod.h"
#include "app/frmSelectPrinter.h"
#include "app/modGridEdit.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FlexGrid.h"
#include "platform/HelpPages.h"
#include "platform/Screen.h"
#include "platform/ToolWindow.h"
#include "platform/WaitCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>

namespace {

MDIFrmMain* instance = nullptr;

QAction* AddItem(QMenu* menu, const char* caption) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setEnabled(false);
    return item;
}

} // namespace

MDIFrmMain::MDIFrmMain() {
    instance = this;
    mdiArea_ = new QMdiArea(this);
    // A tool window larger than the client area, or moved partly out of it, is scrolled to.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu("File");
    // Save, New and Exit must see a cell that is still being typed as typed.
    connect(mnuFile, &QMenu::aboutToShow, this, [] { FlexGrid::CommitTyping(); });
    mnuNew = AddItem(mnuFile, "New");
    mnuFileOpen = AddItem(mnuFile, "Open");
    mnuFileSave = AddItem(mnuFile, "Save");
    mnuFileSaveAs = AddItem(mnuFile, "Save As");
    mnuSelectPrinter = AddItem(mnuFile, "Select Printer");
    mnuExit = AddItem(mnuFile, "Exit");

    mnuSite = bar->addMenu("Site");
    mnuIdentification = AddItem(mnuSite, "Identification");

    mnuRunoff = bar->addMenu("Design-Q's");
    mnuVoskRunoffChart = AddItem(mnuRunoff, "Vosk Runoff Chart");
    mnuUSGSMavo1987 = AddItem(mnuRunoff, "USGS, Mavo - 1987");
    mnuUSGSRegression = AddItem(mnuRunoff, "USGS, Yuld - 2001");

    mnuTailwater = bar->addMenu("Tailwater");
    mnuTailwaterCrossSection = AddItem(mnuTailwater, "Channel Cross-Section");
    mnuTailwaterRatingCurve = AddItem(mnuTailwater, "Rating Curve");
    mnuTailwaterQDepth = AddItem(mnuTailwater, "Q - Depth");

    mnuDesign = bar->addMenu("Culvert");
    mnuVSHAStandard = AddItem(mnuDesign, "VSHA Standard Design");
    mnuTaperedInlet = AddItem(mnuDesign, "Tapered Inlet Design");
    mnuDropInlet = AddItem(mnuDesign, "Drop Inlet Design");
    mnuGeneral = AddItem(mnuDesign, "General Design");

    mnuErosion = bar->addMenu("Erosion");
    mnuErosionScourHole = AddItem(mnuErosion, "NE Scour Hole Design");
    mnuNEPlungeDesign = AddItem(mnuErosion, "NE Plunge Basin Design");
    mnuHec14Riprap = AddItem(mnuErosion, "HEC-14 Riprap Basin Design");

    // Never part of the menu bar: the grids pop it up with the right button.
    mnuEdit = new QMenu("Edit", this);
    mnuEditCopy = mnuEdit->addAction("Copy");
    mnuEditPaste = mnuEdit->addAction("Paste");
    mnuEditInsertRows = mnuEdit->addAction("Insert Rows");
    mnuEditDeleteRows = mnuEdit->addAction("Delete Selected Rows");
    Bind(mnuEditCopy, modGridEdit::mnuEditCopy_Click);
    Bind(mnuEditPaste, modGridEdit::mnuEditPaste_Click);
    Bind(mnuEditInsertRows, modGridEdit::mnuEditInsertRows_Click);
    Bind(mnuEditDeleteRows, modGridEdit::mnuEditDeleteRows_Click);

    mnuHelp = bar->addMenu("Help");
    mnuOnLineHelp = AddItem(mnuHelp, "Online Help");
    mnuAbout = AddItem(mnuHelp, "About");

    Bind(mnuNew, [this] { mnuNew_Click(); });
    Bind(mnuSelectPrinter,
         [] { RunUserAction(ErrorStyle::NumberFirstTitled, [] { frmSelectPrinter::Display(); }); });
    Bind(mnuExit, [this] { mnuExit_Click(); });
    Bind(mnuAbout, [this] { mnuAbout_Click(); });
    Bind(mnuOnLineHelp, [this] { mnuOnLineHelp_Click(); });
}

MDIFrmMain::~MDIFrmMain() {
    if (instance == this) {
        instance = nullptr;
    }
}

MDIFrmMain* MDIFrmMain::Instance() {
    return instance;
}

void MDIFrmMain::Bind(QAction* item, std::function<void()> handler) {
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, item,
                     [handler = std::move(handler)] { handler(); });
}

void MDIFrmMain::InitializeFrm() {
    Screen::Geometry screen = Screen::Current();
    double width = screen.workAreaTwips.width() - 200;
    double height = screen.workAreaTwips.height() - 200;
    double left = (screen.screenWidthTwips - width) / 2;
    const QRect frame = Screen::TwipsRect(left, 50, width, height);
    setGeometry(frame);
    // The tool windows place themselves in the client area before the frame is
    // shown, so its layout must already hold the final size.
    setAttribute(Qt::WA_DontShowOnScreen, true);
    show();
    hide();
    setAttribute(Qt::WA_DontShowOnScreen, false);
    Screen::PlaceWholeFrame(*this, frame);
}

double MDIFrmMain::ClientWidthTwips() const {
    return Screen::PixelsToTwipsX(mdiArea_->viewport()->width());
}

double MDIFrmMain::ClientHeightTwips() const {
    return Screen::PixelsToTwipsY(mdiArea_->viewport()->height());
}

void MDIFrmMain::SetCaptionForFile(const QString& dataFileName) {
    setWindowTitle(QStringLiteral("Tarnwell ") + "v2.00" + ", U.S. Units/" + dataFileName);
}

void MDIFrmMain::SetFileOperations(FileOperations operations) {
    fileOperations_ = std::move(operations);
    Bind(mnuFileOpen, [this] {
        RunUserAction(ErrorStyle::Untitled, [this] { fileOperations_.openDataFile(); });
    });
    Bind(mnuFileSave, [this] { mnuFileSave_Click(); });
    Bind(mnuFileSaveAs, [this] {
        RunUserAction(ErrorStyle::Untitled, [this] { fileOperations_.saveDataFileAs(); });
    });
}

void MDIFrmMain::mnuNew_Click() {
    RunUserAction(ErrorStyle::Untitled, [this] {
        if (StartUpMod::ConfirmClear("New")) {
            StartUpMod::ClearAllProjectData();
            // Without the project file's operations (a frame on its own) there is no saved state.
            if (fileOperations_.takeSavedProject) {
                fileOperations_.takeSavedProject();
            }
        }
    });
}

void MDIFrmMain::mnuFileSave_Click() {
    RunUserAction(ErrorStyle::Untitled, [this] {
        if (!GlobalVariables::DataFileName.isEmpty()) {
            fileOperations_.writeDataFile(GlobalVariables::DataFileName);
        } else {
            fileOperations_.saveDataFileAs();
        }
    });
}

bool MDIFrmMain::AskExit() {
    return Dialogs::AskYesNo("Are you sure you want to Exit Tarnwell?\n"
                             "DATA NOT SAVED TO A FILE WILL BE LOST.",
                             "Confirm Program Exit", false);
}

void MDIFrmMain::mnuExit_Click() {
    RunUserAction(ErrorStyle::Untitled, [this] {
        if (AskExit()) {
            EndProgram();
        }
    });
}

void MDIFrmMain::EndProgram() {
    // From here on no window questions or cancels its close.
    ToolWindow::SetProgramEnding(true);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this) {
            window->close();
        }
    }
    close();
    QApplication::quit();
}

void MDIFrmMain::closeEvent(QCloseEvent* event) {
    if (ToolWindow::ProgramEnding()) {
        event->accept();
        return;
    }
    if (AskExit()) {
        event->accept();
        EndProgram();
    } else {
        event->ignore();
    }
}

void MDIFrmMain::mnuAbout_Click() {
    WaitCursor busy;
    FrmAbout::StartUp();
}

void MDIFrmMain::mnuOnLineHelp_Click() {
    HelpPages::Show(helpFile_, *this);
}
