#include "platform/ReportJob.h"

#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"
#include "platform/PrintQueue.h"
#include "platform/Printers.h"
#include "platform/TwipsPrinterTargets.h"
#include "platform/WaitCursor.h"

#include <memory>

namespace {

// The target of the current printer; nullptr when the user cancels.
std::unique_ptr<PrintTarget> CurrentTarget(const QString& docName) {
    QString device = Printers::Current();
    if (device != Printers::PdfFile) {
        PrintQueue* queue = Printers::Queue();
        if (!queue) {
            ThrowUnlessReady(device, {.exists = false});
        }
        return OpenSystemPrinter(*queue, device, docName);
    }
    const std::optional<QString> fileName = FileDialogs::AskSaveFileName(
        QStringLiteral("Print to PDF File"), QStringLiteral("PDF Files (*.pdf)"));
    if (!fileName) {
        return nullptr;
    }
    return OpenPdfFile(*fileName, docName);
}

} // namespace

void PrintReport(const QString& reportName, const Report& report, ErrorStyle errorStyle) {
    RunUserAction(errorStyle, [&] {
        std::unique_ptr<PrintTarget> target = CurrentTarget("Tarnwell - " + reportName);
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
