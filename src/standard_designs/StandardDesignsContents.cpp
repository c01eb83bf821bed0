#include "standard_designs/StandardDesignsContents.h"

#include "platform/Numbers.h"

int ListedRowCount(const StandardDesignsContents::GridCells& grid) {
    int count = 0;
    for (const std::vector<std::string>& row : grid) {
        if (row.size() <= StandardDesignTables::BarrelsColumn ||
            Numbers::Trim(row[StandardDesignTables::BarrelsColumn]).empty()) {
            break;
        }
        ++count;
    }
    return count;
}
