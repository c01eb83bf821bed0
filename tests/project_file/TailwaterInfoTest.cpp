#include "GoldenFiles.h"
#include "ProjectFixture.h"
#include "tailwater/FrmTailWaterCrossSection.h"
#include "tailwater/FrmTailWaterRatingCurve.h"
#include "tailwater/FrmTailwaterQDepth.h"

#include <QLineEdit>
#include <QPushButton>

#include <sstream>

// Whole window contents compared, for the round trips.
static bool operator==(const CrossSectionContents& a, const CrossSectionContents& b) {
    return a.points == b.points && a.channelSlope == b.channelSlope &&
           a.leftOBStation == b.leftOBStation && a.rightOBStation == b.rightOBStation;
}

static bool operator==(const RatingCurveContents& a, const RatingCurveContents& b) {
    return a.stepSize == b.stepSize && a.rows == b.rows;
}

static bool operator==(const QDepthContents& a, const QDepthContents& b) {
    return a.mode == b.mode && a.qElev == b.qElev && a.design == b.design;
}

namespace {

class TailwaterInfo : public ProjectFileTest {
protected:
    void SetUp() override {
        ProjectFileTest::SetUp();
        channel = windows->tailwaterCrossSection;
        rating = windows->tailwaterRatingCurve;
        qDepth = windows->tailwaterQDepth;
    }

    // Save, File New (which must empty the window), Open.
    template <class Contents> void SaveNewOpen(const std::function<Contents()>& contents) {
        const Contents before = contents();
        SaveAs(Path("tailwater.twl"));
        New();
        EXPECT_NE(contents(), before) << "File New left the window as it was";
        Open(Path("tailwater.twl"));
        EXPECT_TRUE(user.MessageTexts().empty());
        EXPECT_EQ(contents(), before);
    }

    // The records of sections 5 to 7 in a file, in file order.
    static std::vector<std::string> TailwaterRecords(const std::string& file) {
        std::vector<std::string> records;
        std::istringstream lines(file);
        for (std::string line; std::getline(lines, line);) {
            for (const char* marker :
                 {"\"TAILWATERCROSSSECTIONINFO432078\"", "\"TAILWATERRATINGCURVEINFO43582\"",
                  "\"TWQDEPTHINFO34853\""}) {
                if (line.starts_with(marker)) {
                    records.push_back(line);
                }
            }
        }
        return records;
    }

    FrmTailWaterCrossSection* channel = nullptr;
    FrmTailWaterRatingCurve* rating = nullptr;
    FrmTailwaterQDepth* qDepth = nullptr;
};

// Every point of the grid, stations increasing, texts as typed but for the
// blanks the file does not keep.
TEST_F(TailwaterInfo, AFiftyPointSectionComesBackWhole) {
    for (int r = 1; r <= CrossSectionContents::NumPoints; ++r) {
        channel->SetPointCell(r, 1, std::to_string(5 * (r - 1)));
        channel->SetPointCell(r, 2, r == 1 || r == 50 ? "110" : std::to_string(100 + r % 3));
        channel->SetPointCell(r, 3, r % 10 == 1 ? "0.035" : "");
    }
    channel->SetInputText(FrmTailWaterCrossSection::Input::ChannelSlope, "0.0015");
    channel->SetInputText(FrmTailWaterCrossSection::Input::LeftOBStation, "20");
    channel->SetInputText(FrmTailWaterCrossSection::Input::RightOBStation, "225");
    SaveNewOpen<CrossSectionContents>([this] { return channel->Contents(); });
}

TEST_F(TailwaterInfo, AComputedRatingTableComesBackAsShownWithoutItsPlot) {
    const char* points[4][3] = {
        {"0", "105", "0.03"}, {"10", "100", ""}, {"30", "100", ""}, {"40", "105", ""}};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) {
            channel->SetPointCell(r + 1, c + 1, points[r][c]);
        }
    }
    channel->SetInputText(FrmTailWaterCrossSection::Input::ChannelSlope, "0.001");
    rating->SetStepSizeText("0.25");
    rating->CmdComputeRatingsCurve->click();
    ASSERT_EQ(rating->Contents().rows.size(), 21u);
    SaveNewOpen<RatingCurveContents>([this] { return rating->Contents(); });
    EXPECT_EQ(rating->Curve().Plotted, 0);
}

TEST_F(TailwaterInfo, TheQDepthGridsAndModeComeBack) {
    qDepth->SelectMode(1);
    qDepth->SetQElevCell(1, 1, "1.5");
    qDepth->SetQElevCell(1, 0, "80.12");
    qDepth->SetQElevCell(1, 2, "101.50");
    qDepth->SetQElevCell(10, 1, "4");
    qDepth->SetDesignCell(QDepthContents::RunoffChart, 7, 1, "2,250");
    qDepth->SetDesignCell(QDepthContents::RunoffChart, 7, 2, "4.10");
    qDepth->SetDesignCell(QDepthContents::RunoffChart, 7, 3, "104.10");
    qDepth->SetDesignCell(QDepthContents::Yuld2001, 8, 1, "3,100");
    qDepth->SetDesignCell(QDepthContents::Mavo1987, 1, 1, "120");
    SaveNewOpen<QDepthContents>([this] { return qDepth->Contents(); });
}

// The windows behind the hand-written golden file write its records, in file
// order between the site and standard designs sections.
TEST_F(TailwaterInfo, TheWindowsWriteTheGoldenRecords) {
    const char* points[][4] = {{"1", "0", "110", "0.03"}, {"2", "20", " 100", ""},
                               {"3", "40", "100", ""},    {"4", "60", "110", ""},
                               {"5", "  ", "", " "},      {"7", "75", "", ""},
                               {"50", "", "", "0.05"}};
    for (const auto& point : points) {
        for (int c = 1; c <= 3; ++c) {
            channel->SetPointCell(std::stoi(point[0]), c, point[c]);
        }
    }
    channel->SetInputText(FrmTailWaterCrossSection::Input::RightOBStation, " 60 ");
    channel->SetInputText(FrmTailWaterCrossSection::Input::ChannelSlope, "0.001");
    rating->SetStepSizeText(" 0.5");
    rating->SetRateCurveRows(3);
    const char* table[3][6] = {{"100.00", "0.00", "0.00", "0.00", "0.00", "0.00"},
                               {"100.50", "0.50", "9.97", "0.95", "10.50", "315.39"},
                               {"101.00", "1.00", "32.10", "1.46", "22.00", "1,015.05"}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 6; ++c) {
            rating->SetRateCurveCell(r + 1, c, table[r][c]);
        }
    }
    qDepth->SelectMode(2);
    qDepth->SetQElevCell(1, 0, "155.64");
    qDepth->SetQElevCell(1, 1, "2.50");
    qDepth->SetQElevCell(1, 2, " 102.5");
    qDepth->SetQElevCell(2, 0, "  ");
    qDepth->SetQElevCell(3, 2, "101");
    qDepth->SetDesignCell(QDepthContents::RunoffChart, 1, 1, "50");
    qDepth->SetDesignCell(QDepthContents::RunoffChart, 1, 2, "1.30");
    qDepth->SetDesignCell(QDepthContents::RunoffChart, 1, 3, "101.30");
    qDepth->SetDesignCell(QDepthContents::RunoffChart, 3, 1, "1,250");
    qDepth->SetDesignCell(QDepthContents::Yuld2001, 2, 1, "100");
    qDepth->SetDesignCell(QDepthContents::Mavo1987, 6, 1, "3,400");

    SaveAs(Path("tailwater.twl"));
    EXPECT_EQ(TailwaterRecords(FileBytes(Path("tailwater.twl")).toStdString()),
              TailwaterRecords(ReadGolden("tailwater_small.twl")));

    // And the golden file opens into the same windows.
    const CrossSectionContents channelBefore = channel->Contents();
    const RatingCurveContents ratingBefore = rating->Contents();
    const QDepthContents qDepthBefore = qDepth->Contents();
    New();
    Open(QString::fromStdString(GoldenPath("tailwater_small.twl")));
    EXPECT_EQ(channel->Contents().points[6], channelBefore.points[6]);
    EXPECT_EQ(channel->Contents().rightOBStation, "60");
    // The cleared table's four rows stay; the file fills the first three.
    std::vector<RatingCurveContents::RowCells> rows = rating->Contents().rows;
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows.back(), RatingCurveContents::RowCells{});
    rows.pop_back();
    EXPECT_EQ(rows, ratingBefore.rows);
    EXPECT_EQ(qDepth->Contents().design, qDepthBefore.design);
    EXPECT_EQ(qDepth->Contents().mode, 2);
}

// A Q - Depth record whose row is no number is dropped with the rest of its
// record and named; the section's next record and the sections after it
// still open.
TEST_F(TailwaterInfo, ABadQDepthRecordIsDroppedAndReadingGoesOn) {
    const QString path = Path("bad q-depth record.twl");
    WriteBytes(path, ProjectFile("\"TWQDEPTHINFO34853\",2,x,1,\"5\"\r\n"
                                 "\"TWQDEPTHINFO34853\",2,1,0,\"80.12\"\r\n"
                                 "\"GENERALDESIGNINFO271829\",3,\"100.00\"\r\n"));
    Open(path);
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_TRUE(
        user.MessageTexts()[0].contains("1 of its records would be lost or changed by a "
                                        "save:\nType mismatch (line 4, section TWQDEPTHINFO34853, "
                                        "item 2)\n"));
    ExpectCurrentFile("");
    const QDepthContents contents = qDepth->Contents();
    EXPECT_EQ(contents.qElev[0][0], "80.12");
    EXPECT_EQ(contents.qElev[0][1], "");
    EXPECT_EQ(design->TxtInletInvertElevation->text(), "100.00");
}

} // namespace
