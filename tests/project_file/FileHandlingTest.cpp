#include "GoldenFiles.h"
#include "ProjectFixture.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <sys/resource.h>

namespace {

const QString NotProjectFile =
    "The file selected does not appear to be a Tarnwell software data file.";
const QString OtherUnits = "The file selected is a Tarnwell software data file, but not for the "
                           "English Units version of the program. You might try the Metric "
                           "Units version of the program.";

using FileHandling = ProjectFileTest;

QStringList SiteTexts(const FrmSiteIdentification& site) {
    QStringList texts;
    for (QLineEdit* box :
         {site.TxtFileNumber, site.TxtDesignNumber, site.TxtCounty, site.TxtProject,
          site.TxtProjectNumber, site.TxtStructureLocation, site.TxtStream, site.TxtDesigner}) {
        texts << box->text();
    }
    return texts;
}

} // namespace

TEST_F(FileHandling, FirstSaveAsksForANameAndWritesTheGoldenFile) {
    TypeFixtureProject();
    QString path = Path("site.twl");
    user.fileNames.push_back("  " + path + "  ");
    main->mnuFileSave->trigger();
    EXPECT_TRUE(user.fileNames.empty());
    EXPECT_EQ(FileBytes(path).toStdString(), ReadGolden("fixture_project.twl"));
    ExpectCurrentFile(path);
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(FileHandling, SaveNewOpenRestoresEveryBoxAndSaveThenWritesWithoutAsking) {
    TypeFixtureProject();
    QString path = Path("site.twl");
    SaveAs(path);
    New();
    EXPECT_EQ(SiteTexts(*site), QStringList(8, QString()));
    ExpectCurrentFile("");

    Open(path);
    EXPECT_EQ(SiteTexts(*site), QStringList({"F-1234", "", "Orlen", "Route 9, ''Mill'' crossing",
                                             "", "Sta. 12+50", "Mill Creek", "J. Doe"}));
    ExpectCurrentFile(path);

    // No dialog is scripted: Save must not ask.
    QFile::remove(path);
    main->mnuFileSave->trigger();
    EXPECT_EQ(FileBytes(path).toStdString(), ReadGolden("fixture_project.twl"));
    EXPECT_EQ(user.MessageTexts().size(), 0u);
}

TEST_F(FileHandling, OpenTakesTheSignatureInAnyCaseReadsPastTheEndAndNamesWhatItSkips) {
    QString path = Path("hand written.twl");
    WriteBytes(path, "\"a copy of tarnwellsoftwarevshachs\"\r\n\"englishunits\"\r\n"
                     "\"VERSION\",\"1.00\"\r\n"
                     "\"UNKNOWNSECTION\",1,\"x\"\r\n"
                     "\"SITEIDINFO7438579\",42,\"unknown item\"\r\n"
                     "\"SITEIDINFO7438579\",3,\"Orlen\"\r\n"
                     "\"END_OF_FILE\"\r\n"
                     "\"SITEIDINFO7438579\",7,\"Mill Creek\"\r\n");
    site->TxtDesigner->setText("cleared by the open");
    EXPECT_TRUE(OpenAnsweringYes(path));
    EXPECT_EQ(SiteTexts(*site), QStringList({"", "", "Orlen", "", "", "", "Mill Creek", ""}));
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>({SkippedMessage(
                  path, {"A field that is no section's marker: \"UNKNOWNSECTION\" (line 4)",
                         "No such item (line 5, section SITEIDINFO7438579, item 42)"})}));
    EXPECT_EQ(user.shown.back().title, "Tarnwell V2.0");
    ExpectCurrentFile("");
}

TEST_F(FileHandling, RefusedFilesAreReportedAndTheDialogComesBack) {
    struct Case {
        const char* name;
        std::string content;
        QString message;
    };
    const std::string version = "\"VERSION\",\"2.00\"\r\n";
    for (const Case& c : std::vector<Case>{
             {"metric.twl", "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"METRICUNITS\"\r\n" + version,
              OtherUnits},
             {"si.twl", "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"SIUNITS\"\r\n" + version,
              "The file " + Path("si.twl") +
                  " is a Tarnwell software data file, but its units line names neither English "
                  "nor metric units, so it cannot be read."},
             {"notes.txt", "\"Culvert notes\"\r\n\"ENGLISHUNITS\"\r\n", NotProjectFile},
             {"drawing.bin", std::string(70000, 'x') + "\r\n", NotProjectFile},
             // Past the size any project reaches: not loaded at all.
             {"huge.twl", std::string(),
              "The file " + Path("huge.twl") +
                  " is too large to be a Tarnwell software data file: a project file holds "
                  "far less than 64 MB."},
         }) {
        site->TxtCounty->setText("Kept");
        GlobalVariables::DataFileName = Path("current.twl");
        user.shown.clear();
        WriteBytes(Path(c.name), c.content);
        if (c.content.empty()) {
            QFile(Path(c.name)).resize(64 * 1024 * 1024 + 1); // sparse: no disk used
        }
        user.fileNames = {Path(c.name), std::nullopt};
        main->mnuFileOpen->trigger();
        EXPECT_TRUE(user.fileNames.empty()) << c.name << ": the dialog did not come back";
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>({c.message})) << c.name;
        EXPECT_EQ(site->TxtCounty->text(), "Kept") << c.name;
        EXPECT_EQ(GlobalVariables::DataFileName, Path("current.twl")) << c.name;
    }
}

// A project file whose line ends were converted twice or more: an empty
// line holds nothing, wherever it stands, so every line of it is read.
TEST_F(FileHandling, AFileWhoseLineEndsAreRepeatedOpensWhole) {
    const std::string lines[] = {"\"TARNWELLSOFTWAREVSHACHS\"", "\"ENGLISHUNITS\"",
                                 "\"VERSION\",\"2.00\"", "\"SITEIDINFO7438579\",3,\"Kept\"",
                                 "\"END_OF_FILE\""};
    for (const std::string lineEnd : {"\r\r\n", "\r\r\r\n", "\n\n\n", "\r\n\r\n"}) {
        std::string content;
        for (const std::string& line : lines) {
            content += line + lineEnd;
        }
        const QString path = Path("copied.twl");
        WriteBytes(path, content);
        user.shown.clear();
        Open(path);
        EXPECT_EQ(user.MessageTexts(), std::vector<QString>()) << content;
        EXPECT_EQ(SiteTexts(*site), QStringList({"", "", "Kept", "", "", "", "", ""})) << content;
        ExpectCurrentFile(path);
    }
}

// A units line written twice loses nothing: the message names it and says
// only what a save would do.
TEST_F(FileHandling, AUnitsLineWrittenTwiceIsNamedAndTheRestOpens) {
    const QString path = Path("units twice.twl");
    WriteBytes(path, "\"TARNWELLSOFTWAREVSHACHS\"\r\n\"ENGLISHUNITS\"\r\n\"ENGLISHUNITS\"\r\n"
                     "\"VERSION\",\"2.00\"\r\n\"SITEIDINFO7438579\",3,\"Orlen\"\r\n"
                     "\"END_OF_FILE\"\r\n");
    Open(path);
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>(
                  {SkippedMessage(path, {"A repeated header line: \"ENGLISHUNITS\" (line 3)"})}));
    EXPECT_EQ(SiteTexts(*site), QStringList({"", "", "Orlen", "", "", "", "", ""}));
}

// Markers in lower case are no markers, but the file is whole: its records
// are named as what they are, never as a file cut short.
TEST_F(FileHandling, AFileInLowerCaseIsNamedRecordByRecordNotCutShort) {
    std::string lower = FileBytes(TW_EXAMPLE_PROJECT).toStdString();
    ASSERT_FALSE(lower.empty());
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const QString path = Path("lower case.twl");
    WriteBytes(path, lower);
    Open(path);
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    // 1876 lines less the header's three and the end record.
    EXPECT_TRUE(user.MessageTexts()[0].startsWith(
        "The file " + path +
        " was read, but 1872 of its records would be lost or changed by a save:\nA section's "
        "marker in another letter case: \"siteidinfo7438579\" (line 4, section "
        "SITEIDINFO7438579, item 1)\n"))
        << user.MessageTexts()[0].toStdString();
    ExpectCurrentFile("");
}

TEST_F(FileHandling, AnEmptyOrCutHeaderIsReportedOnceByNameAndTouchesNothing) {
    const std::string golden = ReadGolden("site_only.twl");
    const std::string header = golden.substr(0, golden.find("2.00")); // inside the version record
    struct Case {
        const char* name;
        std::string content;
        QString message;
    };
    for (const Case& c : std::vector<Case>{
             {"empty.twl", "", " is empty: it holds no Tarnwell software data."},
             {"cut.twl", header,
              " is incomplete: it ends within its first lines, before any project data. Nothing "
              "was read."},
             {"signature only.twl", header.substr(0, 27),
              " is incomplete: it ends within its first lines, before any project data. Nothing "
              "was read."},
         }) {
        user.shown.clear();
        WriteBytes(Path(c.name), c.content);
        site->TxtCounty->setText("Kept");
        Open(Path(c.name));
        EXPECT_EQ(user.MessageTexts(),
                  std::vector<QString>({"The file " + Path(c.name) + c.message}));
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].title, "Tarnwell V2.0");
        EXPECT_EQ(site->TxtCounty->text(), "Kept");
        ExpectCurrentFile("");
    }
}

TEST_F(FileHandling, CancellingEitherDialogChangesNothing) {
    site->TxtCounty->setText("Kept");
    user.fileNames = {std::nullopt, QString("   ")};
    main->mnuFileOpen->trigger();
    main->mnuFileSaveAs->trigger();
    EXPECT_TRUE(user.fileNames.empty());
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(site->TxtCounty->text(), "Kept");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(FileHandling, ANameTypedWithoutExtensionGetsTheProjectFiles) {
    const struct {
        const char* typed;
        const char* written;
    } cases[] = {
        {"project", "project.twl"},
        {"project.twl", "project.twl"},
        {"notes.txt", "notes.txt"}, // an extension of the user's own is kept
        {"site.", "site.twl"},
    };
    for (const auto& c : cases) {
        SaveAs(Path(c.typed));
        EXPECT_TRUE(QFile::exists(Path(c.written))) << c.typed;
        ExpectCurrentFile(Path(c.written));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList({"notes.txt", "project.twl", "site.twl"}));
}

TEST_F(FileHandling, DialogsStartInTheProjectsFolderElseTheLastOneUsedElseHome) {
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    user.fileNames = {std::nullopt, other.filePath("first.twl"),
                      std::nullopt, Path("missing.twl"),
                      std::nullopt, std::nullopt};
    main->mnuFileOpen->trigger();   // nothing chosen yet in this run: home
    main->mnuFileSaveAs->trigger(); // home; the project now lies in `other`
    main->mnuFileOpen->trigger();   // the project's folder
    main->mnuFileOpen->trigger();   // the project's folder; a file of dir is chosen
    main->mnuFileOpen->trigger();   // still the project's folder
    New();
    main->mnuFileOpen->trigger(); // no project: the folder chosen last
    EXPECT_EQ(user.startFolders,
              std::vector<QString>({QDir::homePath(), QDir::homePath(), other.path(), other.path(),
                                    other.path(), dir.path()}));
    EXPECT_EQ(user.MessageTexts().size(), 1u); // the missing file
}

TEST_F(FileHandling, AFailedSaveIsReportedAndKeepsTheCurrentFileAndCaption) {
    SaveAs(Path("site.twl"));
    SaveAs(Path("no such folder/site.twl"));
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>({"The project was not saved: the file " +
                                    Path("no such folder/site.twl") +
                                    " could not be written (No such file or directory). No file "
                                    "was made."}));
    ExpectCurrentFile(Path("site.twl"));
}

TEST_F(FileHandling, ASaveThatFailsMidwayLeavesThePreviousFileIntact) {
    TypeFixtureProject();
    QString path = Path("site.twl");
    SaveAs(path);
    QByteArray before = FileBytes(path);

    // Files may not grow past 64 bytes for a moment: the new file cannot be
    // completed, while the old one is never opened.
    site->TxtProject->setText(QString(500, 'x'));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    main->mnuFileSave->trigger();
    setrlimit(RLIMIT_FSIZE, &saved);

    ASSERT_EQ(user.MessageTexts().size(), 1u);
    const QString message = user.MessageTexts()[0];
    EXPECT_TRUE(message.startsWith("The project was not saved: the file " + path +
                                   " could not be written (") &&
                message.endsWith("). The file on disk is unchanged."))
        << message.toStdString();
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"site.twl"}));
    ExpectCurrentFile(path);
}

TEST_F(FileHandling, APartialReadIsReportedAndUntiesTheProjectFromTheFile) {
    TypeFixtureProject();
    SaveAs(Path("whole.twl"));
    std::string golden = ReadGolden("site_only.twl");
    QString cut = Path("cut.twl");
    WriteBytes(cut, golden.substr(0, golden.find("Route 9")));

    Open(cut);
    ASSERT_EQ(user.MessageTexts().size(), 1u);
    EXPECT_EQ(user.MessageTexts()[0],
              "The file " + cut +
                  " is incomplete: it ends before its end record.\nInput past end of file (line "
                  "7, section SITEIDINFO7438579, item 4)\n\nThe windows hold only what was read "
                  "before, and the project is no longer tied to the file: File Save will ask for "
                  "a file name.");
    EXPECT_EQ(SiteTexts(*site), QStringList({"F-1234", "", "Orlen", "", "", "", "", ""}));
    ExpectCurrentFile("");

    ExpectSaveAsksForAName();
    EXPECT_EQ(FileBytes(cut).toStdString(), golden.substr(0, golden.find("Route 9")));
}

TEST_F(FileHandling, SiteTextsUpToTheFieldLimitOpenWhole) {
    // 60,000 characters passed the boxes' old cap of 32,767; 65,536 is the
    // longest field the file holds. Both reach their boxes whole, and a Save
    // writes them back as they were read.
    const std::string middle(60000, 'm');
    const std::string longest(65536, 'l');
    const std::string content =
        ProjectFile("\"SITEIDINFO7438579\",4,\"" + middle + "\"\r\n\"SITEIDINFO7438579\",6,\"" +
                    longest + "\"\r\n");
    QString path = Path("long texts.twl");
    WriteBytes(path, content);
    Open(path);
    EXPECT_EQ(site->TxtProject->text().toStdString(), middle);
    EXPECT_EQ(site->TxtStructureLocation->text().toStdString(), longest);
    EXPECT_TRUE(user.shown.empty());
    ExpectCurrentFile(path);

    main->mnuFileSave->trigger();
    EXPECT_NE(FileBytes(path).toStdString().find(",4,\"" + middle + "\"\r\n"), std::string::npos);
    EXPECT_NE(FileBytes(path).toStdString().find(",6,\"" + longest + "\"\r\n"), std::string::npos);
}

TEST_F(FileHandling, ATextPastTheFieldLimitIsReportedAndTheRestOfTheFileOpens) {
    const std::string records = "\"SITEIDINFO7438579\",3,\"" + std::string(1000000, 'c') +
                                "\"\r\n\"SITEIDINFO7438579\",7,\"Mill Creek\"\r\n";
    const std::string content = ProjectFile(records);
    QString path = Path("lost text.twl");
    WriteBytes(path, content);
    Open(path);
    EXPECT_EQ(SiteTexts(*site), QStringList({"", "", "", "", "", "", "Mill Creek", ""}));
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>({SkippedMessage(
                  path, {"A field of the file is longer than 65536 characters (line 4, section "
                         "SITEIDINFO7438579, item 3)"})}));
    ExpectCurrentFile("");

    // The file that still holds the text is never overwritten by a plain Save.
    ExpectSaveAsksForAName();
    EXPECT_EQ(FileBytes(path).toStdString(), content);

    // A later overlong field in a section whose faults end the read: both are named.
    user.shown.clear();
    const QString ended = Path("ended.twl");
    WriteBytes(ended, ProjectFile(records + "\"GENERALDESIGNINFO271829\",3,\"" +
                                  std::string(70000, 'g') + "\"\r\n"));
    Open(ended);
    EXPECT_EQ(user.MessageTexts(),
              std::vector<QString>(
                  {"The file " + ended +
                   " could not be read completely.\nA field of the file is longer than 65536 "
                   "characters (line 6, section GENERALDESIGNINFO271829, item 3), 1062\n\nThe "
                   "windows hold only what was read before, and the project is no longer tied to "
                   "the file: File Save will ask for a file name.\n\nBefore that, 1 of its "
                   "records would be lost or changed by a save:\nA field of the file is longer "
                   "than 65536 "
                   "characters (line 4, section SITEIDINFO7438579, item 3)"}));
    EXPECT_EQ(site->TxtStream->text(), "Mill Creek");
    ExpectCurrentFile("");
}

TEST_F(FileHandling, AWindows1252SiteTextOpensWithItsAccentsAndSavesAsUtf8) {
    // "Café" and "Chloé’s" in Windows-1252: é is byte E9, the apostrophe 92.
    // In UTF-8 é is C3 A9 and ’ (U+2019) is E2 80 99.
    QString path = Path("windows.twl");
    WriteBytes(path, ProjectFile("\"SITEIDINFO7438579\",3,\"Caf\xE9\"\r\n"
                                 "\"SITEIDINFO7438579\",8,\"Chlo\xE9\x92s\"\r\n"));
    Open(path);
    EXPECT_EQ(site->TxtCounty->text(), QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(site->TxtDesigner->text(), QString::fromUtf8("Chlo\xC3\xA9\xE2\x80\x99s"));
    EXPECT_TRUE(user.shown.empty());

    QString saved = Path("saved.twl");
    SaveAs(saved);
    const std::string bytes = FileBytes(saved).toStdString();
    EXPECT_NE(bytes.find("\"SITEIDINFO7438579\",3,\"Caf\xC3\xA9\"\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\"SITEIDINFO7438579\",8,\"Chlo\xC3\xA9\xE2\x80\x99s\"\r\n"),
              std::string::npos);
}
