#pragma once

#include <QString>

#include <string>

// The program's texts are std::string; Qt's controls want QString. Every
// character comes across, a zero-width no-break space (U+FEFF) at the start
// too, which Qt's own conversion takes for a byte-order mark and drops.
QString ToQString(const std::string& text);

// A stored text without the blanks around it, as the reports print it.
QString TrimmedQString(const std::string& text);

// A control's text without the blanks around it, as the checks and the reports read it.
std::string TrimmedText(const QString& text);
