#include "GoldenFiles.h"
#include "ProjectFixture.h"
#include "project_file/ProjectFileFormat.h"

#include <QLabel>
#include <QPushButton>

namespace {

using GeneralDesignInfo = ProjectFileTest;

// Every control of the General Culvert Design window that the project file
// carries, and what its reactions show, one line each.
QStringList Controls(const FrmGenDesign& w) {
    QStringList lines;
    const FlexGrid& design = *w.GrdDesignQs;
    lines << "design rows " + QString::number(design.Rows());
    for (int r = 1; r < design.Rows(); ++r) {
        QString line = QString("design %1: %2").arg(r).arg(design.CellChecked(r, 0) ? "x" : "-");
        for (int c = 1; c < design.Cols(); ++c) {
            line += " |" + design.TextMatrix(r, c);
        }
        lines << line;
    }
    const FlexGrid& results = *w.GrdAllResults;
    for (int r = 1; r < results.Rows(); ++r) {
        QString line = QString("result %1:").arg(r);
        for (int c = 0; c < results.Cols(); ++c) {
            bool red = results.CellForeColor(r, c) == QColor(255, 0, 0);
            line += " |" + results.TextMatrix(r, c) + (red ? " (red)" : "");
        }
        lines << line;
    }
    for (const QLineEdit* box :
         {w.TxtInletInvertElevation, w.TxtOutletInvertElevation, w.TxtCulvertBarrelLength,
          w.TxtAllowableHeadWaterElevation, w.TxtManningN, w.TxtKeInlet}) {
        lines << "box [" + box->text() + "]";
    }
    for (const QComboBox* list :
         {w.CmboCulvertType, w.CmboInletType, w.CmboVSHAStandardSize, w.CmboUserNumBarrels}) {
        lines << "list " + list->currentText() + (list->isEnabled() ? "" : " (disabled)");
    }
    for (size_t i = 0; i < w.TxtUserSize.size(); ++i) {
        lines << "user size " + w.LblUserSize[i]->text() + " [" + w.TxtUserSize[i]->text() + "]" +
                     (w.TxtUserSize[i]->isHidden() ? " (hidden)" : "");
    }
    lines << QString("user size option %1, block %2")
                 .arg(w.OptBarrelSize[1]->isChecked())
                 .arg(w.FrmBarrelSelection->isHidden() ? "hidden" : "shown");
    return lines;
}

} // namespace

TEST_F(GeneralDesignInfo, SaveNewOpenRestoresEveryControlWithoutComputing) {
    TypeFixtureProject();
    QStringList before = Controls(*design);
    SaveAs(Path("project.twl"));
    ASSERT_EQ(FileBytes(Path("project.twl")).toStdString(), ReadGolden("fixture_project.twl"));
    New();
    ASSERT_NE(Controls(*design), before);

    Open(Path("project.twl"));
    // Manning n and Ke come back with the blank the window puts before the
    // catalogue's values; the results stay as they were shown, not as the
    // inputs would compute them.
    before.replaceInStrings("box [0.013]", "box [ 0.013]");
    before.replaceInStrings("box [ 0.45 ]", "box [ 0.45]");
    // Other texts come back trimmed.
    before.replaceInStrings("box [ 80 ]", "box [80]");
    EXPECT_EQ(Controls(*design).join("\n").toStdString(), before.join("\n").toStdString());
    EXPECT_TRUE(user.MessageTexts().empty());
}

TEST_F(GeneralDesignInfo, ComputedResultsWithTheirRedFlagRoundTrip) {
    design->SetCulvertInletSize(1, 101, 0); // concrete pipe, square edge
    design->OptBarrelSize[1]->click();
    design->TxtUserSize[0]->setText("36");
    design->TxtInletInvertElevation->setText("100");
    design->TxtOutletInvertElevation->setText("99");
    design->TxtCulvertBarrelLength->setText("100");
    design->TxtAllowableHeadWaterElevation->setText("102");
    DesignRow(1, true, {"10", "20", "20", ""});
    DesignRow(2, true, {"100", "80", "80", "1.5"});
    design->CmdComputeAllResults->click();
    ASSERT_TRUE(user.shown.empty());
    ASSERT_EQ(design->GrdAllResults->Rows(), 3);
    ASSERT_EQ(design->GrdAllResults->CellForeColor(2, 3), QColor(255, 0, 0));
    QStringList before = Controls(*design);

    SaveAs(Path("computed.twl"));
    New();
    Open(Path("computed.twl"));
    QStringList after = Controls(*design);
    // The cleared window keeps 11 result rows; the saved ones come back on top.
    for (int r = 3; r <= 10; ++r) {
        after.removeOne(QString("result %1:").arg(r) + QString(" |").repeated(15));
    }
    EXPECT_EQ(after.join("\n").toStdString(), before.join("\n").toStdString());
}

// A type the catalogue no longer holds is named, as every record the read
// could not apply is, and the rest of the section still comes back.
TEST_F(GeneralDesignInfo, AnUnknownCulvertTypeIsNamedLeavesTheClearedChoiceAndRestoresTheRest) {
    std::string golden = ReadGolden("fixture_project.twl");
    std::string item7 = "\"GENERALDESIGNINFO271829\",7,3,306,20604";
    golden.replace(golden.find(item7), item7.size(), "\"GENERALDESIGNINFO271829\",7,99,306,20604");
    WriteBytes(Path("retired type.twl"), golden);
    Open(Path("retired type.twl"));
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(user.MessageTexts()[0].contains(
        "A culvert type, inlet or standard size that the catalogue does not hold"));
    EXPECT_EQ(design->CmboCulvertType->currentIndex(), 0);
    EXPECT_EQ(design->CmboInletType->currentIndex(), 0);
    EXPECT_EQ(design->CmboVSHAStandardSize->currentIndex(), 0);
    EXPECT_EQ(design->TxtManningN->text(), " 0.013");
    EXPECT_EQ(design->TxtKeInlet->text(), " 0.45");
    EXPECT_EQ(design->TxtUserSize[0]->text(), "6");
    EXPECT_EQ(design->TxtUserSize[1]->text(), "4");
    EXPECT_EQ(design->CmboUserNumBarrels->currentIndex(), 1);
    EXPECT_TRUE(design->OptBarrelSize[1]->isChecked());
    EXPECT_FALSE(design->FrmBarrelSelection->isHidden());
}

TEST_F(GeneralDesignInfo, AnEmptyListSelectionIsSavedAsAnIdentifierNoEntryCarries) {
    for (int t = 0; t < design->CmboCulvertType->count(); ++t) {
        design->CmboCulvertType->setCurrentIndex(t);
        for (const QComboBox* list :
             {design->CmboCulvertType, design->CmboInletType, design->CmboVSHAStandardSize}) {
            EXPECT_LT(list->findData(-1), 0) << "type " << t;
        }
    }
    design->SetCulvertInletSize(3, 306, 20604);
    design->CmboVSHAStandardSize->setCurrentIndex(-1);
    SaveAs(Path("no size.twl"));
    EXPECT_TRUE(user.shown.empty());
    EXPECT_TRUE(
        FileBytes(Path("no size.twl")).contains("\"GENERALDESIGNINFO271829\",7,3,306,-1\r\n"));

    Open(Path("no size.twl"));
    EXPECT_EQ(design->CmboInletType->currentData().toInt(), 306);
    EXPECT_EQ(design->CmboVSHAStandardSize->currentIndex(), 0);
}

TEST_F(GeneralDesignInfo, RowsOutsideTheGridsOrPastTheCapAreIgnored) {
    const std::string marker = "\"GENERALDESIGNINFO271829\",";
    const int cap = ProjectFileFormat::MaxGridRow;
    std::string file =
        "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n\"VERSION\",\"2.00\"\r\n" + marker +
        "1,11,1,\"lost\"\r\n" + marker + "1,-1,1,\"lost\"\r\n" + marker +
        "2,2147483647,1,\"lost\",1\r\n" + marker + "2," + std::to_string(cap + 1) +
        ",1,\"lost\",1\r\n" + marker + "2,-4,1,\"lost\",0\r\n" + marker + "2,12,1,\"12.00\",1\r\n" +
        "\"END_OF_FILE\"\r\n";
    WriteBytes(Path("rows.twl"), file);
    Open(Path("rows.twl"));
    // Five records outside the grids, and the result of row 12, which a save
    // would not write back below a row 1 without a discharge.
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(user.MessageTexts()[0].startsWith(
        "The file " + Path("rows.twl") +
        " was read, but 6 of its records would be lost or changed by a save:\n"
        "A row or column outside its grid (line 4, section GENERALDESIGNINFO271829, item 1)\n"))
        << user.MessageTexts()[0].toStdString();
    ExpectCurrentFile("");
    EXPECT_EQ(design->GrdDesignQs->Rows(), 11);
    ASSERT_EQ(design->GrdAllResults->Rows(), 13);
    EXPECT_EQ(design->GrdAllResults->TextMatrix(12, 1), "12.00");
    EXPECT_EQ(design->GrdAllResults->CellForeColor(12, 1), QColor(255, 0, 0));

    WriteBytes(Path("cap.twl"), "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n"
                                "\"VERSION\",\"2.00\"\r\n" +
                                    marker + "2," + std::to_string(cap) + ",0,\"last\",0\r\n" +
                                    "\"END_OF_FILE\"\r\n");
    Open(Path("cap.twl"));
    EXPECT_EQ(design->GrdAllResults->Rows(), cap + 1);
    EXPECT_LE(design->GrdAllResults->Rows(), FlexGrid::MaxRows);
}

TEST_F(GeneralDesignInfo, ATruncatedFileNeverPassesForComplete) {
    TypeFixtureProject();
    SaveAs(Path("project.twl"));
    std::string golden = ReadGolden("fixture_project.twl");
    // Cut inside every record: after its marker, after its item number, and
    // just before its line end.
    // The header check reads the first three records before anything is cleared.
    size_t firstRead = golden.find("\r\n", golden.find("\"VERSION\"")) + 2;
    std::vector<size_t> cuts;
    for (size_t start = firstRead; start < golden.size(); start = golden.find("\r\n", start) + 2) {
        size_t comma = golden.find(',', start);
        size_t lineEnd = golden.find("\r\n", start);
        cuts.push_back(lineEnd - 1);
        if (comma < lineEnd) {
            cuts.push_back(comma);
            cuts.push_back(std::min(golden.find(',', comma + 1), lineEnd));
        }
    }
    for (size_t cut : cuts) {
        SCOPED_TRACE(cut);
        user.shown.clear();
        WriteBytes(Path("cut.twl"), golden.substr(0, cut));
        Open(Path("cut.twl"));
        ASSERT_EQ(user.MessageTexts().size(), 1u);
        EXPECT_TRUE(GlobalVariables::DataFileName.isEmpty());
        EXPECT_EQ(design->GrdDesignQs->Rows(), 11);
        EXPECT_EQ(design->GrdAllResults->Rows(), 11);
    }
}
