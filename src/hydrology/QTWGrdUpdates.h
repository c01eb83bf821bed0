#pragma once

class FlexGrid;

// Hands the discharges a hydrology window has just computed to its grid in the
// tailwater Q-depth window, row for row: both grids of a method list the same
// return periods in the same order, so source row r is destination row r.
// A row whose discharge changes loses its depth and elevation, so that no
// tailwater result stands beside a discharge it was not computed from; a row
// handed the discharge it holds keeps them. The headings and the return
// periods are not touched.
namespace QTWGrdUpdates {

// From the runoff chart's results grid (discharge in column 2).
void UpdateVRCTWGrid(const FlexGrid& source, FlexGrid& destination);
// From a USGS results grid (discharge in column 1).
void UpdateUSGSTWGrid(const FlexGrid& source, FlexGrid& destination);

} // namespace QTWGrdUpdates
