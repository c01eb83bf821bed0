#pragma once

#include "ProgramFixture.h"
#include "app/FrmSiteIdentification.h"
#include "app/GlobalVariables.h"
#include "app/MDIFrmMain.h"
#include "general_design/FrmGenDesign.h"
#include "main/StartUpSequence.h"
#include "platform/FlexGrid.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

// Failures show the texts of messages and boxes, not their code units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The whole program, started as the user starts it, with scripted dialogs and
// a scratch folder for project files.
class ProjectFileTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        site = windows->siteIdentification;
        design = windows->genDesign;
        ASSERT_TRUE(dir.isValid());
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    static QByteArray FileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void WriteBytes(const QString& path, const std::string& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.data(), static_cast<qint64>(content.size()));
    }

    // A project file holding `records` between its header and its end record.
    static std::string ProjectFile(const std::string& records) {
        return "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n\"VERSION\",\"2.00\"\r\n" +
               records + "\"END_OF_FILE\"\r\n";
    }

    void SaveAs(const QString& path) {
        user.fileNames.push_back(path);
        main->mnuFileSaveAs->trigger();
    }

    void Open(const QString& path) {
        user.fileNames.push_back(path);
        main->mnuFileOpen->trigger();
    }

    // File Open with Yes to the question it asks first when the windows hold
    // work not saved; whether it asked. The question, when asked, is the
    // first thing the user meets.
    bool OpenAnsweringYes(const QString& path) {
        EXPECT_TRUE(user.answers.empty()) << "an answer for something else is pending";
        const size_t before = user.shown.size();
        user.answers.push_back(true);
        Open(path);
        const bool asked = user.answers.empty();
        user.answers.clear();
        EXPECT_EQ(asked, user.shown.size() > before && user.shown[before].title == "Confirm Open");
        return asked;
    }

    // Writes `content` to `path` with `from`, which must stand in it once,
    // changed to `to`, and opens it; the bytes written.
    std::string OpenChanged(const std::string& content, const std::string& from,
                            const std::string& to, const QString& path) {
        const size_t at = content.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        EXPECT_EQ(content.find(from, at + 1), std::string::npos) << from << ": not one record";
        std::string changed = content;
        changed.replace(std::min(at, content.size()), from.size(), to);
        WriteBytes(path, changed);
        user.shown.clear();
        Open(path);
        return changed;
    }

    void New() {
        user.answers.push_back(true);
        main->mnuNew->trigger();
    }

    // The message of an Open that read all of `path` but could not use the
    // records `named`, one line each.
    static QString SkippedMessage(const QString& path, const QStringList& named) {
        return "The file " + path + " was read, but " + QString::number(named.size()) +
               " of its records would be lost or changed by a save:\n" + named.join('\n') +
               "\n\nSo that a save cannot write over the file that still holds them, the "
               "project is no longer tied to the file: File Save will ask for a file name.";
    }

    // The project is tied to no file: File Save asks for a name, and the
    // cancelled dialog writes nothing.
    void ExpectSaveAsksForAName() {
        user.fileNames.push_back(std::nullopt);
        main->mnuFileSave->trigger();
        EXPECT_TRUE(user.fileNames.empty()) << "File Save did not ask for a name";
    }

    void ExpectCurrentFile(const QString& path) const {
        EXPECT_EQ(GlobalVariables::DataFileName, path);
        EXPECT_EQ(main->windowTitle(), "Tarnwell v2.00, U.S. Units/" + path);
    }

    // The project of golden/fixture_project.twl, as the user typed it.
    void TypeFixtureProject() {
        site->TxtFileNumber->setText("  F-1234  ");
        site->TxtDesignNumber->setText("");
        site->TxtCounty->setText("Orlen");
        site->TxtProject->setText("Route 9, \"Mill\" crossing");
        site->TxtProjectNumber->setText("   ");
        site->TxtStructureLocation->setText("Sta. 12+50");
        site->TxtStream->setText("Mill Creek");
        site->TxtDesigner->setText("J. Doe");

        design->SetCulvertInletSize(3, 306, 20604); // RC box, 90 deg headwall, 6 x 4 twin
        design->TxtManningN->setText("0.013");
        design->TxtKeInlet->setText(" 0.45 ");
        design->TxtInletInvertElevation->setText("100.00");
        design->TxtOutletInvertElevation->setText("99.20");
        design->TxtCulvertBarrelLength->setText(" 80 ");
        design->TxtAllowableHeadWaterElevation->setText("106.5");
        design->TxtUserSize[0]->setText("6");
        design->TxtUserSize[1]->setText("4");
        design->CmboUserNumBarrels->setCurrentIndex(1);
        design->OptBarrelSize[1]->click();

        DesignRow(1, true, {"2", "150", "150", "1.2"});
        DesignRow(2, true, {"10", "300", "310.5", ""});
        DesignRow(3, false, {"", "", "45", ""});
        // Results as a Compute with other inputs left them: the file keeps
        // them as shown, whatever the inputs now are.
        ResultRow(1, {"2", "150.00", "1.20", "104.31", "2.31", "8.12", "104.31", "2.31", "103.90",
                      "1.90", "8.12", "7.55", "2.10", "1.85", "Mild"});
        ResultRow(2, {"10", "300.00", "0.00", "107.02", "5.02", "9.80", "107.02", "5.02", "106.40",
                      "4.40", "9.80", "8.95", "3.05", "2.60", "Steep"});
        design->GrdAllResults->SetCellForeColor(2, 3, QColor(255, 0, 0));
    }

    void DesignRow(int row, bool used, const QStringList& cells) {
        design->GrdDesignQs->SetCellChecked(row, 0, used);
        for (int c = 0; c < cells.size(); ++c) {
            design->GrdDesignQs->SetTextMatrix(row, c + 1, cells[c]);
        }
    }

    void ResultRow(int row, const QStringList& cells) {
        for (int c = 0; c < cells.size(); ++c) {
            design->GrdAllResults->SetTextMatrix(row, c, cells[c]);
        }
    }

    FrmSiteIdentification* site = nullptr;
    FrmGenDesign* design = nullptr;
    QTemporaryDir dir;
};

// The example project, opened with one change made to it.
class ExampleProjectTest : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        example = FileBytes(TW_EXAMPLE_PROJECT).toStdString();
        ASSERT_FALSE(example.empty());
    }

    // Opens the example with `from`, which must stand in it once, changed to `to`.
    void OpenExampleChanged(const std::string& from, const std::string& to) {
        OpenChanged(example, from, to, path);
    }

    std::string example;
    const QString path = Path("changed.twl");
};

// One change to a file, for a table of them.
struct Change {
    const char* what;
    std::string from;
    std::string to;
};
