// What a read gives depends on the records a file holds, not on the order in
// which they stand: the example and every golden file, with each section's
// records reversed, split around the end record or written twice, open
// silently, stay tied to their file and give the project the file gives.
#include "GoldenFiles.h"
#include "ProjectFixture.h"

#include <filesystem>
#include <functional>

namespace {

// The lines of a file, each with its line end.
std::vector<std::string> LinesWithEnds(const std::string& content) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < content.size();) {
        const size_t end = std::min(content.find('\n', start), content.size() - 1) + 1;
        lines.push_back(content.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string FirstField(const std::string& line) {
    return line.substr(0, line.find_first_of(",\r\n"));
}

// Each run of lines that share their marker in reverse order: the records of
// every section, while the header lines and the end record, each the only
// one of its kind, stay where they are.
std::string SectionsReversed(const std::string& content) {
    std::vector<std::string> lines = LinesWithEnds(content);
    for (auto run = lines.begin(); run != lines.end();) {
        const std::string marker = FirstField(*run);
        const auto end = std::find_if(
            run, lines.end(), [&](const std::string& line) { return FirstField(line) != marker; });
        std::reverse(run, end);
        run = end;
    }
    std::string reversed;
    for (const std::string& line : lines) {
        reversed += line;
    }
    return reversed;
}

// Every record between the header and the end record written twice in a row.
std::string RecordsDoubled(const std::string& content) {
    const std::vector<std::string> lines = LinesWithEnds(content);
    std::string doubled;
    for (size_t i = 0; i < lines.size(); ++i) {
        const bool record = i >= 3 && i + 1 < lines.size();
        doubled += record ? lines[i] + lines[i] : lines[i];
    }
    return doubled;
}

// Every second record moved, in order, behind the end record: each section
// split in two, half of it where no record of the program's own files stands.
std::string SplitAroundTheEnd(const std::string& content) {
    const std::vector<std::string> lines = LinesWithEnds(content);
    std::string kept;
    std::string moved;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        (i >= 3 && i % 2 == 0 ? moved : kept) += lines[i];
    }
    return kept + lines.back() + moved;
}

// `content` with each of `changes` (a record as it stands, and what takes
// its place) made once.
std::string Changed(std::string content,
                    const std::vector<std::pair<std::string, std::string>>& changes) {
    for (const auto& [from, to] : changes) {
        const size_t at = content.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        content.replace(std::min(at, content.size()), from.size(), to);
    }
    return content;
}

// The example and every golden file, and the example with what its own
// values hide: Manning n and Ke other than the catalogue's, or blank, a
// selected design below its grid's first rows, and other options.
std::vector<std::pair<std::string, std::string>> ProjectFiles() {
    std::vector<std::pair<std::string, std::string>> files;
    auto add = [&files](const std::string& name, const std::string& content) {
        files.emplace_back(name, content);
    };
    QFile example(TW_EXAMPLE_PROJECT);
    EXPECT_TRUE(example.open(QIODevice::ReadOnly));
    const std::string project = example.readAll().toStdString();
    add("example", project);
    for (const auto& entry : std::filesystem::directory_iterator(TW_GOLDEN_DIR)) {
        add(entry.path().filename().string(), ReadGolden(entry.path().filename().string()));
    }
    const std::string general = "\"GENERALDESIGNINFO271829\",";
    const std::string plunge = "\"NEPLUNGEBASIN847363\",";
    const std::string riprap = "\"HEC14RIPRAP857982\",";
    auto nAndKe = [&](const std::string& n, const std::string& ke) {
        std::vector<std::pair<std::string, std::string>> changes;
        for (const std::string& section : {general, plunge, riprap}) {
            changes.push_back({section + "8,\"0.012\"", section + "8,\"" + n + "\""});
            changes.push_back({section + "9,\"0.5\"", section + "9,\"" + ke + "\""});
        }
        return changes;
    };
    add("example, own n and Ke", Changed(project, nAndKe("0.015", "0.7")));
    add("example, blank n and Ke", Changed(project, nAndKe("", "")));
    add("example, designs selected far down",
        Changed(
            project,
            {{"\"VSHASTANDARDDESIGNINFO2379\",10,3,2", "\"VSHASTANDARDDESIGNINFO2379\",10,3,40"},
             {"\"TAPEREDINLETDESIGNINFO98384\",5,2", "\"TAPEREDINLETDESIGNINFO98384\",5,90"},
             {"\"DROPINLETDESIGNINFO837321\",6,1,2", "\"DROPINLETDESIGNINFO837321\",6,1,12"}}));
    add("example, other options and typed sizes",
        Changed(project,
                {{"\"VOSKRUNOFFCHARTINFO328457\",2,0", "\"VOSKRUNOFFCHARTINFO328457\",2,1"},
                 {"\"TWQDEPTHINFO34853\",1,0", "\"TWQDEPTHINFO34853\",1,2"},
                 {"\"DROPINLETDESIGNINFO837321\",5,0", "\"DROPINLETDESIGNINFO837321\",5,1"},
                 {general + "7,3,306,20604", general + "7,5,501,-1"},
                 {general + "12,0",
                  general + "12,1\r\n" + general + "10,0,\"58.5\"\r\n" + general + "10,1,\"36\""},
                 {plunge + "11,0", plunge + "11,2"},
                 {riprap + "7,3,306,20604", riprap + "7,1,101,1012"},
                 {riprap + "12,0", riprap + "12,1\r\n" + riprap + "10,0,\"60\""}}));
    return files;
}

class RecordOrder : public ProjectFileTest {
protected:
    // The project of `content` as a save writes it after Open, which must be silent
    // and keep the project tied to the file.
    std::string OpenedAndSaved(const std::string& content, const QString& name) {
        const QString path = Path(name);
        WriteBytes(path, content);
        user.shown.clear();
        Open(path);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>());
        ExpectCurrentFile(path);
        SaveAs(Path("saved.twl"));
        return FileBytes(Path("saved.twl")).toStdString();
    }

    void ExpectTheSameProject(const std::function<std::string(const std::string&)>& changed) {
        for (const auto& [name, content] : ProjectFiles()) {
            SCOPED_TRACE(name);
            const std::string expected = OpenedAndSaved(content, "original.twl");
            const std::string read = changed(content);
            ASSERT_NE(read, content);
            EXPECT_TRUE(OpenedAndSaved(read, "changed.twl") == expected);
        }
    }
};

} // namespace

TEST_F(RecordOrder, EverySectionReadInReverseOrderGivesTheSameProject) {
    ExpectTheSameProject(SectionsReversed);
}

TEST_F(RecordOrder, EveryRecordWrittenTwiceGivesTheSameProject) {
    ExpectTheSameProject(RecordsDoubled);
}

TEST_F(RecordOrder, EverySectionSplitAroundTheEndRecordGivesTheSameProject) {
    ExpectTheSameProject(SplitAroundTheEnd);
}
