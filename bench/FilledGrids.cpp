#include "FilledGrids.h"

#include "project_file/ProjectFileFormat.h"
#include "project_file/TWRatingCurveRecords.h"
#include "project_file/TaperedInletRecords.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace {

namespace Markers = ProjectFileFormat::Markers;
using ProjectFileFormat::MaxGridRow;

// A grid's records: marker, item, row, then the rest.
struct GridItem {
    std::string_view marker;
    int item;
    int lastRow;
};

constexpr std::array<GridItem, 10> GridItems = {{
    {Markers::TailWaterRatingCurveInfo, 3, TWRatingCurveRecords::MaxRow},
    {Markers::VSHAStandardDesignInfo, 4, MaxGridRow},
    {Markers::VSHAStandardDesignInfo, 5, MaxGridRow},
    {Markers::VSHAStandardDesignInfo, 6, MaxGridRow},
    {Markers::VSHAStandardDesignInfo, 7, MaxGridRow},
    {Markers::VSHAStandardDesignInfo, 11, MaxGridRow},
    {Markers::TaperedInletDesignInfo, 4, TaperedInletRecords::MaxResultRow},
    {Markers::DropInletDesignInfo, 1, MaxGridRow},
    {Markers::DropInletDesignInfo, 2, MaxGridRow},
    {Markers::GeneralDesignInfo, 2, MaxGridRow},
}};

// One record of a grid: its row, and what stands before and after it.
struct GridRecord {
    const GridItem* grid = nullptr;
    std::string_view lead; // marker and item, with the comma after them
    int row = 0;
    std::string_view rest; // from the comma after the row
};

// The grid record that `line` is; none (grid null) for any other line.
GridRecord ReadGridRecord(std::string_view line) {
    const size_t itemEnd = line.find(',', line.find(',') + 1);
    const size_t rowEnd = line.find(',', itemEnd + 1);
    if (rowEnd == std::string_view::npos) {
        return {};
    }
    for (const GridItem& grid : GridItems) {
        const std::string lead =
            "\"" + std::string(grid.marker) + "\"," + std::to_string(grid.item);
        int row = 0;
        if (line.substr(0, itemEnd) == lead &&
            std::from_chars(line.data() + itemEnd + 1, line.data() + rowEnd, row).ec ==
                std::errc()) {
            return {&grid, line.substr(0, itemEnd + 1), row, line.substr(rowEnd)};
        }
    }
    return {};
}

// The run of one grid's records, repeated below itself down to its last row.
void AppendFilled(const std::vector<GridRecord>& run, int rows, std::string& out) {
    const int lastRow = std::min(rows, run.front().grid->lastRow);
    int height = 0;
    for (const GridRecord& record : run) {
        height = std::max(height, record.row);
    }
    for (int offset = 0; offset < lastRow; offset += height) {
        for (const GridRecord& record : run) {
            if (record.row + offset <= lastRow) {
                out.append(record.lead) += std::to_string(record.row + offset);
                out.append(record.rest) += "\r\n";
            }
        }
    }
}

} // namespace

std::string WithGridsFilledTo(std::string_view example, int rows) {
    std::string out;
    std::vector<GridRecord> run;
    for (size_t pos = 0; pos < example.size();) {
        const size_t end = std::min(example.find("\r\n", pos), example.size());
        const std::string_view line = example.substr(pos, end - pos);
        pos = end + 2;
        const GridRecord record = ReadGridRecord(line);
        if (!run.empty() && record.grid != run.front().grid) {
            AppendFilled(run, rows, out);
            run.clear();
        }
        if (record.grid) {
            run.push_back(record);
        } else {
            out.append(line) += "\r\n";
        }
    }
    if (!run.empty()) {
        AppendFilled(run, rows, out);
    }
    return out;
}
