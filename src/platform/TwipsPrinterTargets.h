#pragma once

#include "platform/TwipsPrinter.h"

#include <QString>

#include <memory>

// Where a finished report goes, with the measures its layout must use.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    virtual const PrinterMetrics& Metrics() const = 0;
    // Sends a complete document of at least one page; throws AppError when the
    // device or the file fails.
    virtual void Deliver(const PrintedDocument& document) = 0;
};

// An installed printer by its device name; throws AppError when there is no
// such printer.
std::unique_ptr<PrintTarget> OpenSystemPrinter(const QString& name);

// A PDF file on letter paper with 1/4-inch margins. The file is written only
// on delivery, through a temporary file that replaces it when complete: a
// failed write leaves no file behind and an older file untouched.
std::unique_ptr<PrintTarget> OpenPdfFile(const QString& fileName);
