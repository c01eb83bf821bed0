#pragma once

#include <QString>
#include <QStringList>

class PrintQueue;

// The printers a report can go to: the system's installed printers and a PDF
// file, and which of them is current. The choice lasts until the program ends;
// each run starts with the system's default printer.
namespace Printers {

// The device name of the PDF file choice.
inline const QString PdfFile = QStringLiteral("PDF file");

// The installed printers' device names in the system's order, then PdfFile.
QStringList Installed();

// The current printer's device name: the last choice, else the system's default
// printer, else PdfFile when the system has none.
QString Current();

// Makes an installed printer current; throws AppError for a name that is not
// installed (any more).
void SetCurrent(const QString& name);

// The print system's queues behind the installed printers; nullptr for a
// stand-in system without them.
PrintQueue* Queue();

// A stand-in for the system's printers; setting it also forgets the choice,
// as a new run of the program would. nullptr: the real system again. Without
// a queue, none of its printers is available for printing.
struct System {
    QStringList names;
    QString defaultName;
    PrintQueue* queue = nullptr;
};
void SetSystemForTests(const System* system);

} // namespace Printers
