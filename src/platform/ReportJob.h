#pragma once

#include "platform/ErrorReport.h"
#include "platform/TwipsPrinter.h"

#include <functional>

// A report draws itself on the printer it is given.
using Report = std::function<void(TwipsPrinter&)>;

// Prints a report on the current printer, the handler of a Print command, as a
// job called "Tarnwell - " and the report's name: with
// the PDF file current it first asks for the file name (cancel prints nothing);
// the hourglass shows while the report runs. The report is laid out with the
// device's own measures but reaches the device only after it has run to its
// end, so any error (no printer, an error inside the report, a failed write)
// sends nothing and leaves no file; the error is shown in the given style. A
// system printer that cannot take a job is told before the report runs, and
// checked again before the job is sent.
void PrintReport(const QString& reportName, const Report& report, ErrorStyle errorStyle);
