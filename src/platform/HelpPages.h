#pragma once

#include <QString>

class HelpWindow;
class QWidget;

// The help pages beside the program, in its folder help/, shown in the
// program's own help window.
namespace HelpPages {

// Where a page of the help folder lies.
QString Path(const QString& page);
// The contents page, where every page leads back to.
inline QString ContentsPage() {
    return Path(QStringLiteral("index.html"));
}

// Opens the page in the help window, made the first time for `from`'s
// top-level window, or says why it cannot.
void Show(const QString& path, QWidget& from);

// The help window; nullptr until a page was shown, or once its owner is gone.
HelpWindow* Window();
// The page the help window shows while it is open; empty otherwise.
QString ShownPage();

} // namespace HelpPages
