#include "platform/TwipsPrinterTargets.h"

#include "platform/AppError.h"
#include "platform/PrintQueue.h"
#include "platform/TwipsPrinterDevice.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// A document drawn as PDF on a given paper, and the measures of that paper.
class PdfPaper {
public:
    PdfPaper(const QPageLayout& layout, const QString& docName)
        : layout_(layout), docName_(docName), measuring_(&unused_), metrics_(measuring_) {
        SetUp(measuring_);
    }

    const PrinterMetrics& Metrics() const { return metrics_; }

    void Write(const PrintedDocument& document, QIODevice& device) const {
        QPdfWriter writer(&device);
        SetUp(writer);
        PaintDocument(document, writer);
    }

private:
    void SetUp(QPdfWriter& writer) const {
        writer.setCreator(QStringLiteral("Tarnwell V2.0"));
        writer.setTitle(docName_);
        // Line widths count in device pixels; 600 dpi is a common laser printer's.
        writer.setResolution(600);
        writer.setPageLayout(layout_);
    }

    QPageLayout layout_;
    QString docName_;
    QBuffer unused_; // the measuring writer never writes
    QPdfWriter measuring_;
    DeviceMetrics metrics_;
};

class SystemPrinterTarget : public PrintTarget {
public:
    SystemPrinterTarget(PrintQueue& queue, const QString& name, const QString& docName)
        : queue_(queue), name_(name), docName_(docName), paper_(queue.Paper(name), docName) {}

    const PrinterMetrics& Metrics() const override { return paper_.Metrics(); }

    void Deliver(const PrintedDocument& document) override {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        paper_.Write(document, pdf);
        // The printer may have changed while the report ran.
        queue_.CheckReady(name_);
        queue_.Submit(name_, docName_, pdf.data());
    }

private:
    PrintQueue& queue_;
    QString name_;
    QString docName_;
    PdfPaper paper_;
};

class PdfFileTarget : public PrintTarget {
public:
    PdfFileTarget(const QString& fileName, const QString& docName)
        : fileName_(fileName),
          paper_(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                             QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch),
                 docName) {}

    const PrinterMetrics& Metrics() const override { return paper_.Metrics(); }

    void Deliver(const PrintedDocument& document) override {
        QSaveFile file(fileName_);
        if (!file.open(QIODevice::WriteOnly)) {
            throw WriteError(file);
        }
        paper_.Write(document, file);
        if (!file.commit()) {
            throw WriteError(file);
        }
    }

private:
    AppError WriteError(const QSaveFile& file) const {
        return AppError(ErrorNumber::PrinterError, "Can not write the PDF file " +
                                                       fileName_.toStdString() + ": " +
                                                       file.errorString().toStdString());
    }

    QString fileName_;
    PdfPaper paper_;
};

} // namespace

std::unique_ptr<PrintTarget> OpenSystemPrinter(PrintQueue& queue, const QString& name,
                                               const QString& docName) {
    queue.CheckReady(name);
    return std::make_unique<SystemPrinterTarget>(queue, name, docName);
}

std::unique_ptr<PrintTarget> OpenPdfFile(const QString& fileName, const QString& docName) {
    return std::make_unique<PdfFileTarget>(fileName, docName);
}
