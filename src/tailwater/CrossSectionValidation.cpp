#include "tailwater/TailWaterMod.h"

#include "platform/InputChecks.h"
#include "platform/Numbers.h"

#include <cmath>
#include <optional>

namespace TailWaterMod {

namespace {
const std::vector<std::string> PointGridColumns = {"Point", "Station", "Elevation", "Manning n"};
} // namespace

// Start-up sets them again; they hold their values from the first, so that a
// check never meets an empty name list.
int XSecColumnCount = 3;
std::vector<std::string> XSecColumnNames = PointGridColumns;

void InitializeTailWaterMod() {
    XSecColumnCount = 3;
    XSecColumnNames = PointGridColumns;
}

namespace {

constexpr int StationCol = 1;
constexpr int ElevationCol = 2;
constexpr int ManningNCol = 3;
// Blank masks: one bit per blank column, 2^(column - 1).
constexpr int StationBlank = 1;
constexpr int ElevationBlank = 2;
constexpr int EmptyRow = 7;
// How close an over-bank station must be to a point's station, ft.
constexpr double BankStationTolerance = 0.0001;

struct PointRow {
    std::string cells[4];
    int blankMask = 0;
};

// The controls the checks name, by their names.
constexpr const char* SlopeField = "TxtChannelSlope";
constexpr const char* LeftBankField = "TxtLeftOBStation";
constexpr const char* RightBankField = "TxtRightOBStation";

std::string PointField(int row, int col) {
    return InputChecks::CellField("GrdXSection", row, col);
}

std::string PointName(int row) {
    return XSecColumnNames[0] + " " + std::to_string(row);
}

// The first failure in one point row, if any.
std::optional<InputChecks::Failure> CheckPointRow(const PointRow& point, int row) {
    for (int c = StationCol; c <= ManningNCol; ++c) {
        const std::string& text = point.cells[c];
        if (text.empty()) {
            continue;
        }
        if (!Numbers::IsNumeric(text)) {
            return InputChecks::Failure{PointField(row, c),
                                        "Value entered for " + XSecColumnNames[c] + " for " +
                                            PointName(row) +
                                            " can not be evaluated as a number. Please re-enter."};
        }
        if (c == ManningNCol && !(Numbers::ToDouble(text) > 0)) {
            return InputChecks::Failure{
                PointField(row, c), "Value entered for " + XSecColumnNames[ManningNCol] + " for " +
                                        PointName(row) + " is <= 0. Manning n must be > 0."};
        }
    }
    // A blank n alone is allowed: the n of the point before carries on.
    switch (point.blankMask & (StationBlank | ElevationBlank)) {
    case StationBlank:
        return InputChecks::Failure{PointField(row, StationCol),
                                    "Missing value for " + XSecColumnNames[StationCol] + " for " +
                                        PointName(row) + "."};
    case ElevationBlank:
        return InputChecks::Failure{PointField(row, ElevationCol),
                                    "Missing value for " + XSecColumnNames[ElevationCol] + " for " +
                                        PointName(row) + "."};
    case StationBlank | ElevationBlank:
        return InputChecks::Failure{PointField(row, StationCol),
                                    "Missing values for " + XSecColumnNames[StationCol] + " and " +
                                        XSecColumnNames[ElevationCol] + " for " + PointName(row) +
                                        "."};
    default:
        return std::nullopt;
    }
}

CrossSectionPointInput ToPoint(const PointRow& row) {
    CrossSectionPointInput point;
    point.StationText = row.cells[StationCol];
    point.Station = Numbers::ToDouble(point.StationText);
    point.ElevationText = row.cells[ElevationCol];
    point.Elevation = Numbers::ToDouble(point.ElevationText);
    point.ManningNText = row.cells[ManningNCol];
    if (!point.ManningNText.empty()) {
        point.ManningN = Numbers::ToDouble(point.ManningNText);
    }
    return point;
}

// The index of the point at an over-bank station, or -1.
int FindBankPoint(const std::vector<CrossSectionPointInput>& points, double station) {
    for (size_t i = 0; i < points.size(); ++i) {
        if (std::abs(points[i].Station - station) < BankStationTolerance) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Matches a given over-bank station to a point that is neither end point;
// the failure message, or empty.
std::string MatchBank(const std::vector<CrossSectionPointInput>& points, const std::string& text,
                      const std::string& side, int& given, int& index) {
    index = FindBankPoint(points, Numbers::ToDouble(text));
    if (index < 0) {
        given = 0;
        return side + " Over-Bank Station must be a cross-section station.";
    }
    if (index == 0 || index == static_cast<int>(points.size()) - 1) {
        given = 0;
        return side + " Over-Bank Station can not be the first or last station.";
    }
    return {};
}

// The first failure of the section, if any; a failure that names no one
// input has no field.
std::optional<InputChecks::Failure> Validate(const TextGrid& grid, CrossSectionInput& input) {
    using InputChecks::Failure;
    if (input.SlopeText.empty()) {
        return Failure{SlopeField, "You must enter a value for Channel Slope."};
    }
    if (!Numbers::IsNumeric(input.SlopeText)) {
        return Failure{SlopeField, "The value entered for Channel Slope can not be evaluated as a "
                                   "number. Please re-enter the Channel Slope."};
    }
    input.Slope = Numbers::ToDouble(input.SlopeText);
    if (!(input.Slope > 0)) {
        return Failure{SlopeField, "The Channel Slope must be > 0."};
    }
    input.Points.clear();

    // A grid without data rows reads as one whose first n is blank.
    if (grid.Rows() < 2 || Numbers::Trim(grid.TextMatrix(1, ManningNCol)).empty()) {
        return Failure{grid.Rows() < 2 ? "" : PointField(1, ManningNCol),
                       "First point in cross-section must have a Manning n value."};
    }

    std::vector<PointRow> rows(grid.Rows());
    int lastRow = 1;
    for (int r = 1; r < grid.Rows(); ++r) {
        for (int c = StationCol; c <= ManningNCol; ++c) {
            rows[r].cells[c] = Numbers::Trim(grid.TextMatrix(r, c));
            if (rows[r].cells[c].empty()) {
                rows[r].blankMask += 1 << (c - 1);
            }
        }
        if (rows[r].blankMask != EmptyRow) {
            lastRow = r;
        }
    }
    for (int r = 1; r <= lastRow; ++r) {
        if (rows[r].blankMask == EmptyRow) {
            return Failure{PointField(r, StationCol), "There is no data for " + PointName(r) + "."};
        }
    }
    for (int r = 1; r <= lastRow; ++r) {
        if (auto fault = CheckPointRow(rows[r], r)) {
            return fault;
        }
        CrossSectionPointInput point = ToPoint(rows[r]);
        if (!input.Points.empty() && !(point.Station > input.Points.back().Station)) {
            return Failure{PointField(r, StationCol),
                           "Station value must continuously increase. Check Station at Point " +
                               std::to_string(r - 1) + " and " + std::to_string(r) + "."};
        }
        input.Points.push_back(std::move(point));
    }

    input.LOBGiven = 0;
    input.LOBIndex = -1;
    if (!input.LOBText.empty()) {
        if (!Numbers::IsNumeric(input.LOBText)) {
            return Failure{LeftBankField, "Left Over-Bank Station can not be evaluated as a "
                                          "number, please re-enter."};
        }
        input.LOBGiven = 1;
    }
    input.ROBGiven = 0;
    input.ROBIndex = -1;
    if (!input.ROBText.empty()) {
        if (!Numbers::IsNumeric(input.ROBText)) {
            return Failure{RightBankField, "Right Over-Bank Station can not be evaluated as a "
                                           "number, please re-enter."};
        }
        input.ROBGiven = 1;
    }
    if (input.LOBGiven == 1) {
        if (auto fault =
                MatchBank(input.Points, input.LOBText, "Left", input.LOBGiven, input.LOBIndex);
            !fault.empty()) {
            return Failure{LeftBankField, fault};
        }
    }
    if (input.ROBGiven == 1) {
        if (auto fault =
                MatchBank(input.Points, input.ROBText, "Right", input.ROBGiven, input.ROBIndex);
            !fault.empty()) {
            return Failure{RightBankField, fault};
        }
    }
    if (input.LOBGiven == 1 && input.ROBGiven == 1 && !(input.ROBIndex > input.LOBIndex)) {
        input.LOBGiven = 0;
        input.ROBGiven = 0;
        return Failure{RightBankField,
                       "Right Over-Bank Station must be greater than Left Over-Bank Station."};
    }

    // The conveyance needs a ground segment, and the depth search and the
    // plot need some height.
    if (input.Points.size() < 2) {
        return Failure{"", "The cross-section must have at least two points."};
    }
    const double first = input.Points.front().Elevation;
    bool level = true;
    for (const auto& point : input.Points) {
        level = level && point.Elevation == first;
    }
    if (level) {
        return Failure{"", "The cross-section points all lie at one elevation."};
    }
    return std::nullopt;
}

} // namespace

void ValidateCrossSectionData(const TextGrid& grid, CrossSectionInput& input, int& errFlag,
                              std::string& message, std::string& field) {
    const std::optional<InputChecks::Failure> failure = Validate(grid, input);
    errFlag = failure ? 1 : 0;
    message = failure ? failure->message : "";
    field = failure ? failure->field : "";
}

std::vector<InputChecks::Magnitude> CrossSectionBounds(const CrossSectionInput& input) {
    std::vector<InputChecks::Magnitude> values = {
        {SlopeField, input.Slope, InputChecks::TooLarge("Channel Slope")}};
    for (size_t i = 0; i < input.Points.size(); ++i) {
        const CrossSectionPointInput& point = input.Points[i];
        const int row = static_cast<int>(i) + 1;
        auto bound = [row](int column, double value) {
            return InputChecks::Magnitude{PointField(row, column), value,
                                          "Value entered for " + XSecColumnNames[column] + " for " +
                                              PointName(row) + " is too large. Please re-enter."};
        };
        values.push_back(bound(StationCol, point.Station));
        values.push_back(bound(ElevationCol, point.Elevation));
        if (!point.ManningNText.empty()) {
            values.push_back(bound(ManningNCol, point.ManningN));
        }
    }
    return values;
}

} // namespace TailWaterMod
