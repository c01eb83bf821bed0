#pragma once

#include "platform/TwipsPrinter.h"

#include <QString>

#include <memory>

class PrintQueue;

// Where a finished report goes, with the measures its layout must use.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    virtual const PrinterMetrics& Metrics() const = 0;
    // Sends a complete document of at least one page; throws AppError when the
    // device or the file fails.
    virtual void Deliver(const PrintedDocument& document) = 0;
};

// A system printer by its device name, on its own paper; the document goes to
// its queue as one PDF job called docName. Throws AppError when the printer
// cannot take a job now.
std::unique_ptr<PrintTarget> OpenSystemPrinter(PrintQueue& queue, const QString& name,
                                               const QString& docName);

// A PDF file titled docName, on letter paper with 1/4-inch margins. The file is
// written only on delivery, through a temporary file that replaces it when
// complete: a failed write leaves no file behind and an older file untouched.
std::unique_ptr<PrintTarget> OpenPdfFile(const QString& fileName, const QString& docName);
