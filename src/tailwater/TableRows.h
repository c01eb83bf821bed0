#pragma once

#include "platform/Numbers.h"

#include <string>
#include <vector>

// The rows of a window's table that the reports and the export take: those
// with text in any cell, wherever they stand (a blank row between two filled
// ones leaves no gap), in the window's order; indices into rows.
template <class Cells> std::vector<size_t> RowsWithText(const std::vector<Cells>& rows) {
    std::vector<size_t> listed;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (const std::string& cell : rows[r]) {
            if (!Numbers::Trim(cell).empty()) {
                listed.push_back(r);
                break;
            }
        }
    }
    return listed;
}
