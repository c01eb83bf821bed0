#include "FakeDialogs.h"
#include "PrintingTestHelpers.h"
#include "app/PrtSiteID.h"
#include "app/PrtSiteIDHeader.h"
#include "platform/Printers.h"
#include "platform/ReportJob.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Both site heads through the real PDF output, as the reports use them: the
// compact header and the full block on a portrait page in Times New Roman 11,
// the compact header alone on a landscape page in Arial 10 with a blank file
// number. Set TARNWELL_SAMPLE_DIR to keep the file there for a look.
TEST(SiteHeadsPdf, BothHeadsPrintThroughThePdfFile) {
    Printers::System none;
    Printers::SetSystemForTests(&none);
    FakeDialogs user;
    QTemporaryDir scratch;
    const QString dir = qEnvironmentVariableIsSet("TARNWELL_SAMPLE_DIR")
                            ? qEnvironmentVariable("TARNWELL_SAMPLE_DIR")
                            : scratch.path();
    const QString path = QDir(dir).filePath("tarnwell-site-heads.pdf");
    user.fileNames.push_back(path);

    SiteFields fields = SampleSiteFields({"F-2291", "3", "Kent", "Route 9 over Elk Run",
                                          "STP-0012(5)", "12+50.00", "Elk Run", "J. Doe"});
    SiteFields noFileNumber = fields;
    noFileNumber[static_cast<size_t>(SiteField::FileNumber)].text = "  ";

    PrintReport(
        "Site Heads",
        [&](TwipsPrinter& printer) {
            printer.SetOrientation(PageOrientation::Portrait);
            printer.SetFontName("Times New Roman");
            printer.SetFontSize(11);
            float y = 400;
            PrtSiteIDHeader::PrintSiteIDHeader(printer, y, fields);
            y = 1500;
            PrtSiteID::PrintSiteID(printer, y, fields);
            printer.SetCurrentX(1000);
            printer.SetCurrentY(y + 500);
            printer.PrintLine("Text after the block, in the caller's Times New Roman 11.");

            printer.SetOrientation(PageOrientation::Landscape);
            printer.NewPage();
            printer.SetFontName("Arial");
            printer.SetFontSize(10);
            y = 400;
            PrtSiteIDHeader::PrintSiteIDHeader(printer, y, noFileNumber);
            printer.SetCurrentX(1000);
            printer.SetCurrentY(y + 200);
            printer.PrintLine("Text after the header, in the caller's Arial 10.");
            printer.EndDoc();
        },
        ErrorStyle::Titled);
    Printers::SetSystemForTests(nullptr);

    EXPECT_TRUE(user.shown.empty());
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF-"));
    EXPECT_EQ(content.count("/Type /Page\n"), 2);
}
