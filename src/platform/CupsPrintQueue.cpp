#include "platform/CupsPrintQueue.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cstdlib>
#include <cstring>

namespace {

// Qt names a printer's instance after a slash; jobs go to the printer itself.
QByteArray QueueName(const QString& printer) {
    return printer.section(u'/', 0, 0).toLocal8Bit();
}

// Successful IPP statuses lie below the redirections; the library's own
// failures are negative.
bool Succeeded(ipp_status_t status) {
    return status >= IPP_STATUS_OK && status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

class CupsPrintQueue : public PrintQueue {
public:
    explicit CupsPrintQueue(std::optional<CupsLibrary> cups) : cups_(cups) {}

    void CheckReady(const QString& printer) override { ThrowUnlessReady(printer, Status(printer)); }

    QPageLayout Paper(const QString& printer) override {
        return QPrinter(QPrinterInfo::printerInfo(printer), QPrinter::HighResolution).pageLayout();
    }

    // The job is created, then takes the document as its only one; a job that
    // does not take it whole is cancelled.
    void Submit(const QString& printer, const QString& docName, const QByteArray& pdf) override {
        const CupsLibrary& cups = Library(printer);
        const QByteArray name = QueueName(printer);
        const QByteArray title = docName.toUtf8();
        const int job =
            cups.cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.constData(), 0, nullptr);
        if (job <= 0) {
            throw PrinterFault(printer, "could not start the job: " + LastError(cups));
        }
        const bool started =
            cups.cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, title.constData(),
                                   CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE;
        const bool sent = started && cups.cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                                               static_cast<size_t>(pdf.size())) ==
                                         HTTP_STATUS_CONTINUE;
        // A started document is finished even after a failed write: the answer
        // to it says why.
        const bool finished =
            started && Succeeded(cups.cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()));
        if (!sent || !finished) {
            const QString error = LastError(cups);
            cups.cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 1);
            throw PrinterFault(printer, "did not accept the document: " + error);
        }
    }

private:
    PrinterStatus Status(const QString& printer) const {
        if (!cups_) {
            return {.exists = false};
        }
        const QByteArray name = QueueName(printer);
        const QByteArray instance = printer.section(u'/', 1).toLocal8Bit();
        cups_dest_t* dest =
            cups_->cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                    instance.isEmpty() ? nullptr : instance.constData());
        if (!dest) {
            return {.exists = false};
        }
        // A printer that does not tell (one found on the network) is taken as ready.
        const char* accepting =
            cups_->cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
        const char* state = cups_->cupsGetOption("printer-state", dest->num_options, dest->options);
        const PrinterStatus status{
            .acceptingJobs = !accepting || std::strcmp(accepting, "false") != 0,
            .stopped = state && std::atoi(state) == IPP_PSTATE_STOPPED,
        };
        cups_->cupsFreeDests(1, dest);
        return status;
    }

    const CupsLibrary& Library(const QString& printer) const {
        if (!cups_) {
            ThrowUnlessReady(printer, {.exists = false});
        }
        return *cups_;
    }

    static QString LastError(const CupsLibrary& cups) {
        return QString::fromUtf8(cups.cupsLastErrorString());
    }

    std::optional<CupsLibrary> cups_;
};

} // namespace

std::unique_ptr<PrintQueue> MakeCupsPrintQueue(std::optional<CupsLibrary> cups) {
    return std::make_unique<CupsPrintQueue>(cups);
}

PrintQueue& SystemPrintQueue() {
    static const std::unique_ptr<PrintQueue> queue = MakeCupsPrintQueue(LoadCupsLibrary());
    return *queue;
}
