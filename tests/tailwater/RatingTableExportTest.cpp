#include "tailwater/RatingTableExport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

using Row = RatingCurveContents::RowCells;

// The golden files are written by hand, not by the program.
std::string ReadGolden(const std::string& name) {
    std::ifstream file(std::string(TW_TAILWATER_GOLDEN_DIR) + "/" + name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

// The window as it starts, or after File New: no step and four blank rows.
RatingCurveContents FreshWindow() {
    RatingCurveContents contents;
    contents.rows.resize(4);
    return contents;
}

} // namespace

TEST(RatingTableExport, AFreshWindowGivesItsNineLinesAndNoRow) {
    EXPECT_EQ(RatingTableExport::ExportText(FreshWindow(), {}),
              ReadGolden("rating_export_empty.txt"));
}

// Rows with any text are written trimmed, blank ones skipped wherever they
// stand (here between rows and after the last), empty cells as empty fields;
// quotes typed in the step are doubled.
TEST(RatingTableExport, RowsWithTextAreWrittenTrimmedAndBlankRowsSkipped) {
    RatingCurveContents contents;
    contents.stepSize = " 0.5 \"typed\" ";
    contents.rows = {
        Row{"100.00", "0.00", "0.00", "0.00", "0.00", "0.00"},
        Row{},
        Row{" 100.50 ", "0.50", "1,234.56", "2.10", "  ", "5.00"},
        Row{"   ", " ", "", "", "", "\t"},
        Row{"", "", "", "", "", " 9 "},
        Row{},
    };
    const ExportSiteIdentity site{"Orlen", "F-12", "P-9", " Sta. 12+50 "};
    EXPECT_EQ(RatingTableExport::ExportText(contents, site), ReadGolden("rating_export_rows.txt"));
}

TEST(RatingTableExport, TheProjectNumberStandsInForABlankFileNumber) {
    const ExportSiteIdentity site{"Orlen", " ", "P-9", "12+50"};
    const std::string text = RatingTableExport::ExportText(FreshWindow(), site);
    EXPECT_EQ(text.substr(0, text.find("\r\n\r\n")),
              "\"County\",\"Project Number\",\"Station\",\r\n\"Orlen\",\"P-9\",\"12+50\",");
}
