#pragma once

#include "platform/FlexGrid.h"

#include <functional>

class QObject;

// What the windows need to tell a user's change of an input, which makes the
// results shown from the old inputs wrong, from the project file putting
// saved texts back, which does not.
namespace InputChanges {

// True while the project file reader restores the windows. A file's records
// need not stand in section order, and a section may store its results before
// the inputs they came from, so a window keeps its results (and those of the
// windows that follow its inputs) when an input is restored rather than
// changed.
bool Restoring();

// Held by the reader for the length of a read.
class Restore {
public:
    Restore();
    ~Restore();
    Restore(const Restore&) = delete;
    Restore& operator=(const Restore&) = delete;

private:
    bool outer_;
};

// Notes, while a read restores the windows, that it has put the file's own
// text into `control`; outside a read it does nothing.
void NoteRestored(const QObject* control);
// Whether this read has put the file's text into `control`. A reaction to
// another record (a culvert type that fills in its Manning n, say) then
// leaves the control as the file has it, whichever record stands first.
bool Restored(const QObject* control);

// Calls `changed` with the block of data cells that changed whenever a text
// or a tick of the grid changes (typed, pasted, deleted or set), and with
// every data cell when rows are inserted or removed above the last row that
// holds data, which moves it. A text set to what it was already, empty rows
// coming or going below the data, a heading, a colour and a selection are no
// change.
void ConnectGrid(FlexGrid& grid, QObject* context,
                 const std::function<void(const FlexGrid::CellRange& cells)>& changed);

} // namespace InputChanges
