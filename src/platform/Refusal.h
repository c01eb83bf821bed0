#pragma once

#include "platform/InputChecks.h"

#include <string>

class QWidget;

// A refused input gets the keyboard back: after its message, the focus stands
// in the input the message names, with its text selected, so that what is
// typed next corrects it. An input is named as the checks name it
// (InputChecks::Failure::field): by its control's object name ("TxtHMin",
// "TxtDP(3)"), or a grid cell by its grid's object name and the cell
// (InputChecks::CellField).
namespace Refusal {

// Shows the failure's message, then gives the keyboard to the input that it
// names in the window `part` belongs to (the tool window, wherever in it the
// input stands: `part` may be the window or a block of its controls). A field
// that names no input of the window (a total, a catalogue entry) leaves the
// focus where the message box found it.
void Show(QWidget& part, const InputChecks::Failure& failure);

// Gives the keyboard to the input that `field` names in the window `part`
// belongs to, scrolled into view: a box with its text selected, or the grid
// with the cell current; false when the window has no such input, or has it
// hidden or disabled.
bool Focus(QWidget& part, const std::string& field);

} // namespace Refusal
