#include "platform/ReportJob.h"

#include "platform/Dialogs.h"
#include "platform/Printers.h"
#include "platform/TwipsPrinterTargets.h"
#include "platform/WaitCursor.h"

#include <QFileInfo>

#include <memory>

namespace {

// The target of the current printer; nullptr when the user cancels.
std::unique_ptr<PrintTarget> CurrentTarget() {
    QString device = Printers::Current();
    if (device != Printers::PdfFile) {
        return OpenSystemPrinter(device);
    }
    auto fileName = Dialogs::Current().SaveFileName(QStringLiteral("Print to PDF File"),
                                                    QStringLiteral("PDF Files (*.pdf)"), QString());
    if (!fileName) {
        return nullptr;
    }
    if (QFileInfo(*fileName).suffix().isEmpty()) {
        *fileName += QStringLiteral(".pdf");
    }
    return OpenPdfFile(*fileName);
}

} // namespace

void PrintReport(const Report& report, ErrorStyle errorStyle) {
    RunUserAction(errorStyle, [&] {
        std::unique_ptr<PrintTarget> target = CurrentTarget();
        if (!target) {
            return;
        }
        WaitCursor busy;
        TwipsPrinter printer(target->Metrics());
        report(printer);
        printer.EndDoc();
        if (!printer.Document().pages.empty()) {
            target->Deliver(printer.Document());
        }
    });
}
