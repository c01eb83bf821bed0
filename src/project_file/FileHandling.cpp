#include "project_file/FileHandling.h"

#include "app/GlobalVariables.h"
#include "app/MDIFrmMain.h"
#include "app/StartUpMod.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FileDialogs.h"
#include "platform/FlexGrid.h"
#include "platform/InputChanges.h"
#include "platform/TextFile.h"
#include "platform/WaitCursor.h"
#include "project_file/AppliedRecords.h"
#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace FileHandling {
namespace {

ProjectFileFormat::SectionTable sections;

// A digest of what a Save would have written just after the last start-up,
// New, Open or successful Save: Open asks before it clears anything that
// differs from it. Kept as a digest, not as the text, which for a project of
// the largest grids would hold tens of megabytes for the rest of the run.
QByteArray savedProject;

QByteArray Digest(std::string_view written) {
    return QCryptographicHash::hash(QByteArrayView(written.data(), std::ssize(written)),
                                    QCryptographicHash::Blake2b_256);
}

// Far beyond any project; a larger file is refused before it is loaded.
constexpr qint64 MaxFileSizeMB = 64;
constexpr qint64 MaxFileSize = MaxFileSizeMB * 1024 * 1024;

void SetDataFileName(const QString& path) {
    GlobalVariables::DataFileName = path;
    if (MDIFrmMain* main = MDIFrmMain::Instance()) {
        main->SetCaptionForFile(path);
    }
}

// What a Save would write now, as the saved state keeps it.
QByteArray WrittenDigest() {
    return Digest(ProjectFileFormat::WriteProject(sections));
}

// Whether Open may clear the windows: at once when they hold nothing a Save
// would write that they did not hold when last saved, else on the user's Yes.
bool MayClearForOpen() {
    return WrittenDigest() == savedProject || StartUpMod::ConfirmClear("Open");
}

[[noreturn]] void ThrowFileError(const QFileDevice& file) {
    throw AppError(ErrorNumber::FileError, file.errorString().toStdString());
}

// The file's bytes; nullopt for a file far larger than any project file.
std::optional<std::string> LoadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ThrowFileError(file);
    }
    if (file.size() > MaxFileSize) {
        return std::nullopt;
    }
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ThrowFileError(file);
    }
    return content.toStdString();
}

// How many records a read skipped or a save would not write back as the file
// holds them, and the first of them by name, one to a line, so that the
// message fits the screen however many there are.
QString SkippedText(const ProjectFileFormat::SkippedRecords& skipped) {
    const size_t count = skipped.Count();
    QString text = QString::number(count) + " of its records would be lost or changed by a save:";
    for (const std::string& name : skipped.Named()) {
        text += "\n" + QString::fromStdString(name);
    }
    if (count > skipped.Named().size()) {
        text += "\nand " + QString::number(count - skipped.Named().size()) + " more";
    }
    return text;
}

} // namespace

void OpenDataFile() {
    try {
        while (true) {
            const std::optional<QString> chosen = FileDialogs::AskOpenFileName("Open", FileFilter);
            if (!chosen) {
                return;
            }
            const QString& path = *chosen;
            std::optional<std::string> content = LoadFile(path);
            if (!content) {
                Dialogs::Message("The file " + path +
                                 " is too large to be a Tarnwell software data file: a project "
                                 "file holds far less than " +
                                 QString::number(MaxFileSizeMB) + " MB.");
                continue;
            }
            if (content->empty()) {
                Dialogs::Message("The file " + path +
                                 " is empty: it holds no Tarnwell software data.");
                return;
            }
            FieldReader in(*content);
            switch (ProjectFileFormat::CheckHeader(in)) {
            case ProjectFileFormat::HeaderCheck::NotProjectFile:
                Dialogs::Message(
                    "The file selected does not appear to be a Tarnwell software data file.");
                continue;
            case ProjectFileFormat::HeaderCheck::MetricUnits:
                Dialogs::Message("The file selected is a Tarnwell software data file, but not "
                                 "for the English Units version of the program. You might try "
                                 "the Metric Units version of the program.");
                continue;
            case ProjectFileFormat::HeaderCheck::UnknownUnits:
                Dialogs::Message("The file " + path +
                                 " is a Tarnwell software data file, but its units line names "
                                 "neither English nor metric units, so it cannot be read.");
                continue;
            case ProjectFileFormat::HeaderCheck::Incomplete:
                Dialogs::Message("The file " + path +
                                 " is incomplete: it ends within its first lines, before any "
                                 "project data. Nothing was read.");
                return;
            case ProjectFileFormat::HeaderCheck::ProjectFile:
                if (MayClearForOpen()) {
                    ReadDataFile(path, in);
                }
                return;
            }
        }
    } catch (const AppError& error) {
        ShowError(error, ErrorStyle::Untitled);
    }
}

void SetProjectSections(ProjectFileFormat::SectionTable table) {
    sections = std::move(table);
}

void TakeSavedProject() {
    savedProject = WrittenDigest();
}

void ReadDataFile(const QString& path, FieldReader& in) {
    StartUpMod::ClearAllProjectData();
    SetDataFileName(path);
    ProjectFileFormat::SkippedRecords skipped;
    ProjectFileFormat::AppliedRecords applied;
    std::optional<AppError> stopped;
    try {
        // The windows are given the file's texts, which is no user's change:
        // the results saved belong to the inputs saved with them, in
        // whatever order their records stand.
        const InputChanges::Restore restoring;
        // The records grow the grids a row at a time: each grid takes its
        // rows and cells through the bulk path, and is shown once at the end.
        const FlexGrid::GrowthBatch growing;
        ProjectFileFormat::ReadProject(in, sections, skipped, applied);
    } catch (const AppError& error) {
        stopped = error;
    }
    // A record that landed where the writers never look (a result below the
    // first row without a discharge, say) would vanish at the next save.
    const std::string asRead = ProjectFileFormat::WriteProject(sections);
    applied.CountUnsaved(asRead, skipped);
    // What was read is the saved state even when the read lost records: the
    // message tells of them, and only later work is the user's to lose.
    savedProject = Digest(asRead);
    if (skipped.Count() == 0 && !stopped) {
        return;
    }
    // After a read that lost anything the project is tied to no file, so that
    // a Save cannot replace the file that still holds it.
    SetDataFileName(QString());
    WaitCursor::RestoreAll();
    const QString untied = "the project is no longer tied to the file: File Save will ask for a "
                           "file name.";
    QString report;
    if (!stopped) {
        report = "The file " + path + " was read, but " + SkippedText(skipped) +
                 "\n\nSo that a save cannot write over the file that still holds them, " + untied;
    } else {
        if (stopped->number == ReadError::InputPastEndOfFile) {
            report = "The file " + path + " is incomplete: it ends before its end record.\n" +
                     QString::fromStdString(stopped->description);
        } else {
            report = "The file " + path + " could not be read completely.\n" +
                     ErrorText(*stopped, ErrorStyle::Untitled);
        }
        report += "\n\nThe windows hold only what was read before, and " + untied;
        if (skipped.Count() > 0) {
            report += "\n\nBefore that, " + SkippedText(skipped);
        }
    }
    Dialogs::Message(report);
}

void WriteDataFile(const QString& path) {
    WaitCursor busy;
    const bool existed = QFileInfo::exists(path);
    try {
        std::string content = ProjectFileFormat::WriteProject(sections);
        SaveTextFile(path, content);
        SetDataFileName(path);
        savedProject = Digest(content);
    } catch (const AppError& error) {
        WaitCursor::RestoreAll();
        Dialogs::Message("The project was not saved: the file " + path + " could not be written (" +
                         QString::fromStdString(error.description) + "). " +
                         (existed ? "The file on disk is unchanged." : "No file was made."));
    }
}

void SaveDataFileAs() {
    if (const std::optional<QString> path = FileDialogs::AskSaveFileName("Save As", FileFilter)) {
        WriteDataFile(*path);
    }
}

} // namespace FileHandling
