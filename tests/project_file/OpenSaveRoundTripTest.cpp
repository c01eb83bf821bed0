// File Open and File Save of whole project files as the user reaches them:
// what the program wrote opens silently and saves back unchanged, in any
// record order; what a damaged file loses is named, and Save then asks for a
// name rather than write over the file.
#include "GoldenFiles.h"
#include "ProjectFixture.h"

#include <QStringList>

#include <filesystem>
#include <random>
#include <regex>
#include <set>

namespace {

const QString ExampleProject = TW_EXAMPLE_PROJECT;

using OpenSave = ProjectFileTest;

std::vector<std::string> Lines(const std::string& content) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < content.size();) {
        size_t end = content.find("\r\n", start);
        end = end == std::string::npos ? content.size() : end;
        lines.push_back(content.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string content;
    for (const std::string& line : lines) {
        content += line + "\r\n";
    }
    return content;
}

// The first field of a line: its marker.
std::string MarkerOf(const std::string& line) {
    return line.substr(0, line.find(','));
}

// `lines` with those that match `pattern` moved, in their order, to just
// before the end record.
std::string WithMovedToEnd(std::vector<std::string> lines, const std::string& pattern) {
    const std::regex moved(pattern);
    std::vector<std::string> kept;
    std::vector<std::string> tail;
    for (const std::string& line : lines) {
        (std::regex_search(line, moved) ? tail : kept).push_back(line);
    }
    kept.insert(kept.end() - 1, tail.begin(), tail.end());
    return Joined(kept);
}

} // namespace

// The small golden files hold a few sections, written by the section writers
// alone; the program saves every section, so only the files of all fourteen
// can come back byte for byte.
TEST_F(OpenSave, TheExampleAndEveryGoldenFileOpenSilentlyAndTheWholeOnesSaveBack) {
    std::vector<std::string> paths = {ExampleProject.toStdString()};
    for (const auto& entry : std::filesystem::directory_iterator(TW_GOLDEN_DIR)) {
        paths.push_back(entry.path().string());
    }
    int whole = 0;
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const QString file = QString::fromStdString(path);
        user.shown.clear();
        Open(file);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
        ExpectCurrentFile(file);
        const std::string original = FileBytes(file).toStdString();
        std::set<std::string> markers;
        for (const std::string& line : Lines(original)) {
            markers.insert(MarkerOf(line));
        }
        if (markers.size() == 4 + 14) { // header, sections, end record
            ++whole;
            SaveAs(Path("saved.twl"));
            EXPECT_TRUE(FileBytes(Path("saved.twl")).toStdString() == original);
        }
    }
    EXPECT_EQ(whole, 2); // the example and the fixture project
}

// The channel after the rating curve and Q - Depth, every input after its
// results: nothing is cleared, and Save writes the example back.
TEST_F(OpenSave, RecordsInAnyOrderKeepTheResultsSavedWithThem) {
    const std::string example = FileBytes(ExampleProject).toStdString();
    const std::vector<std::string> lines = Lines(example);
    struct Case {
        const char* moved; // the records read after every other
    };
    for (const Case& c : std::vector<Case>{
             {R"(^"SITEIDINFO7438579")"},
             {R"(^"VOSKRUNOFFCHARTINFO328457",[1-6],)"},
             {R"(^"USGSRUNOFFINFO847338",[12],)"},
             {R"(^"\[USGSMAVO1987DAQ\]",0,[1-5],)"},
             {R"(^"TAILWATERCROSSSECTIONINFO432078")"},
             {R"(^"TAILWATERRATINGCURVEINFO43582",2,)"},
             {R"(^"TWQDEPTHINFO34853",(1,|2,\d+,0,|[345],\d+,1,))"},
             {R"(^"VSHASTANDARDDESIGNINFO2379",(1|2|3|27|8),)"},
             {R"(^"TAPEREDINLETDESIGNINFO98384",[1236],)"},
             {R"(^"DROPINLETDESIGNINFO837321",(2\d|5|8),)"},
             {R"(^"GENERALDESIGNINFO271829",([13-9]|1[012]),)"},
             {R"(^"NESCOURHOLEINFO620",(4|5|10),)"},
             {R"(^"NEPLUNGEBASIN847363",([3-57-9]|1[0-3]),)"},
             {R"(^"HEC14RIPRAP857982",([3-9]|1[0-3]),)"},
         }) {
        SCOPED_TRACE(c.moved);
        const std::string reordered = WithMovedToEnd(lines, c.moved);
        ASSERT_NE(reordered, example);
        WriteBytes(Path("reordered.twl"), reordered);
        Open(Path("reordered.twl"));
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
        SaveAs(Path("saved.twl"));
        EXPECT_TRUE(FileBytes(Path("saved.twl")).toStdString() == example);
        user.shown.clear();
    }
}

// One damage of each kind the reader meets: each is named by its line, the
// project is tied to no file, and File Save asks for a name.
TEST_F(OpenSave, ADamagedRecordIsNamedAndSaveAsksForAName) {
    const std::string example = FileBytes(ExampleProject).toStdString();
    struct Case {
        const char* what;
        std::string from;
        std::string to;
        QString named;
    };
    for (const Case& c : std::vector<Case>{
             {"a site item flipped to another item's", "\"SITEIDINFO7438579\",4,\"Route 614",
              "\"SITEIDINFO7438579\",5,\"Route 614",
              "The value of line 7, replaced by a second record for the same field (line 8, "
              "section SITEIDINFO7438579, item 5)"},
             {"a site item flipped to none", "\"SITEIDINFO7438579\",4,\"Route 614",
              "\"SITEIDINFO7438579\",0,\"Route 614",
              "No such item (line 7, section SITEIDINFO7438579, item 0)"},
             {"a site item flipped to no number", "\"SITEIDINFO7438579\",4,\"Route 614",
              "\"SITEIDINFO7438579\",t,\"Route 614",
              "Type mismatch (line 7, section SITEIDINFO7438579, item t)"},
             {"a letter dropped from General Design's first result marker",
              "\"GENERALDESIGNINFO271829\",2,1,0,", "\"GENERALDESIGNINFO27182\",2,1,0,",
              "A field that is no section's marker: \"GENERALDESIGNINFO27182\" (line 1685)"},
             {"a marker in another letter case", "\"SITEIDINFO7438579\",1,",
              "\"SiteIdInfo7438579\",1,",
              "A section's marker in another letter case: \"SiteIdInfo7438579\" (line 4, section "
              "SITEIDINFO7438579, item 1)"},
             {"a runoff chart row past its grid", "\"VOSKRUNOFFCHARTINFO328457\",8,7,",
              "\"VOSKRUNOFFCHARTINFO328457\",8,9,",
              "A row or column outside its grid (line 25, section VOSKRUNOFFCHARTINFO328457, "
              "item 8)"},
             {"a USGS 2001 box past its array", "\"USGSRUNOFFINFO847338\",1,2,",
              "\"USGSRUNOFFINFO847338\",1,6,",
              "An index outside its boxes (line 28, section USGSRUNOFFINFO847338, item 1)"},
             {"a USGS 1987 group unknown", "\"[USGSMAVO1987DAQ]\",1,6,",
              "\"[USGSMAVO1987DAQ]\",3,6,",
              "No such group or index (line 51, section [USGSMAVO1987DAQ], group 3, index 6)"},
             {"a channel point past the grid", "\"TAILWATERCROSSSECTIONINFO432078\",1,12,",
              "\"TAILWATERCROSSSECTIONINFO432078\",1,52,",
              "A row or column outside its grid (line 63, section "
              "TAILWATERCROSSSECTIONINFO432078, item 1)"},
             // Row 2: without row 1 no row of the table would be saved.
             {"a rating row below the grid", "\"TAILWATERRATINGCURVEINFO43582\",3,2,",
              "\"TAILWATERRATINGCURVEINFO43582\",3,0,",
              "A row or column outside its grid (line 69, section TAILWATERRATINGCURVEINFO43582, "
              "item 3)"},
             {"a Q - Depth mode unknown", "\"TWQDEPTHINFO34853\",1,0", "\"TWQDEPTHINFO34853\",1,4",
              "An option outside its buttons (line 84, section TWQDEPTHINFO34853, item 1)"},
             {"a standard designs flag of 3", "\"VSHASTANDARDDESIGNINFO2379\",8,1",
              "\"VSHASTANDARDDESIGNINFO2379\",8,3",
              "A flag other than 0 or 1 (line 767, section VSHASTANDARDDESIGNINFO2379, item 8)"},
             {"a tapered inlet selection outside the grid", "\"TAPEREDINLETDESIGNINFO98384\",5,2",
              "\"TAPEREDINLETDESIGNINFO98384\",5,-2",
              "A selected design outside its grid (line 1522, section "
              "TAPEREDINLETDESIGNINFO98384, item 5)"},
             {"a drop inlet item unknown", "\"DROPINLETDESIGNINFO837321\",26,",
              "\"DROPINLETDESIGNINFO837321\",27,",
              "No such item (line 1530, section DROPINLETDESIGNINFO837321, item 27)"},
             {"a scour hole design index unknown", "\"NESCOURHOLEINFO620\",19,1,1,",
              "\"NESCOURHOLEINFO620\",19,3,1,",
              "An index outside its boxes (line 1820, section NESCOURHOLEINFO620, item 19)"},
             {"a plunge basin size option unknown", "\"NEPLUNGEBASIN847363\",12,0",
              "\"NEPLUNGEBASIN847363\",12,2",
              "An option outside its buttons (line 1825, section NEPLUNGEBASIN847363, item 12)"},
             {"a culvert type the catalogue does not hold", "\"GENERALDESIGNINFO271829\",7,3,",
              "\"GENERALDESIGNINFO271829\",7,93,",
              "A culvert type, inlet or standard size that the catalogue does not hold (line 1794, "
              "section GENERALDESIGNINFO271829, item 7)"},
             {"an inlet the catalogue does not hold", "\"NEPLUNGEBASIN847363\",7,3,306,",
              "\"NEPLUNGEBASIN847363\",7,3,396,",
              "A culvert type, inlet or standard size that the catalogue does not hold (line 1821, "
              "section NEPLUNGEBASIN847363, item 7)"},
             {"a standard size the catalogue does not hold", "\"HEC14RIPRAP857982\",7,3,306,20604",
              "\"HEC14RIPRAP857982\",7,3,306,20694",
              "A culvert type, inlet or standard size that the catalogue does not hold (line 1860, "
              "section HEC14RIPRAP857982, item 7)"},
             {"a riprap result row past the grid", "\"HEC14RIPRAP857982\",14,16,",
              "\"HEC14RIPRAP857982\",14,17,",
              "A row or column outside its grid (line 1859, section HEC14RIPRAP857982, item 14)"},
             // A record read on into the line after it, named by both lines.
             {"the Left OB station record's item changed to a channel point's",
              "\"TAILWATERCROSSSECTIONINFO432078\",2,\"48\"",
              "\"TAILWATERCROSSSECTIONINFO432078\",1,\"48\"",
              "A record that reads on past its line end and takes line 65 with it (line 64, "
              "section TAILWATERCROSSSECTIONINFO432078, item 1)"},
             {"a channel point with its cells cut off",
              "\"TAILWATERCROSSSECTIONINFO432078\",1,12,\"110\",\"106.0\",\"\"",
              "\"TAILWATERCROSSSECTIONINFO432078\",1,12",
              "A record that reads on past its line end and takes line 64 with it (line 63, "
              "section TAILWATERCROSSSECTIONINFO432078, item 1)"},
             {"a riprap item 13 with its texts cut off",
              "\"HEC14RIPRAP857982\",13,\"491\",\"4.71\",\"0.7\"", "\"HEC14RIPRAP857982\",13",
              "A record that reads on past its line end and takes line 1870 with it (line 1869, "
              "section HEC14RIPRAP857982, item 13)"},
             {"a rating row cut after three cells",
              "\"1,490.11\",\"4.42\",\"337.50\",\"23,560.71\"", "\"1,490.11\"",
              "A record that reads on past its line end and takes line 84 with it (line 83, "
              "section TAILWATERRATINGCURVEINFO43582, item 3)"},
             {"the last record cut before its text", "\"HEC14RIPRAP857982\",23,\"24.0\"",
              "\"HEC14RIPRAP857982\",23",
              "A record that reads on past its line end and takes line 1876, the end record, with "
              "it (line 1875, section HEC14RIPRAP857982, item 23)"},
             {"a text with more after its closing quote", "\"Route 614 over Hollins Branch\"",
              "\"Route 614 \"\"over\"\" Hollins Branch\"",
              "Characters after a text's closing quote, which the read drops (line 7, section "
              "SITEIDINFO7438579, item 4)"},
         }) {
        SCOPED_TRACE(c.what);
        const QString path = Path("damaged.twl");
        const std::string damaged = OpenChanged(example, c.from, c.to, path);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>({SkippedMessage(path, {c.named})}));
        ExpectCurrentFile("");
        ExpectSaveAsksForAName();
        EXPECT_TRUE(FileBytes(path).toStdString() == damaged);
    }
}

// A record that lands where a save never looks (below the first result row
// without a discharge, or in a rating table without its first row) would be
// lost by the next save: each such record is named and the project untied.
// Grids that a save writes whole keep a row after blank rows: silent, and
// every record comes back.
TEST_F(OpenSave, ARecordASaveWouldNotWriteBackIsNamedAndOneItWouldOpensSilently) {
    const std::string example = FileBytes(ExampleProject).toStdString();
    const std::string design = "\"GENERALDESIGNINFO271829\",2,";
    const std::string rating = "\"TAILWATERRATINGCURVEINFO43582\",3,";
    const QString unsaved = "A value that a save would not write back (line ";
    struct Case {
        const char* what;
        std::string from;
        std::string to;
        size_t lost;
        QString firstNamed;
    };
    for (const Case& c : std::vector<Case>{
             // Row 1 without a discharge ends the results before any: all 7
             // rows of 15 columns (lines 1685 to 1789) are lost.
             {"the first discharge moved to row 9 by one bit", design + "1,1,\"216.00\"",
              design + "9,1,\"216.00\"", 7 * 15,
              unsaved + "1685, section GENERALDESIGNINFO271829, item 2)"},
             // Row 1 is kept; rows 2 to 7 are lost less the cell moved away,
             // and the moved cell with them: 6 * 15 - 1 + 1.
             {"the second discharge moved to row 9", design + "2,1,\"315.00\"",
              design + "9,1,\"315.00\"", 6 * 15,
              unsaved + "1700, section GENERALDESIGNINFO271829, item 2)"},
             {"a result after the blank row 8", design + "7,14,\"Steep\",0\r\n",
              design + "7,14,\"Steep\",0\r\n" + design + "9,1,\"900.00\",0\r\n", 1,
              unsaved + "1790, section GENERALDESIGNINFO271829, item 2)"},
             // A rating table without a depth in row 1 is not saved: its 15
             // other rows and the first one, moved to row 17.
             {"the rating table's first row moved to row 17", rating + "1,", rating + "17,", 16,
              unsaved + "68, section TAILWATERRATINGCURVEINFO43582, item 3)"},
             {"a rating row after blank rows", rating + "16,", rating + "30,", 0, ""},
             {"a standard design after blank rows", "\"VSHASTANDARDDESIGNINFO2379\",4,16,6,",
              "\"VSHASTANDARDDESIGNINFO2379\",4,30,6,", 0, ""},
             {"a tapered inlet design after blank rows",
              "\"TAPEREDINLETDESIGNINFO98384\",4,101,10,",
              "\"TAPEREDINLETDESIGNINFO98384\",4,120,10,", 0, ""},
             {"a drop inlet box design after blank rows", "\"DROPINLETDESIGNINFO837321\",1,13,7,",
              "\"DROPINLETDESIGNINFO837321\",1,20,7,", 0, ""},
             {"a Q - Depth row after blank rows", "\"TWQDEPTHINFO34853\",2,3,2,",
              "\"TWQDEPTHINFO34853\",2,6,2,", 0, ""},
         }) {
        SCOPED_TRACE(c.what);
        const QString path = Path("moved.twl");
        const std::string damaged = OpenChanged(example, c.from, c.to, path);
        if (c.lost == 0) {
            EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
            ExpectCurrentFile(path);
            SaveAs(Path("saved.twl"));
            const std::vector<std::string> saved =
                Lines(FileBytes(Path("saved.twl")).toStdString());
            for (const std::string& line : Lines(damaged)) {
                EXPECT_NE(std::find(saved.begin(), saved.end(), line), saved.end()) << line;
            }
            continue;
        }
        if (user.MessageTexts().size() != 1) {
            ADD_FAILURE() << user.MessageTexts().size() << " messages";
            continue;
        }
        const QString message = user.MessageTexts()[0];
        EXPECT_TRUE(message.startsWith(
            "The file " + path + " was read, but " + QString::number(c.lost) +
            " of its records would be lost or changed by a save:\n" + c.firstNamed + "\n"))
            << message.toStdString();
        ExpectCurrentFile("");
        ExpectSaveAsksForAName();
    }
}

// Many damages: the message names ten and counts the rest, so that it fits
// the screen.
TEST_F(OpenSave, ManyLostRecordsAreCountedPastTheTenNamed) {
    std::string records;
    for (int i = 0; i < 900; ++i) {
        records += "\"SITEIDINFO7438579\",3,\"" + std::string(70000, 'x') + "\"\r\n";
    }
    WriteBytes(Path("many.twl"), ProjectFile(records));
    Open(Path("many.twl"));
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    const QStringList lines = user.MessageTexts()[0].split('\n');
    EXPECT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[0],
              "The file " + Path("many.twl") +
                  " was read, but 900 of its records would be lost or changed by a save:");
    EXPECT_EQ(lines[10], "A field of the file is longer than 65536 characters (line 13, section "
                         "SITEIDINFO7438579, item 3)");
    EXPECT_EQ(lines[11], "and 890 more");
}

// A single bit flipped anywhere in the example's records: either Open says
// what it could not use, or Save keeps every record the flip did not touch.
TEST_F(OpenSave, ABitFlippedAnywhereIsReportedOrLosesNoOtherRecord) {
    const std::string example = FileBytes(ExampleProject).toStdString();
    const std::vector<std::string> lines = Lines(example);
    const size_t firstRecord = example.find("\"SITEIDINFO7438579\"");
    std::mt19937 random(3810);
    int silent = 0;
    for (int flip = 0; flip < 300; ++flip) {
        const size_t at = firstRecord + random() % (example.size() - firstRecord);
        std::string damaged = example;
        damaged[at] = static_cast<char>(damaged[at] ^ (1 << (random() % 8)));
        const size_t lineOfFlip = static_cast<size_t>(
            std::count(example.begin(), example.begin() + static_cast<long>(at), '\n'));
        WriteBytes(Path("flipped.twl"), damaged);
        user.shown.clear();
        Open(Path("flipped.twl"));
        if (!user.MessageTexts().empty()) {
            continue;
        }
        ++silent;
        SaveAs(Path("saved.twl"));
        const std::vector<std::string> saved = Lines(FileBytes(Path("saved.twl")).toStdString());
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i != lineOfFlip) {
                EXPECT_NE(std::find(saved.begin(), saved.end(), lines[i]), saved.end())
                    << "byte " << at << " of line " << lineOfFlip + 1 << " flipped, silently, to "
                    << Lines(damaged.substr(example.rfind('\n', at) + 1))[0] << ": line " << i + 1
                    << " lost";
            }
        }
    }
    EXPECT_GT(silent, 0) << "flips inside texts lose nothing and open silently";
}
