#include "platform/HelpPages.h"

#include "platform/Dialogs.h"
#include "platform/HelpWindow.h"
#include "platform/ProgramDirectory.h"

#include <QFileInfo>
#include <QPointer>

namespace HelpPages {
namespace {

QPointer<HelpWindow> window;

} // namespace

QString Path(const QString& page) {
    return QString::fromStdString(ProgramDirectory()) + "/help/" + page;
}

void Show(const QString& path, QWidget& from) {
    if (!QFileInfo::exists(path)) {
        Dialogs::Message("The help file " + path + " could not be found.");
        return;
    }
    if (!window) {
        window = new HelpWindow(from.window(), ContentsPage());
    }
    window->ShowPage(path);
}

HelpWindow* Window() {
    return window;
}

QString ShownPage() {
    return window && window->isVisible() ? window->Page() : QString();
}

} // namespace HelpPages
