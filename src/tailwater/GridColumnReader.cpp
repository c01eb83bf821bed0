#include "tailwater/TailWaterMod.h"

#include "platform/Numbers.h"

namespace TailWaterMod {

namespace {

void ReadNumberColumn(const TextGrid& grid, int column, std::vector<int>& flags,
                      std::vector<double>& values, int& errFlag, std::string& message) {
    const int rows = grid.Rows();
    flags.assign(rows, 0);
    values.assign(rows, 0.0);
    for (int r = 1; r < rows; ++r) {
        const std::string text = Numbers::Trim(grid.TextMatrix(r, column));
        if (text.empty()) {
            continue;
        }
        if (!Numbers::IsNumeric(text)) {
            errFlag = 1;
            message = "Value in row " + std::to_string(r) + ", column " +
                      std::to_string(column + 1) +
                      " can not be evaluated as a number, please re-enter.";
            return;
        }
        flags[r] = 1;
        values[r] = Numbers::ToDouble(text);
    }
}

} // namespace

void ReadQElevGridColumn(const TextGrid& grid, int column, std::vector<int>& flags,
                         std::vector<double>& values, int& errFlag, std::string& message) {
    ReadNumberColumn(grid, column, flags, values, errFlag, message);
}

void ReadTWGridQColumn(const TextGrid& grid, int column, std::vector<int>& flags,
                       std::vector<double>& values, int& errFlag, std::string& message) {
    ReadNumberColumn(grid, column, flags, values, errFlag, message);
}

} // namespace TailWaterMod
