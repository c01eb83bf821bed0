#include "ProgramFixture.h"
#include "app/FrmSiteIdentification.h"
#include "hydrology/FrmUSGSRegression.h"
#include "hydrology/FrmVoskRunoffChart.h"
#include "hydrology/frmUSGSMavo1987.h"
#include "platform/Printers.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

// The three reports through their windows' Print buttons, as start-up wires
// them, into PDF files. Set TARNWELL_SAMPLE_DIR to keep the files for a look.
class HydrologyPrint : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        Printers::SetSystemForTests(&none); // the PDF file is current
        dir = qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")
                  ? qEnvironmentVariable("TARNWELL_SAMPLE_DIR")
                  : scratch.path();
    }
    void TearDown() override {
        Printers::SetSystemForTests(nullptr);
        ProgramTest::TearDown();
    }

    struct Report {
        const char* file;
        QPushButton* print;
    };

    // Each window computed from typed inputs, the site typed too.
    std::vector<Report> ComputedWindows() {
        FrmSiteIdentification& site = *windows->siteIdentification;
        site.TxtFileNumber->setText("F-2291");
        site.TxtCounty->setText("Kent");
        site.TxtProject->setText("Route 9 over Elk Run");
        site.TxtStream->setText("Elk Run");
        site.TxtDesigner->setText("J. Doe");
        FrmVoskRunoffChart& chart = *windows->voskRunoffChart;
        chart.Txt_VRC_DA->setText("250");
        chart.Cmd_VRC_ComputeQ->click();
        FrmUSGSRegression& regression = *windows->usgsRegression;
        regression.TxtDA[0]->setText("10");
        regression.TxtDA[2]->setText("2.5");
        regression.TxtWSChar[0]->setText("25.4");
        regression.CmdUSGSComputeQ->click();
        frmUSGSMavo1987& mavo = *windows->usgsMavo1987;
        mavo.TxtDA[0]->setText("10");
        mavo.TxtDA[3]->setText("4");
        mavo.cmdComputeQs->click();
        EXPECT_TRUE(user.shown.empty()) << user.shown[0].text.toStdString();
        return {{"tarnwell-vosk-runoff-chart.pdf", chart.CmdPrintVRC},
                {"tarnwell-usgs-yuld-2001.pdf", regression.CmdPrint},
                {"tarnwell-usgs-mavo-1987.pdf", mavo.CmdPrint}};
    }

    Printers::System none;
    QTemporaryDir scratch;
    QString dir;
};

TEST_F(HydrologyPrint, EachPrintButtonSendsItsOnePageReport) {
    for (const Report& report : ComputedWindows()) {
        SCOPED_TRACE(report.file);
        ASSERT_TRUE(report.print->isEnabled());
        const QString path = QDir(dir).filePath(report.file);
        user.fileNames.push_back(path);
        report.print->click();
        EXPECT_TRUE(user.shown.empty());
        QFile pdf(path);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        const QByteArray content = pdf.readAll();
        EXPECT_TRUE(content.startsWith("%PDF-"));
        EXPECT_EQ(content.count("/Type /Page\n"), 1);
    }
}

// A PDF that cannot be written ends the job: nothing is sent, no file is
// left, and one message says why, in each report's own style.
TEST_F(HydrologyPrint, AFailedPrintSendsNothingAndSaysSo) {
    const QString unwritable = QDir(scratch.path()).filePath("missing folder/report.pdf");
    const std::vector<Report> reports = ComputedWindows();
    const char* starts[] = {"", "", "Error Number: "};
    for (size_t i = 0; i < reports.size(); ++i) {
        SCOPED_TRACE(reports[i].file);
        user.shown.clear();
        user.fileNames.push_back(unwritable);
        reports[i].print->click();
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].title, "ERROR");
        EXPECT_TRUE(user.shown[0].text.startsWith(starts[i])) << user.shown[0].text.toStdString();
        EXPECT_FALSE(QFile::exists(unwritable));
    }
}
