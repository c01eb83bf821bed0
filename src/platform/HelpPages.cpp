#include "platform/HelpPages.h"

#include "platform/Dialogs.h"
#include "platform/ProgramDirectory.h"

#include <QFileInfo>

namespace HelpPages {

QString Path(const QString& page) {
    return QString::fromStdString(ProgramDirectory()) + "/help/" + page;
}

void Show(const QString& path) {
    if (!QFileInfo::exists(path)) {
        Dialogs::Message("The help file " + path + " could not be found.");
        return;
    }
    if (!Dialogs::Current().OpenDocument(path)) {
        Dialogs::Message("No program could be started to show the help file " + path + ".");
    }
}

} // namespace HelpPages
