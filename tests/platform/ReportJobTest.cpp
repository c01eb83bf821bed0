#include "platform/ReportJob.h"

#include "FakeDialogs.h"
#include "FakePrintQueue.h"
#include "platform/FileDialogs.h"
#include "platform/Printers.h"
#include "platform/WaitCursor.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PdfPageCount(const QByteArray& pdf) {
    return static_cast<int>(pdf.count("/Type /Page\n"));
}

// A report of two pages, the second landscape.
void TwoPages(TwipsPrinter& printer) {
    printer.SetFontName("Arial");
    printer.SetCurrentX(1000);
    printer.SetCurrentY(1000);
    printer.PrintLine("First page");
    printer.Line(1000, 1300, 5000, 1300);
    printer.SetOrientation(PageOrientation::Landscape);
    printer.NewPage();
    printer.PrintLine("Second page");
    printer.EndDoc();
}

struct ReportJobTest : ::testing::Test {
    ReportJobTest() { Printers::SetSystemForTests(&system); }
    ~ReportJobTest() override { Printers::SetSystemForTests(nullptr); }

    QString Path(const QString& name) const { return dir.filePath(name); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files); }

    Printers::System system; // none installed: the PDF file is current
    FakeDialogs user;
    QTemporaryDir dir;
    int runs = 0;
};

} // namespace

TEST_F(ReportJobTest, APdfReportGoesToTheFileTheUserNames) {
    user.fileNames.push_back(Path("culvert"));
    PrintReport(
        "Test Report",
        [&](TwipsPrinter& printer) {
            ++runs;
            EXPECT_TRUE(WaitCursor::IsShown());
            TwoPages(printer);
        },
        ErrorStyle::Titled);

    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_FALSE(WaitCursor::IsShown());
    EXPECT_EQ(Files(), QStringList{"culvert.pdf"});
    QByteArray pdf = ReadAll(Path("culvert.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PdfPageCount(pdf), 2);
}

TEST_F(ReportJobTest, ThePdfDialogStartsInTheProjectsFolderElseTheLastOneElseHome) {
    QTemporaryDir project;
    QString projectFile;
    FileDialogs::StartRun([&projectFile] { return projectFile; });
    user.fileNames = {Path("first"), std::nullopt, std::nullopt};
    for (int print = 0; print < 3; ++print) {
        if (print == 2) {
            projectFile = project.filePath("site.twl");
        }
        PrintReport(
            "Test Report", [&](TwipsPrinter& printer) { TwoPages(printer); }, ErrorStyle::Titled);
    }
    EXPECT_EQ(user.startFolders,
              std::vector<QString>({QDir::homePath(), dir.path(), project.path()}));
    FileDialogs::StartRun({});
}

TEST_F(ReportJobTest, CancellingTheFileNamePrintsNothing) {
    user.fileNames.push_back(std::nullopt);
    PrintReport(
        "Test Report", [&](TwipsPrinter&) { ++runs; }, ErrorStyle::Titled);
    EXPECT_EQ(runs, 0);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ReportJobTest, AnErrorInsideTheReportSendsNothingAndIsShownInTheCallersStyle) {
    struct Case {
        ErrorStyle style;
        const char* text;
        const char* title;
    };
    const Case cases[] = {
        {ErrorStyle::Titled, "Division by zero, 11", "ERROR"},
        {ErrorStyle::NumberFirstTitled, "Error Number: 11, Division by zero", "ERROR"},
    };
    for (const auto& c : cases) {
        user.shown.clear();
        QFile old(Path("report.pdf"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous report");
        old.close();

        user.fileNames.push_back(Path("report.pdf"));
        PrintReport(
            "Test Report",
            [&](TwipsPrinter& printer) {
                TwoPages(printer);
                printer.PrintLine("half of a third page");
                throw AppError(ErrorNumber::DivisionByZero, "Division by zero");
            },
            c.style);

        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text.toStdString(), c.text);
        EXPECT_EQ(user.shown[0].title.toStdString(), c.title);
        EXPECT_FALSE(WaitCursor::IsShown());
        // No temporary file is left and the older file is untouched.
        EXPECT_EQ(Files(), QStringList{"report.pdf"});
        EXPECT_EQ(ReadAll(Path("report.pdf")), "previous report");
    }

    // Nothing stays open: the next print is complete and alone in its file.
    user.shown.clear();
    user.fileNames.push_back(Path("next.pdf"));
    PrintReport("Test Report", TwoPages, ErrorStyle::Titled);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(PdfPageCount(ReadAll(Path("next.pdf"))), 2);
}

TEST_F(ReportJobTest, AFileThatCanNotBeWrittenIsReported) {
    user.fileNames.push_back(Path("missing folder/report.pdf"));
    PrintReport("Test Report", TwoPages, ErrorStyle::NumberFirstTitled);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_TRUE(user.shown[0].text.startsWith("Error Number: 482, Can not write the PDF file " +
                                              Path("missing folder/report.pdf")))
        << user.shown[0].text.toStdString();
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ReportJobTest, APrinterThatIsNotAvailableIsReportedBeforeTheReportRuns) {
    Printers::System gone{{"Office Laser"}, "Office Laser"};
    Printers::SetSystemForTests(&gone);
    PrintReport(
        "Test Report", [&](TwipsPrinter&) { ++runs; }, ErrorStyle::Titled);
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "The printer Office Laser is not available, 482");
    EXPECT_EQ(user.shown[0].title, "ERROR");
}

TEST_F(ReportJobTest, ASystemPrinterGetsOnePdfJobNamedAfterTheReport) {
    FakePrintQueue queue({"Office Laser"});
    PrintReport("General Culvert Design", TwoPages, ErrorStyle::Titled);
    EXPECT_TRUE(user.shown.empty());
    ASSERT_EQ(queue.jobs.size(), 1u);
    EXPECT_EQ(queue.jobs[0].printer, "Office Laser");
    EXPECT_EQ(queue.jobs[0].docName, "Tarnwell - General Culvert Design");
    EXPECT_EQ(PdfPageCount(queue.jobs[0].pdf), 2);
    // On the printer's own paper: legal, 8.5 by 14 inches (612 by 1008 points),
    // the second page turned.
    QByteArray pdf = queue.jobs[0].pdf;
    EXPECT_EQ(pdf.count("/MediaBox [0 0 612.000000 1008.000000]"), 1);
    EXPECT_EQ(pdf.count("/MediaBox [0 0 1008.000000 612.000000]"), 1);
}

// A system printer that becomes the default while the program runs takes no
// job: the report still goes to the PDF file the user names.
TEST_F(ReportJobTest, APdfFileCurrentAtStartStaysCurrentWhenASystemDefaultAppears) {
    FakePrintQueue queue(QStringList{});
    Printers::ChangeSystemForTests({{"Office Laser"}, "Office Laser", &queue});
    user.fileNames.push_back(Path("culvert.pdf"));
    PrintReport("Test Report", TwoPages, ErrorStyle::Titled);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_TRUE(queue.jobs.empty());
    EXPECT_EQ(PdfPageCount(ReadAll(Path("culvert.pdf"))), 2);
}

// Each way a system printer can refuse is shown as a failed PDF print is, and
// nothing is sent: a printer that is gone, refuses jobs or is stopped is told
// before the report runs; one that turns so while the report runs, or whose
// server cannot create the job, is told when the job is sent.
TEST_F(ReportJobTest, EveryRefusalOfASystemPrinterIsShownAndSendsNothing) {
    struct Case {
        PrinterStatus before;
        PrinterStatus during;
        bool jobsRefused;
        int runs;
        const char* text;
    };
    const PrinterStatus ready;
    const PrinterStatus gone{.exists = false};
    const PrinterStatus refusing{.acceptingJobs = false};
    const PrinterStatus stopped{.stopped = true};
    const Case cases[] = {
        {gone, gone, false, 0, "The printer Office Laser is not available, 482"},
        {refusing, refusing, false, 0, "The printer Office Laser does not accept jobs, 482"},
        {stopped, stopped, false, 0, "The printer Office Laser is stopped, 482"},
        {ready, gone, false, 1, "The printer Office Laser is not available, 482"},
        {ready, refusing, false, 1, "The printer Office Laser does not accept jobs, 482"},
        {ready, stopped, false, 1, "The printer Office Laser is stopped, 482"},
        {ready, ready, true, 1,
         "The printer Office Laser could not start the job: Internal server error, 482"},
    };
    for (const auto& c : cases) {
        FakePrintQueue queue({"Office Laser"});
        queue.status = c.before;
        queue.jobsRefused = c.jobsRefused;
        user.shown.clear();
        runs = 0;
        PrintReport(
            "Test Report",
            [&](TwipsPrinter& printer) {
                ++runs;
                TwoPages(printer);
                queue.status = c.during;
            },
            ErrorStyle::Titled);

        EXPECT_EQ(runs, c.runs) << c.text;
        EXPECT_TRUE(queue.jobs.empty()) << c.text;
        ASSERT_EQ(user.shown.size(), 1u) << c.text;
        EXPECT_EQ(user.shown[0].text.toStdString(), c.text);
        EXPECT_EQ(user.shown[0].title, "ERROR");
        EXPECT_FALSE(WaitCursor::IsShown());
    }
}
