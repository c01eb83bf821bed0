#include "platform/PrintQueue.h"

#include "platform/AppError.h"

void ThrowUnlessReady(const QString& printer, const PrinterStatus& status) {
    if (!status.exists) {
        throw PrinterFault(printer, QStringLiteral("is not available"));
    }
    if (!status.acceptingJobs) {
        throw PrinterFault(printer, QStringLiteral("does not accept jobs"));
    }
    if (status.stopped) {
        throw PrinterFault(printer, QStringLiteral("is stopped"));
    }
}

AppError PrinterFault(const QString& printer, const QString& what) {
    return AppError(ErrorNumber::PrinterError,
                    QStringLiteral("The printer %1 %2").arg(printer, what).toStdString());
}
