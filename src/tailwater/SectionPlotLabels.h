#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class PlotSurface;

// Where the labels above a section plot stand, clear of each other and of
// the subsection mark lines: the n of each roughness subsection hung from the
// subsection line, and the over-bank labels over their lines.
namespace SectionPlotLabels {

// A label's left edge and its row: 0 nearest its line (n labels just under
// the subsection line, bank labels just above the plot), counting away from
// it one text line at a time.
struct Placed {
    float left = 0;
    int row = 0;
};

// The n labels, each centred between its two marks (`marks` holds one more
// than `texts`), in the first row where it stands half a "0" clear of the
// labels already there.
std::vector<Placed> NLabels(const PlotSurface& surface, const std::vector<float>& marks,
                            const QStringList& texts);

// An over-bank label at its line, and the side of it away from the channel
// (-1 left, +1 right).
struct Bank {
    QString label;
    float x = 0;
    int outward = 0;
};

// Each bank label centred over its line, or beside it, away from the channel,
// where a mark line would strike through it; a label that would touch one
// placed before it stands a row above it.
std::vector<Placed> BankLabels(const PlotSurface& surface, const std::vector<Bank>& banks,
                               const std::vector<float>& marks);

// The number of rows the labels take: 1 for none.
int Rows(const std::vector<Placed>& labels);

// A box a line may not cross, in the surface's coordinates.
struct Box {
    float left, top, right, bottom;
};

// A vertical line at x from y1 to y2 (y1 > y2, upwards), broken where it
// would pass through one of the boxes.
void LineAround(PlotSurface& surface, float x, float y1, float y2, const std::vector<Box>& boxes);

} // namespace SectionPlotLabels
