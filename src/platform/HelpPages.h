#pragma once

#include <QString>

// The help pages beside the program, in its folder help/.
namespace HelpPages {

// Where a page of the help folder lies.
QString Path(const QString& page);

// Opens the page in the system's viewer, or says why it cannot.
void Show(const QString& path);

} // namespace HelpPages
