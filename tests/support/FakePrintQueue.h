#pragma once

#include "platform/PrintQueue.h"
#include "platform/Printers.h"

#include <QPageSize>

#include <vector>

// A print system whose printers are in the state a test sets, on legal paper
// with 1/2-inch margins; it keeps the jobs it takes. Installs itself, with the
// given printers, for its lifetime.
class FakePrintQueue : public PrintQueue {
public:
    struct Job {
        QString printer;
        QString docName;
        QByteArray pdf;
    };

    explicit FakePrintQueue(const QStringList& printers) {
        system_ = {printers, printers.value(0), this};
        Printers::SetSystemForTests(&system_);
    }
    ~FakePrintQueue() override { Printers::SetSystemForTests(nullptr); }

    PrinterStatus status;
    bool jobsRefused = false; // the server refuses to create a job
    std::vector<Job> jobs;

    void CheckReady(const QString& printer) override { ThrowUnlessReady(printer, status); }
    QPageLayout Paper(const QString&) override {
        return QPageLayout(QPageSize(QPageSize::Legal), QPageLayout::Portrait,
                           QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    }
    void Submit(const QString& printer, const QString& docName, const QByteArray& pdf) override {
        if (jobsRefused) {
            throw PrinterFault(printer, "could not start the job: Internal server error");
        }
        jobs.push_back({printer, docName, pdf});
    }

private:
    Printers::System system_;
};
