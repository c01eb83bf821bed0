#include "hydrology/QTWGrdUpdates.h"

#include "platform/FlexGrid.h"

namespace QTWGrdUpdates {
namespace {

// The discharge text goes over as shown ("1,250" stays "1,250"). Should the
// source ever hold fewer rows than the destination, the rows it lacks count as
// empty rather than being read past its end.
void Update(const FlexGrid& source, int sourceColumn, FlexGrid& destination) {
    for (int r = 1; r < destination.Rows(); ++r) {
        const QString q = r < source.Rows() ? source.TextMatrix(r, sourceColumn) : "";
        if (destination.TextMatrix(r, 1) == q) {
            continue;
        }
        for (int c = 1; c < destination.Cols(); ++c) {
            destination.SetTextMatrix(r, c, c == 1 ? q : "");
        }
    }
}

} // namespace

void UpdateVRCTWGrid(const FlexGrid& source, FlexGrid& destination) {
    Update(source, 2, destination);
}

void UpdateUSGSTWGrid(const FlexGrid& source, FlexGrid& destination) {
    Update(source, 1, destination);
}

} // namespace QTWGrdUpdates
