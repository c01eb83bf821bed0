#pragma once

#include "platform/AppError.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

// A system printer as the print system sees it at the moment of asking: whether
// it can take a job now, its paper, and the job itself, sent as one PDF
// document. Every refusal throws AppError, so a print that cannot happen is
// told to the user and nothing is sent.
class PrintQueue {
public:
    virtual ~PrintQueue() = default;
    // Throws when the printer is gone, refuses jobs or is stopped.
    virtual void CheckReady(const QString& printer) = 0;
    // The paper and margins the printer uses unless told otherwise.
    virtual QPageLayout Paper(const QString& printer) = 0;
    // Sends a complete PDF document as one job called docName. Throws when no
    // job can be created or the job does not take the whole document; a job
    // already created is then cancelled.
    virtual void Submit(const QString& printer, const QString& docName, const QByteArray& pdf) = 0;
};

// What the print system tells of a printer.
struct PrinterStatus {
    bool exists = true;
    bool acceptingJobs = true;
    bool stopped = false;
};

// Throws the error that tells the user why the printer cannot take a job now.
void ThrowUnlessReady(const QString& printer, const PrinterStatus& status);

// The printer error "The printer <name> <what>".
AppError PrinterFault(const QString& printer, const QString& what);

// The system's queues (CUPS). Without the CUPS library every printer is
// reported as not available.
PrintQueue& SystemPrintQueue();
