#include "platform/ReportJob.h"

#include "FakeDialogs.h"
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
        PrintReport([&](TwipsPrinter& printer) { TwoPages(printer); }, ErrorStyle::Titled);
    }
    EXPECT_EQ(user.startFolders,
              std::vector<QString>({QDir::homePath(), dir.path(), project.path()}));
    FileDialogs::StartRun({});
}

TEST_F(ReportJobTest, CancellingTheFileNamePrintsNothing) {
    user.fileNames.push_back(std::nullopt);
    PrintReport([&](TwipsPrinter&) { ++runs; }, ErrorStyle::Titled);
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
    PrintReport(TwoPages, ErrorStyle::Titled);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(PdfPageCount(ReadAll(Path("next.pdf"))), 2);
}

TEST_F(ReportJobTest, AFileThatCanNotBeWrittenIsReported) {
    user.fileNames.push_back(Path("missing folder/report.pdf"));
    PrintReport(TwoPages, ErrorStyle::NumberFirstTitled);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_TRUE(user.shown[0].text.startsWith("Error Number: 482, Can not write the PDF file " +
                                              Path("missing folder/report.pdf")))
        << user.shown[0].text.toStdString();
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ReportJobTest, APrinterThatIsNotAvailableIsReportedBeforeTheReportRuns) {
    Printers::System gone{{"Office Laser"}, "Office Laser"};
    Printers::SetSystemForTests(&gone);
    PrintReport([&](TwipsPrinter&) { ++runs; }, ErrorStyle::Titled);
    EXPECT_EQ(runs, 0);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "The printer Office Laser is not available, 482");
    EXPECT_EQ(user.shown[0].title, "ERROR");
}
