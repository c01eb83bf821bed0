#include "platform/Printers.h"

#include "platform/AppError.h"
#include "platform/PrintQueue.h"

#include <QPrinterInfo>

#include <optional>

namespace Printers {
namespace {

std::optional<System> fake;
std::optional<QString> chosen;

System Actual() {
    if (fake) {
        return *fake;
    }
    return {QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName()};
}

} // namespace

QStringList Installed() {
    return Actual().names << PdfFile;
}

QString Current() {
    if (chosen) {
        return *chosen;
    }
    QString systemDefault = Actual().defaultName;
    return systemDefault.isEmpty() ? PdfFile : systemDefault;
}

void SetCurrent(const QString& name) {
    if (!Installed().contains(name)) {
        throw AppError(ErrorNumber::PrinterError,
                       "The printer " + name.toStdString() + " is not installed");
    }
    chosen = name;
}

PrintQueue* Queue() {
    return fake ? fake->queue : &SystemPrintQueue();
}

void SetSystemForTests(const System* system) {
    fake = system ? std::optional<System>(*system) : std::nullopt;
    chosen.reset();
}

} // namespace Printers
