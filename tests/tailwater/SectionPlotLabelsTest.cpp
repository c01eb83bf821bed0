#include "tailwater/SectionPlotLabels.h"
#include "PlotRecording.h"

#include <string>
#include <vector>

namespace {

using SectionPlotLabels::Placed;

std::vector<int> RowsOf(const std::vector<Placed>& labels) {
    std::vector<int> rows;
    for (const Placed& label : labels) {
        rows.push_back(label.row);
    }
    return rows;
}

// Labels 80 twips a character: "LOB", "ROB" and "0.04" 240, 240 and 320
// wide, kept half a "0" (40) apart. A label closer than that to one already
// placed, on either side of it, takes the next row; one 40 clear keeps the
// row.
class SectionLabelRows : public PlotRecording {};

TEST_F(SectionLabelRows, LabelsCloserThanHalfACharacterTakeSeparateRows) {
    // The first bank label centred on 1000, from 880 to 1120.
    auto banks = [this](float second) {
        return SectionPlotLabels::BankLabels(surface, {{"LOB", 1000, -1}, {"ROB", second, +1}}, {});
    };
    // Three n labels centred between the marks: 1170, 1510 and 1850 with
    // marks 340 apart (20 between the labels), 1180, 1540 and 1900 with
    // marks 360 apart (40 between them).
    auto nLabels = [this](float apart) {
        std::vector<float> marks;
        for (int i = 0; i < 4; ++i) {
            marks.push_back(1000 + static_cast<float>(i) * apart);
        }
        return SectionPlotLabels::NLabels(surface, marks, {"0.04", "0.03", "0.05"});
    };
    struct Case {
        const char* what;
        std::vector<Placed> labels;
        std::vector<int> rows;
    };
    const Case cases[] = {
        {"a bank label 20 right of the other", banks(1120 + 20 + 120), {0, 1}},
        {"a bank label 40 right of the other", banks(1120 + 40 + 120), {0, 0}},
        {"a bank label 20 left of the other", banks(880 - 20 - 120), {0, 1}},
        {"a bank label 40 left of the other", banks(880 - 40 - 120), {0, 0}},
        {"bank labels over each other", banks(1100), {0, 1}},
        // The third is 20 from the second, but 360 clear of the first.
        {"n labels 20 apart", nLabels(340), {0, 1, 0}},
        {"n labels 40 apart", nLabels(360), {0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RowsOf(c.labels), c.rows) << c.what;
    }
}

} // namespace
