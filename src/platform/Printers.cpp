#include "platform/Printers.h"

#include "platform/AppError.h"
#include "platform/PrintQueue.h"

#include <QPrinterInfo>

#include <optional>

namespace Printers {
namespace {

std::optional<System> fake;
QString current = PdfFile;

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

void StartRun() {
    QString systemDefault = Actual().defaultName;
    current = systemDefault.isEmpty() ? PdfFile : systemDefault;
}

QString Current() {
    return current;
}

void SetCurrent(const QString& name) {
    if (!Installed().contains(name)) {
        throw AppError(ErrorNumber::PrinterError,
                       "The printer " + name.toStdString() + " is not installed");
    }
    current = name;
}

PrintQueue* Queue() {
    return fake ? fake->queue : &SystemPrintQueue();
}

void SetSystemForTests(const System* system) {
    fake = system ? std::optional<System>(*system) : std::nullopt;
    StartRun();
}

void ChangeSystemForTests(const System& system) {
    fake = system;
}

} // namespace Printers
