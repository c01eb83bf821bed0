#pragma once

#include <cstdint>
#include <string>

// The table of standard NE plunge basins and the pick of one basin from it:
// the smallest standard pipe (within 0.1 in.) that takes the culvert's
// equivalent pipe diameter, and the exit-velocity range that holds the exit
// velocity. Pipe sizes in inches, velocities in ft/s, dimensions in feet.
// One selection state serves the whole program; its outcome is a flag, a
// message and the getters, and it never throws.
namespace modPlungeBasin {

// Builds the table, replacing any earlier contents.
void InitializeBasinTable();

void PipeSize(double inches);
void Velocity(double feetPerSecond);

// Picks the basin for the stored inputs; a failure leaves nothing chosen.
void SelectBasin();

// -1 when the last selection failed, 0 after a success or before any.
std::int16_t ErrorFlag();
std::string ErrorMessage();
// The chosen standard pipe size, 0 when none is chosen.
double TablePipeSize();

// Of the chosen pipe in the chosen range; 0 when none is chosen.
double BasinADim();
double BasinCDim();
double BasinEDim();
double BasinTDim();
double BasinFDim();
// The riprap value of the chosen velocity range; 0 when none is chosen.
double RiprapTableValue();

} // namespace modPlungeBasin
