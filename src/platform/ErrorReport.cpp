#include "platform/ErrorReport.h"

#include "platform/Dialogs.h"
#include "platform/WaitCursor.h"

QString ErrorText(const AppError& error, ErrorStyle style) {
    QString description = QString::fromStdString(error.description);
    QString number = QString::number(error.number);
    if (style == ErrorStyle::NumberFirstTitled) {
        return "Error Number: " + number + ", " + description;
    }
    return description + ", " + number;
}

void ShowError(const AppError& error, ErrorStyle style) {
    WaitCursor::RestoreAll();
    QString title = style == ErrorStyle::Untitled ? QString() : QStringLiteral("ERROR");
    Dialogs::Message(ErrorText(error, style), title);
}
