#include "standard_designs/StandardResultsExport.h"

#include "platform/Numbers.h"
#include "platform/TextExport.h"

namespace StandardResultsExport {
namespace {

using Numbers::Trim;

void WriteGeneralData(TextExportWriter& out, const StandardDesignsContents& contents) {
    out.LineEnd();
    out.ClosingField("VSHA Standard Design");
    out.ContinuedField("Q (ft^3/s)")
        .ContinuedField("H-Minimum (feet)")
        .ContinuedField("H-Maximum (feet)")
        .ContinuedField("Multiple Barrels")
        .ContinuedField("Inlet Invert Elev.(feet)")
        .LineEnd();
    out.ContinuedField(Trim(contents.totalQ))
        .ContinuedField(Trim(contents.hMin))
        .ContinuedField(Trim(contents.hMax))
        .ContinuedField(contents.includeMultipleBarrels ? "YES" : "NO")
        .ContinuedField(Trim(contents.inletInvertElev))
        .LineEnd();
}

void WriteHeading(TextExportWriter& out, const StandardDesignTables::Table& table) {
    out.LineEnd();
    if (table.exportTitleContinued) {
        out.ContinuedField(table.printedTitle).LineEnd();
    } else {
        out.ClosingField(table.printedTitle);
    }
    for (int c = 0; c < table.columns; ++c) {
        out.ContinuedField(table.exportNames[static_cast<std::size_t>(c)]);
    }
    out.LineEnd();
}

void WriteRow(TextExportWriter& out, const std::vector<std::string>& row) {
    for (const std::string& cell : row) {
        out.ContinuedField(Trim(cell));
    }
    out.LineEnd();
}

} // namespace

std::string ExportText(const StandardDesignsContents& contents, const ExportSiteIdentity& site) {
    TextExportWriter out;
    WriteExportSiteHeader(out, site);
    WriteGeneralData(out, contents);
    for (StandardDesignTables::GridNumber grid : StandardDesignTables::ReportOrder) {
        const StandardDesignsContents::GridCells& cells = contents.Grid(grid);
        WriteHeading(out, StandardDesignTables::TableOf(grid));
        const int listed = ListedRowCount(cells);
        for (int r = 0; r < listed; ++r) {
            WriteRow(out, cells[static_cast<std::size_t>(r)]);
        }
    }
    return out.Output();
}

} // namespace StandardResultsExport
