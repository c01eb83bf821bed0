#include "standard_designs/StandardResultsExport.h"
#include "platform/TextExport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using Row = std::vector<std::string>;

namespace {

std::string ReadGolden(const std::string& name) {
    std::ifstream file(std::string(TW_EXPORT_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// A grid as the window leaves it: at least four data rows, blank cells filled in.
StandardDesignsContents::GridCells Grid(int cols, std::vector<Row> rows = {}) {
    for (Row& row : rows) {
        row.resize(static_cast<size_t>(cols));
    }
    while (rows.size() < 4) {
        rows.emplace_back(static_cast<size_t>(cols));
    }
    return rows;
}

StandardDesignsContents FreshWindow() {
    StandardDesignsContents contents;
    for (int g = 1; g <= StandardDesignTables::NumGrids; ++g) {
        contents.grids[static_cast<size_t>(g - 1)] = Grid(StandardDesignTables::TableOf(g).columns);
    }
    return contents;
}

} // namespace

TEST(StandardResultsExport, AFreshWindowGivesTheHeadingsOfEveryTableAndNoRows) {
    EXPECT_EQ(StandardResultsExport::ExportText(FreshWindow(), {}), ReadGolden("export_empty.txt"));
}

TEST(StandardResultsExport, ListedRowsAreWrittenTrimmedUpToTheFirstBlankBarrelCell) {
    StandardDesignsContents contents = FreshWindow();
    contents.totalQ = " 54 ";
    contents.hMin = "0";
    contents.hMax = "0.5";
    contents.inletInvertElev = "100 \"A\"";
    contents.includeMultipleBarrels = true;
    contents.grids[StandardDesignTables::RCBox - 1] =
        Grid(8, {{">>", "Single", "6", "4", "0.50", "1.13", "4.50", "104.50"},
                 {"", "4", "6", "4", "-2.88", "0.28", "1.13", "101.13"},
                 {"", " ", "7"},
                 {"", "Twin", "6", "4", "-1.75", "0.56", "2.25", "102.25"}});
    contents.grids[StandardDesignTables::ConcretePipe - 1] = Grid(7, {{"", "None"}});
    contents.grids[StandardDesignTables::CorrMetalPipe - 1] =
        Grid(7, {{"", " Twin ", "48", "0.30", "1.07", "4.30", "104.30"}});
    contents.grids[StandardDesignTables::SteelPipeArch - 1] = Grid(8, {{"", "None"}});
    const ExportSiteIdentity site{"Orlen", "F-12", "P-9", " Sta. 12+50 "};
    EXPECT_EQ(StandardResultsExport::ExportText(contents, site), ReadGolden("export_rows.txt"));
}

TEST(StandardResultsExport, TheProjectNumberStandsInForABlankFileNumber) {
    struct Case {
        ExportSiteIdentity site;
        std::string expected;
    };
    const Case cases[] = {
        {{"Orlen", "  ", "P-9", "12+50"},
         "\"County\",\"Project Number\",\"Station\",\r\n\"Orlen\",\"P-9\",\"12+50\",\r\n"},
        {{"", "", "", ""}, "\"County\",\"Project Number\",\"Station\",\r\n\"\",\"\",\"\",\r\n"},
        {{" Orlen ", " F-12 ", "P-9", ""},
         "\"County\",\"File Number\",\"Station\",\r\n\"Orlen\",\"F-12\",\"\",\r\n"},
    };
    for (const Case& c : cases) {
        TextExportWriter out;
        WriteExportSiteHeader(out, c.site);
        EXPECT_EQ(out.Output(), c.expected);
    }
}

TEST(TextExportWriter, FieldsAreQuotedWithInnerQuotesDoubled) {
    TextExportWriter out;
    out.ContinuedField("A").ContinuedField("").ContinuedField("say \"48\", twice").LineEnd();
    out.ClosingField("\"");
    out.LineEnd();
    EXPECT_EQ(out.Output(), "\"A\",\"\",\"say \"\"48\"\", twice\",\r\n\"\"\"\"\r\n\r\n");
}
