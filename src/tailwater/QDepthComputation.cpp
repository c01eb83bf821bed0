#include "tailwater/QDepthComputation.h"

#include "platform/Numbers.h"
#include "tailwater/TailWaterMod.h"

#include <cmath>

namespace QDepthComputation {
namespace {

std::string Formatted(double value) {
    return Numbers::Format(value, NumberPattern);
}

// Q at normal depth for the water at elevation W.
double DischargeAt(const ChannelSection& section, double W, double rootSlope) {
    double area = 0;
    double conveyance = 0;
    TailWaterMod::ComputeConveyance(section, W, area, conveyance);
    return conveyance * rootSlope;
}

struct NormalDepth {
    bool found = false;
    double elevation = 0;
    double depth = 0;
};

NormalDepth Search(const ChannelSection& section, double slope, double Q) {
    NormalDepth result;
    int errFlag = 0;
    std::string message;
    int iterations = 0;
    TailWaterMod::ComputeNormalDepth(section, slope, Q, result.elevation, result.depth, errFlag,
                                     message, iterations);
    result.found = errFlag == 0;
    return result;
}

} // namespace

std::vector<InputChecks::Magnitude> ColumnBounds(const InputColumn& input, int column,
                                                 const std::string& gridName,
                                                 const std::string& gridField) {
    const std::string where = ", column " + std::to_string(column + 1) +
                              (gridName.empty() ? "" : " of the " + gridName + " grid");
    std::vector<InputChecks::Magnitude> bounded;
    for (size_t r = 1; r < input.values.size(); ++r) {
        if (input.flags[r] == 1) {
            const int row = static_cast<int>(r);
            bounded.push_back(
                {InputChecks::CellField(gridField, row, column), input.values[r],
                 "Value in row " + std::to_string(r) + where + " is too large, please re-enter."});
        }
    }
    return bounded;
}

std::vector<int> ComputeQElevGrid(TextGrid& grid, int mode, const InputColumn& input,
                                  const ChannelSection& section, double slope, int& errFlag,
                                  std::string& message) {
    const std::vector<int>& flags = input.flags;
    const std::vector<double>& values = input.values;
    const double rootSlope = std::sqrt(slope);
    // The columns this mode writes, in column order.
    const int first = mode == GivenQ ? 1 : 0;
    const int second = mode == GivenElevation ? 1 : 2;
    auto elevationOf = [&](int r) {
        return mode == GivenDepth ? section.MinElevation + values[r] : values[r];
    };
    if (mode != GivenQ) {
        // Checked before anything is written, so that a refusal leaves the grid as it was.
        for (int r = 1; r < static_cast<int>(values.size()); ++r) {
            if (flags[r] == 1 &&
                !Numbers::Showable(DischargeAt(section, elevationOf(r), rootSlope))) {
                errFlag = 1;
                message = "The discharge in row " + std::to_string(r) +
                          " is too large to compute. Check the Channel Slope and the Manning n "
                          "values of the cross-section.";
                return {};
            }
        }
    }
    std::vector<int> noDepth;
    for (int r = 1; r < static_cast<int>(values.size()); ++r) {
        std::string firstText;
        std::string secondText;
        if (flags[r] == 1) {
            if (mode == GivenQ) {
                const NormalDepth normal = Search(section, slope, values[r]);
                if (normal.found) {
                    firstText = Formatted(normal.depth);
                    secondText = Formatted(normal.elevation);
                } else {
                    noDepth.push_back(r);
                }
            } else {
                const double elevation = elevationOf(r);
                firstText = Formatted(DischargeAt(section, elevation, rootSlope));
                secondText =
                    Formatted(mode == GivenDepth ? elevation : elevation - section.MinElevation);
            }
        }
        grid.SetTextMatrix(r, first, firstText);
        grid.SetTextMatrix(r, second, secondText);
    }
    return noDepth;
}

std::vector<int> ComputeDesignTailwater(TextGrid& grid, const InputColumn& discharges,
                                        const ChannelSection& section, double slope) {
    const std::vector<int>& flags = discharges.flags;
    const std::vector<double>& values = discharges.values;
    std::vector<int> noDepth;
    for (int r = 1; r < static_cast<int>(values.size()); ++r) {
        std::string depthText;
        std::string elevationText;
        if (flags[r] == 1) {
            const NormalDepth normal = Search(section, slope, values[r]);
            if (normal.found) {
                depthText = Formatted(normal.depth);
                elevationText = Formatted(normal.elevation);
            } else {
                noDepth.push_back(r);
            }
        }
        grid.SetTextMatrix(r, 2, depthText);
        grid.SetTextMatrix(r, 3, elevationText);
    }
    return noDepth;
}

std::string NoDepthMessage(const std::vector<RowsWithoutDepth>& found) {
    std::string list;
    for (const RowsWithoutDepth& grid : found) {
        if (grid.rows.empty()) {
            continue;
        }
        list += list.empty() ? "" : "; ";
        list += grid.grid + (grid.rows.size() == 1 ? " row " : " rows ");
        for (size_t i = 0; i < grid.rows.size(); ++i) {
            list += (i == 0 ? "" : ", ") + std::to_string(grid.rows[i]);
        }
    }
    if (list.empty()) {
        return {};
    }
    return "No normal depth was found for the discharge in " + list +
           ": the depth and elevation are left blank.";
}

} // namespace QDepthComputation
