#pragma once

#include <QString>

#include <functional>
#include <optional>

// The program's file dialogs as the user meets them: each starts in the folder
// of the open project file, else in the folder last chosen in this run, else
// in the user's home folder; a name saved without extension gets the one of
// the dialog's first file type.
namespace FileDialogs {

// A new run: no folder chosen yet; `projectFile` tells the open project
// file's path (empty for none).
void StartRun(std::function<QString()> projectFile);

// The folder the next dialog starts in.
QString StartFolder();

// The extension of the first file type of a filter such as
// "Tarnwell (*.twl);;All Files (*.*)" ("twl"); empty when it names none.
QString DefaultExtension(const QString& filter);

// An open dialog; the chosen name without surrounding blanks, nullopt when
// cancelled.
std::optional<QString> AskOpenFileName(const QString& title, const QString& filter);
// A save dialog; as AskOpenFileName, with the filter's extension added to a
// name that has none.
std::optional<QString> AskSaveFileName(const QString& title, const QString& filter);

} // namespace FileDialogs
