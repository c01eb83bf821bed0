#pragma once

#include <QString>
#include <QStringList>

class PrintQueue;

// The printers a report can go to: the system's installed printers and a PDF
// file, and which of them is current. The current printer is fixed when a run
// starts and changes only by the user's choice: a printer added to the system
// or made its default later changes nothing.
namespace Printers {

// The device name of the PDF file choice.
inline const QString PdfFile = QStringLiteral("PDF file");

// The installed printers' device names in the system's order, then PdfFile.
QStringList Installed();

// A new run: the system's default printer becomes current, else PdfFile when
// the system has none.
void StartRun();

// The current printer's device name: the one fixed when the run started, or
// the user's last choice; PdfFile before any run starts. It may have left the
// system since; printing on it then tells so.
QString Current();

// Makes an installed printer current; throws AppError for a name that is not
// installed (any more).
void SetCurrent(const QString& name);

// The print system's queues behind the installed printers; nullptr for a
// stand-in system without them.
PrintQueue* Queue();

// A stand-in for the system's printers. Setting it starts a new run on it, as
// the program would at start-up; nullptr: the real system again. Without a
// queue, none of its printers is available for printing.
struct System {
    QStringList names;
    QString defaultName;
    PrintQueue* queue = nullptr;
};
void SetSystemForTests(const System* system);
// The stand-in system changes while the program runs (printers added, removed
// or made the default); the current printer stays.
void ChangeSystemForTests(const System& system);

} // namespace Printers
