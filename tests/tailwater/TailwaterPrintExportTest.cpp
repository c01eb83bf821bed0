#include "TailwaterProgramFixture.h"
#include "app/FrmSiteIdentification.h"
#include "platform/Dialogs.h"
#include "platform/Printers.h"
#include "platform/WaitCursor.h"
#include "tailwater/FrmTailWaterRatingCurve.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string ReadGolden(const std::string& name) {
    std::ifstream file(std::string(TW_TAILWATER_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// The program with the PDF file as its printer and a folder for the files.
// Set TARNWELL_SAMPLE_DIR to keep the PDFs there for a look.
class TailwaterPrintExport : public TailwaterProgramFixture {
protected:
    void SetUp() override {
        TailwaterProgramFixture::SetUp();
        Printers::SetSystemForTests(&none);
        dir = qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")
                  ? qEnvironmentVariable("TARNWELL_SAMPLE_DIR")
                  : scratch.path();
    }
    void TearDown() override {
        Printers::SetSystemForTests(nullptr);
        TailwaterProgramFixture::TearDown();
    }

    QString Path(const QString& name) const { return QDir(dir).filePath(name); }
    QStringList Files() const { return QDir(dir).entryList(QDir::Files); }

    // The trapezoid's rating table from 100 to 105 ft, in steps of `step`.
    void ComputeRating(const char* step) {
        TypeTrapezoid("0.001");
        windows->tailwaterRatingCurve->TxtRCStepSize->setText(step);
        windows->tailwaterRatingCurve->CmdComputeRatingsCurve->click();
        ASSERT_EQ(windows->tailwaterRatingCurve->Curve().Plotted, 1);
    }

    // Prints through the button into a PDF file and gives its page count.
    int PrintToPdf(QPushButton* button, const QString& file) {
        user.fileNames.push_back(Path(file));
        button->click();
        EXPECT_TRUE(user.shown.empty()) << user.shown[0].text.toStdString();
        const QByteArray pdf = ReadAll(Path(file));
        EXPECT_TRUE(pdf.startsWith("%PDF-")) << file.toStdString();
        return static_cast<int>(pdf.count("/Type /Page\n"));
    }

    Printers::System none; // the PDF file is current
    QTemporaryDir scratch;
    QString dir;
};

} // namespace

TEST_F(TailwaterPrintExport, EveryPrintAndExportButtonIsOffered) {
    for (QPushButton* button : {windows->tailwaterCrossSection->CmdPrintCrossSectionTable,
                                windows->tailwaterCrossSection->CmdPrtCrossSectionPlot,
                                windows->tailwaterRatingCurve->CmdPrintTable,
                                windows->tailwaterRatingCurve->CmdPrintRatingPlot,
                                windows->tailwaterRatingCurve->cmdExportTable}) {
        EXPECT_TRUE(button->isEnabled()) << button->text().toStdString();
    }
}

// The four printed pages of a computed channel, through their buttons.
TEST_F(TailwaterPrintExport, ReportsAndPlotsPrintToPdf) {
    windows->siteIdentification->TxtCounty->setText("Orlen");
    windows->siteIdentification->TxtFileNumber->setText("F-12");
    windows->siteIdentification->TxtStructureLocation->setText("Sta. 12+50");
    windows->tailwaterCrossSection->SetInputText(FrmTailWaterCrossSection::Input::LeftOBStation,
                                                 "10");
    ComputeRating("0.05");
    windows->tailwaterCrossSection->CmdPlotXSection->click();
    ASSERT_EQ(windows->tailwaterCrossSection->PlottedSection().Plotted, 1);

    // 101 rows: 37 on the first page, 38 on the next, 26 on the last.
    EXPECT_EQ(PrintToPdf(windows->tailwaterRatingCurve->CmdPrintTable, "tarnwell-rating-table.pdf"),
              3);
    EXPECT_EQ(
        PrintToPdf(windows->tailwaterRatingCurve->CmdPrintRatingPlot, "tarnwell-rating-plot.pdf"),
        1);
    EXPECT_EQ(PrintToPdf(windows->tailwaterCrossSection->CmdPrintCrossSectionTable,
                         "tarnwell-cross-section-table.pdf"),
              1);
    EXPECT_EQ(PrintToPdf(windows->tailwaterCrossSection->CmdPrtCrossSectionPlot,
                         "tarnwell-cross-section-plot.pdf"),
              1);
}

// The PDF file's dialog comes up under the normal pointer at every print
// button: the hourglass is the print job's, once the file is named.
TEST_F(TailwaterPrintExport, TheFileDialogShowsTheNormalPointer) {
    struct PointerWatchingUser : FakeDialogs {
        std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                            const QString& startFolder) override {
            hourglass.push_back(WaitCursor::IsShown());
            return FakeDialogs::SaveFileName(title, filter, startFolder);
        }
        std::vector<bool> hourglass;
    } watcher;
    ComputeRating("1");
    windows->tailwaterCrossSection->CmdPlotXSection->click();
    for (QPushButton* button : {windows->tailwaterCrossSection->CmdPrintCrossSectionTable,
                                windows->tailwaterCrossSection->CmdPrtCrossSectionPlot,
                                windows->tailwaterRatingCurve->CmdPrintTable,
                                windows->tailwaterRatingCurve->CmdPrintRatingPlot}) {
        watcher.fileNames.push_back(std::nullopt);
        button->click();
    }
    EXPECT_EQ(watcher.hourglass, std::vector<bool>(4, false));
    EXPECT_TRUE(watcher.shown.empty());
}

// Cancelling the PDF file name prints nothing; a file that can not be
// written ends the print with one message and leaves no file.
TEST_F(TailwaterPrintExport, ACancelledOrFailedPrintSendsNothing) {
    user.fileNames.push_back(std::nullopt);
    windows->tailwaterRatingCurve->CmdPrintTable->click();
    EXPECT_TRUE(user.shown.empty());

    user.fileNames.push_back(Path("missing folder/table.pdf"));
    windows->tailwaterCrossSection->CmdPrintCrossSectionTable->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, "ERROR");
    EXPECT_TRUE(user.shown[0].text.startsWith("Can not write the PDF file"))
        << user.shown[0].text.toStdString();
    EXPECT_TRUE(Files().isEmpty() || dir != scratch.path());
    EXPECT_FALSE(QDir(Path("missing folder")).exists());
}

// The plots print only what was plotted on screen: before that the buttons
// explain and ask for no file.
TEST_F(TailwaterPrintExport, PlotsNeedAScreenPlotFirst) {
    windows->tailwaterRatingCurve->CmdPrintRatingPlot->click();
    windows->tailwaterCrossSection->CmdPrtCrossSectionPlot->click();
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_TRUE(user.shown[0].text.startsWith("Please click the - Compute/Plot Rating Curve -"));
    EXPECT_TRUE(user.shown[1].text.startsWith("You need to plot the cross-section on screen"));
}

TEST_F(TailwaterPrintExport, TheExportOfAFreshWindowIsItsNineLines) {
    user.fileNames.push_back(Path("fresh.txt"));
    windows->tailwaterRatingCurve->cmdExportTable->click();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(ReadAll(Path("fresh.txt")).toStdString(), ReadGolden("rating_export_empty.txt"));
}

// The computed table as the grid shows it, below the site header and the
// step as typed; an older file of that name is replaced, not appended to.
TEST_F(TailwaterPrintExport, TheExportWritesTheComputedTable) {
    windows->siteIdentification->TxtCounty->setText("Orlen");
    windows->siteIdentification->TxtProjectNumber->setText("P-9");
    ComputeRating(" 1 ");
    QFile old(Path("table.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();

    user.fileNames.push_back(Path("table.txt"));
    windows->tailwaterRatingCurve->cmdExportTable->click();
    EXPECT_TRUE(user.shown.empty());
    const QList<QByteArray> lines = ReadAll(Path("table.txt")).split('\n');
    // Nine lines, one per elevation 100 to 105, and nothing after the last CR LF.
    ASSERT_EQ(lines.size(), 9 + 6 + 1);
    EXPECT_EQ(lines[0], "\"County\",\"Project Number\",\"Station\",\r");
    EXPECT_EQ(lines[1], "\"Orlen\",\"P-9\",\"\",\r");
    EXPECT_EQ(lines[5], "\"Step Size (ft):\",\"1\",\r");
    EXPECT_EQ(lines[9], "\"100.00\",\"0.00\",\"0.00\",\"0.00\",\"0.00\",\"0.00\",\r");
    EXPECT_TRUE(lines[14].startsWith("\"105.00\",\"5.00\","));
    EXPECT_EQ(lines[15], "");
}

// A cancelled dialog writes nothing; a file that can not be written is
// reported without a title and leaves nothing behind.
TEST_F(TailwaterPrintExport, ACancelledOrFailedExportWritesNothing) {
    user.fileNames.push_back(std::nullopt);
    windows->tailwaterRatingCurve->cmdExportTable->click();
    user.fileNames.push_back(QString("   "));
    windows->tailwaterRatingCurve->cmdExportTable->click();
    EXPECT_TRUE(user.shown.empty());

    user.fileNames.push_back(Path("missing folder/table.txt"));
    windows->tailwaterRatingCurve->cmdExportTable->click();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].title, Dialogs::ApplicationTitle);
    EXPECT_TRUE(user.shown[0].text.endsWith(", 75")) << user.shown[0].text.toStdString();
    EXPECT_FALSE(QDir(Path("missing folder")).exists());
    if (dir == scratch.path()) {
        EXPECT_TRUE(Files().isEmpty());
    }
}
