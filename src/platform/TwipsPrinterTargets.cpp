#include "platform/TwipsPrinterTargets.h"

#include "platform/AppError.h"
#include "platform/TwipsPrinterDevice.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace {

class SystemPrinterTarget : public PrintTarget {
public:
    explicit SystemPrinterTarget(const QPrinterInfo& info)
        : printer_(info, QPrinter::HighResolution), metrics_(printer_) {
        printer_.setDocName(QStringLiteral("Tarnwell"));
    }

    const PrinterMetrics& Metrics() const override { return metrics_; }

    void Deliver(const PrintedDocument& document) override {
        PaintDocument(document, printer_);
        if (printer_.printerState() == QPrinter::Error) {
            throw AppError(ErrorNumber::PrinterError, "The printer " +
                                                          printer_.printerName().toStdString() +
                                                          " did not accept the document");
        }
    }

private:
    QPrinter printer_;
    DeviceMetrics metrics_;
};

class PdfFileTarget : public PrintTarget {
public:
    explicit PdfFileTarget(const QString& fileName)
        : fileName_(fileName), measuring_(&unused_), metrics_(measuring_) {
        SetUp(measuring_);
    }

    const PrinterMetrics& Metrics() const override { return metrics_; }

    void Deliver(const PrintedDocument& document) override {
        QSaveFile file(fileName_);
        if (!file.open(QIODevice::WriteOnly)) {
            throw WriteError(file);
        }
        {
            QPdfWriter writer(&file);
            SetUp(writer);
            PaintDocument(document, writer);
        }
        if (!file.commit()) {
            throw WriteError(file);
        }
    }

private:
    static void SetUp(QPdfWriter& writer) {
        writer.setCreator(QStringLiteral("Tarnwell V2.0"));
        // Line widths count in device pixels; 600 dpi is a common laser printer's.
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                         QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    }

    AppError WriteError(const QSaveFile& file) const {
        return AppError(ErrorNumber::PrinterError, "Can not write the PDF file " +
                                                       fileName_.toStdString() + ": " +
                                                       file.errorString().toStdString());
    }

    QString fileName_;
    QBuffer unused_; // the measuring writer never writes
    QPdfWriter measuring_;
    DeviceMetrics metrics_;
};

} // namespace

std::unique_ptr<PrintTarget> OpenSystemPrinter(const QString& name) {
    QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        throw AppError(ErrorNumber::PrinterError,
                       "The printer " + name.toStdString() + " is not available");
    }
    return std::make_unique<SystemPrinterTarget>(info);
}

std::unique_ptr<PrintTarget> OpenPdfFile(const QString& fileName) {
    return std::make_unique<PdfFileTarget>(fileName);
}
