#include "platform/ReportJob.h"

#include "platform/FileDialogs.h"
#include "platform/Printers.h"
#include "platform/TwipsPrinterTargets.h"
#include "platform/WaitCursor.h"

#include <memory>

namespace {

// The target of the current printer; nullptr when the user cancels.
std::unique_ptr<PrintTarget> CurrentTarget() {
    QString device = Printers::Current();
    if (device != Printers::PdfFile) {
        return OpenSystemPrinter(device);
    }
    const std::optional<QString> fileName = FileDialogs::AskSaveFileName(
        QStringLiteral("Print to PDF File"), QStringLiteral("PDF Files (*.pdf)"));
    if (!fileName) {
        return nullptr;
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
