#include "project_file/FileHandling.h"

#include "app/GlobalVariables.h"
#include "app/MDIFrmMain.h"
#include "app/StartUpMod.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "platform/ErrorReport.h"
#include "platform/FileDialogs.h"
#include "platform/InputChanges.h"
#include "platform/TextBoxes.h"
#include "platform/TextFile.h"
#include "platform/WaitCursor.h"
#include "project_file/FieldReader.h"
#include "project_file/ProjectFileFormat.h"

#include <QFile>

#include <optional>
#include <string_view>
#include <vector>

namespace FileHandling {
namespace {

ProjectFileFormat::SectionTable sections;

// Every text a file can hold reaches its box whole.
static_assert(TextBoxes::MaxLength >= FieldReader::MaxFieldLength);

// Far beyond any project; a larger file is refused before it is loaded.
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

void SetDataFileName(const QString& path) {
    GlobalVariables::DataFileName = path;
    if (MDIFrmMain* main = MDIFrmMain::Instance()) {
        main->SetCaptionForFile(path);
    }
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
            if (content && content->empty()) {
                Dialogs::Message("The file " + path +
                                 " is empty: it holds no Tarnwell software data.");
                return;
            }
            FieldReader in(content ? std::string_view(*content) : std::string_view());
            switch (content ? ProjectFileFormat::CheckHeader(in)
                            : ProjectFileFormat::HeaderCheck::NotProjectFile) {
            case ProjectFileFormat::HeaderCheck::NotProjectFile:
                Dialogs::Message(
                    "The file selected does not appear to be an Tarnwell software data file.");
                continue;
            case ProjectFileFormat::HeaderCheck::OtherUnits:
                Dialogs::Message("The file selected is a Tarnwell software data file, but not "
                                 "for the English Units version of the program. You might try "
                                 "the Metric Units version of the program.");
                continue;
            case ProjectFileFormat::HeaderCheck::ProjectFile:
                ReadDataFile(path, in);
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

void ReadDataFile(const QString& path, FieldReader& in) {
    // The windows are emptied and given the file's texts: no user's change,
    // so saved results stay beside the inputs read after them.
    const InputChanges::Restore restoring;
    StartUpMod::ClearAllProjectData();
    SetDataFileName(path);
    std::vector<AppError> lostFields;
    std::optional<AppError> stopped;
    try {
        ProjectFileFormat::ReadProject(in, sections, lostFields);
    } catch (const AppError& error) {
        stopped = error;
    }
    if (lostFields.empty() && !stopped) {
        return;
    }
    // After a read that lost anything the project is tied to no file, so that
    // a Save cannot replace the file that still holds it.
    SetDataFileName(QString());
    WaitCursor::RestoreAll();
    QString report; // the faults of the fields lost on the way, a line each
    for (const AppError& lost : lostFields) {
        report += ErrorText(lost, ErrorStyle::Untitled) + "\n";
    }
    if (stopped) {
        report += ErrorText(*stopped, ErrorStyle::Untitled) + "\n\nThe file " + path +
                  " could not be read completely. The windows hold only what was read before "
                  "the error, and the project is no longer tied to the file: File Save will "
                  "ask for a file name.";
    } else {
        report += "\nThe rest of the file " + path +
                  " was read, but the windows lack the fields above, and the project is no "
                  "longer tied to the file: File Save will ask for a file name.";
    }
    Dialogs::Message(report);
}

void WriteDataFile(const QString& path) {
    WaitCursor busy;
    try {
        std::string content = ProjectFileFormat::WriteProject(sections);
        SaveTextFile(path, content);
        SetDataFileName(path);
    } catch (const AppError& error) {
        // Unlike Open and Save As, the save names the error number first.
        WaitCursor::RestoreAll();
        Dialogs::Message(QString::number(error.number) + " " +
                         QString::fromStdString(error.description));
    }
}

void SaveDataFileAs() {
    if (const std::optional<QString> path = FileDialogs::AskSaveFileName("Save As", FileFilter)) {
        WriteDataFile(*path);
    }
}

} // namespace FileHandling
