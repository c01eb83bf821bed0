#include "platform/PrintQueue.h"

#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstring>

// The CUPS library is loaded at run time, as Qt loads its own CUPS printer
// support: the program builds without its headers, and without the library it
// has no system printers.
namespace {

// The library's public structures, as its ABI fixes them.
struct CupsOption {
    char* name;
    char* value;
};
struct CupsDest {
    char* name;
    char* instance;
    int isDefault;
    int numOptions;
    CupsOption* options;
};

constexpr int HttpContinue = 100;
constexpr int IppOkLast = 0x00ff; // statuses above it, and below 0, are errors

class CupsLibrary {
public:
    CupsLibrary() : library_(QStringLiteral("cups"), 2), loaded_(library_.load()) {
        Resolve(getNamedDest_, "cupsGetNamedDest");
        Resolve(getOption_, "cupsGetOption");
        Resolve(freeDests_, "cupsFreeDests");
        Resolve(createJob_, "cupsCreateJob");
        Resolve(startDocument_, "cupsStartDocument");
        Resolve(writeRequestData_, "cupsWriteRequestData");
        Resolve(finishDocument_, "cupsFinishDocument");
        Resolve(cancelJob_, "cupsCancelJob2");
        Resolve(lastErrorString_, "cupsLastErrorString");
    }

    PrinterStatus Status(const QString& printer) const {
        PrinterStatus status;
        const QByteArray name = QueueName(printer);
        const QByteArray instance = printer.section(u'/', 1).toLocal8Bit();
        CupsDest* dest = loaded_
                             ? getNamedDest_(nullptr, name.constData(),
                                             instance.isEmpty() ? nullptr : instance.constData())
                             : nullptr;
        if (!dest) {
            status.exists = false;
            return status;
        }
        // A printer that does not tell (one found on the network) is taken as ready.
        const char* accepting =
            getOption_("printer-is-accepting-jobs", dest->numOptions, dest->options);
        const char* state = getOption_("printer-state", dest->numOptions, dest->options);
        status.acceptingJobs = !accepting || std::strcmp(accepting, "false") != 0;
        status.stopped = state && std::strcmp(state, "5") == 0;
        freeDests_(1, dest);
        return status;
    }

    // The id of the created job; throws when the queue refuses it.
    int CreateJob(const QString& printer, const QString& docName) const {
        const QByteArray name = QueueName(printer);
        int job = createJob_(nullptr, name.constData(), docName.toUtf8().constData(), 0, nullptr);
        if (job <= 0) {
            throw PrinterFault(printer, "could not start the job: " + LastError());
        }
        return job;
    }

    // Sends the document as the job's only one; cancels the job and throws
    // when it is not taken whole.
    void SendDocument(const QString& printer, int job, const QString& docName,
                      const QByteArray& pdf) const {
        const QByteArray name = QueueName(printer);
        const QByteArray title = docName.toUtf8();
        bool started = startDocument_(nullptr, name.constData(), job, title.constData(),
                                      "application/pdf", 1) == HttpContinue;
        bool sent = started && writeRequestData_(nullptr, pdf.constData(),
                                                 static_cast<size_t>(pdf.size())) == HttpContinue;
        // A started document is finished even after a failed write: the answer
        // to it says why.
        int answer = started ? finishDocument_(nullptr, name.constData()) : -1;
        bool finished = answer >= 0 && answer <= IppOkLast;
        if (!sent || !finished) {
            QString error = LastError();
            cancelJob_(nullptr, name.constData(), job, 1);
            throw PrinterFault(printer, "did not accept the document: " + error);
        }
    }

private:
    template <class Function> void Resolve(Function& function, const char* symbol) {
        function = reinterpret_cast<Function>(library_.resolve(symbol));
        loaded_ = loaded_ && function != nullptr;
    }

    // Qt names a printer's instance after a slash; jobs go to the printer itself.
    static QByteArray QueueName(const QString& printer) {
        return printer.section(u'/', 0, 0).toLocal8Bit();
    }

    QString LastError() const { return QString::fromUtf8(lastErrorString_()); }

    QLibrary library_;
    bool loaded_;
    CupsDest* (*getNamedDest_)(void*, const char*, const char*) = nullptr;
    const char* (*getOption_)(const char*, int, CupsOption*) = nullptr;
    void (*freeDests_)(int, CupsDest*) = nullptr;
    int (*createJob_)(void*, const char*, const char*, int, CupsOption*) = nullptr;
    int (*startDocument_)(void*, const char*, int, const char*, const char*, int) = nullptr;
    int (*writeRequestData_)(void*, const char*, size_t) = nullptr;
    int (*finishDocument_)(void*, const char*) = nullptr;
    int (*cancelJob_)(void*, const char*, int, int) = nullptr;
    const char* (*lastErrorString_)() = nullptr;
};

class CupsPrintQueue : public PrintQueue {
public:
    void CheckReady(const QString& printer) override {
        ThrowUnlessReady(printer, cups_.Status(printer));
    }

    QPageLayout Paper(const QString& printer) override {
        return QPrinter(QPrinterInfo::printerInfo(printer), QPrinter::HighResolution).pageLayout();
    }

    void Submit(const QString& printer, const QString& docName, const QByteArray& pdf) override {
        int job = cups_.CreateJob(printer, docName);
        cups_.SendDocument(printer, job, docName, pdf);
    }

private:
    CupsLibrary cups_;
};

} // namespace

PrintQueue& SystemPrintQueue() {
    static CupsPrintQueue queue;
    return queue;
}
