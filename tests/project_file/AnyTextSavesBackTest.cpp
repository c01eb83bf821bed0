// Whatever text a box or a grid cell takes, in any script, with any
// character, and whatever it spells (the end record's word, a header line's,
// a section's marker), is a text inside its record: Save As writes it, Open
// reads it back silently into the same box or cell, and a second Save writes
// the file again byte for byte.
#include "ProjectFixture.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <functional>

namespace {

using Windows = StartUpMod::LoadedWindows;

struct Control {
    const char* what;
    // Pastes the text into the box or cell, as the user pastes it.
    std::function<void(const Windows&)> paste;
    std::function<QString(const Windows&)> shown;
};

void PasteInto(QLineEdit& box) {
    box.selectAll();
    box.paste();
}

// Through the cell's editor, which takes a text whole, tabs included.
void PasteIntoCell(FlexGrid& grid, int row, int col) {
    grid.SetSelection(row, col, row, col);
    QTest::keyClick(&grid, Qt::Key_F2);
    auto* editor = grid.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    PasteInto(*editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits through a queued call
    // The closed editor goes, so that the next cell's is the one found.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

const std::vector<Control> Controls = {
    {"the County, the last text of its record",
     [](const Windows& w) { PasteInto(*w.siteIdentification->TxtCounty); },
     [](const Windows& w) { return w.siteIdentification->TxtCounty->text(); }},
    {"the Designer, the site section's last record",
     [](const Windows& w) { PasteInto(*w.siteIdentification->TxtDesigner); },
     [](const Windows& w) { return w.siteIdentification->TxtDesigner->text(); }},
    {"the runoff chart's description of its own factor",
     [](const Windows& w) {
         w.voskRunoffChart->Opt_VRC_LUS[1]->click();
         PasteInto(*w.voskRunoffChart->Txt_VRC_UserLUSDescript);
     },
     [](const Windows& w) { return w.voskRunoffChart->Txt_VRC_UserLUSDescript->text(); }},
    {"a Q - Depth discharge cell",
     [](const Windows& w) { PasteIntoCell(*w.tailwaterQDepth->GrdQElevCalc, 1, 0); },
     [](const Windows& w) { return w.tailwaterQDepth->GrdQElevCalc->TextMatrix(1, 0); }},
    {"a General Culvert Design discharge cell",
     [](const Windows& w) { PasteIntoCell(*w.genDesign->GrdDesignQs, 1, 2); },
     [](const Windows& w) { return w.genDesign->GrdDesignQs->TextMatrix(1, 2); }},
};

const std::vector<QString> Texts = {
    // A zero-width no-break space, which editors put before a text, and one inside.
    QString(QChar(0xFEFF)) + "Route 614",
    QString(QChar(0xFEFF)),
    QString(QChar(0xFEFF)) + QChar(0xFEFF) + "614",
    "Route" + QString(QChar(0xFEFF)) + "614",
    // The words of the file's own lines, in any letter case.
    "end_of_file",
    "END_OF_FILE",
    "End_Of_File",
    "VERSION",
    "2.00",
    "ENGLISHUNITS",
    "METRICUNITS",
    "TARNWELLSOFTWAREVSHACHS",
    "a copy of tarnwellsoftwarevshachs",
    "SITEIDINFO7438579",
    "HEC14RIPRAP857982",
    "[USGSMAVO1987DAQ]",
    "siteidinfo7438579",
    // Characters of the file's syntax; a double quote is stored as two apostrophes.
    "a, b",
    ",,,",
    "''END_OF_FILE''",
    "x''END_OF_FILE",
    // Other scripts, characters outside the basic plane, combining marks.
    QString::fromUtf8("\xCE\x95\xCE\xBB\xCE\xBB\xCE\xAC\xCE\xB4\xCE\xB1"), // Greek
    QString::fromUtf8("\xD0\x9E\xD1\x80\xD0\xBB\xD0\xB5\xD0\xBD"),         // Cyrillic
    QString::fromUtf8("\xE6\xBC\xA2\xE5\xAD\x97\xE3\x81\x8B\xE3\x81\xAA"), // Han, kana
    QString::fromUtf8("\xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A 12"),              // Arabic
    QString::fromUtf8("\xF0\x9F\x8C\x8A\xF0\x9F\x8F\x97\xEF\xB8\x8F"),     // emoji
    QString::fromUtf8("Cafe\xCC\x81"),                                     // e, combining acute
    // Characters no keyboard types but a paste brings.
    "a\tb",
    "\tx\t",
    QString(QChar(0x00A0)) + "12" + QString(QChar(0x00A0)),
    QString(QChar(0x0085)) + "next",
    "a" + QString(QChar(0x2028)) + "b",
    QString(QChar(0x0001)) + "soh",
    QString(QChar(0xFFFD)),
    // Line ends, which a paste into a box or a cell's editor keeps, inside the
    // text's quotes: the lines they make are no lines of the file's own.
    "a\r\nb",
    "a\nb\rc",
    "x\r\n",
    "\r\n\r\n",
    "x\r\nEND_OF_FILE\r\ny",
    "x\r\nEND_OF_FILE",
    "x\n\n''END_OF_FILE''\n",
    "\r\nTARNWELLSOFTWAREVSHACHS\r\nENGLISHUNITS\r\nVERSION,2.00\r\n",
    "x\r\nSITEIDINFO7438579,1,F-1",
};

using AnyText = ProjectFileTest;

TEST_F(AnyText, EveryTextABoxOrCellTakesSavesOpensSilentlyAndSavesBackByteForByte) {
    for (const Control& control : Controls) {
        for (const QString& text : Texts) {
            SCOPED_TRACE(std::string(control.what) + ": " + text.toStdString());
            user.shown.clear();
            Open(TW_EXAMPLE_PROJECT);
            ASSERT_TRUE(user.shown.empty());
            QApplication::clipboard()->setText(text);
            control.paste(*windows);
            if (control.shown(*windows) != text) {
                ADD_FAILURE() << "the paste gave " << control.shown(*windows).toStdString();
                continue;
            }

            const QString saved = Path("saved.twl");
            SaveAs(saved);
            New();
            Open(saved);
            EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
            ExpectCurrentFile(saved);
            EXPECT_TRUE(control.shown(*windows) == text) << control.shown(*windows).toStdString();

            const QString again = Path("again.twl");
            SaveAs(again);
            EXPECT_TRUE(FileBytes(again) == FileBytes(saved));
        }
    }
}

} // namespace
