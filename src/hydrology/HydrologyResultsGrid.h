#pragma once

#include <QString>

#include <string>

class FlexGrid;

// What the three hydrology windows' results grids share: the user reads, copies
// and clears them but never types into them, and the discharges they show are
// the texts that the hand-over, the reports and the General Culvert Design
// window take.
namespace HydrologyResultsGrid {

// Delete empties the selected cells; Ctrl+C (Ctrl alone) copies the selection;
// the right button pops up the Edit menu with Copy as its only item.
void Connect(FlexGrid& grid);
// The key handler behind Connect: an error is shown under the application title.
void KeyDown(FlexGrid& grid, int key, int modifiers);

// A discharge rounded to whole ft^3/s with digit grouping ("1,250", "-1").
std::string DischargeText(double q);

// Row 0 as high as the measured text in the grid's font, times factor, plus
// extraTwips, rounded to a whole twip.
void SetHeadingHeight(FlexGrid& grid, const QString& measuredText, double factor,
                      double extraTwips);

} // namespace HydrologyResultsGrid
