#include "platform/FileDialogs.h"

#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace FileDialogs {
namespace {

std::function<QString()> projectFileOfRun;
QString lastFolder;

QString FolderIfItExists(const QString& folder) {
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

// The name without surrounding blanks, its folder remembered; nullopt for none.
std::optional<QString> Chosen(const std::optional<QString>& name) {
    if (!name) {
        return std::nullopt;
    }
    qsizetype first = 0;
    qsizetype end = name->size();
    while (first < end && name->at(first) == u' ') {
        ++first;
    }
    while (end > first && name->at(end - 1) == u' ') {
        --end;
    }
    if (first == end) {
        return std::nullopt;
    }
    QString path = name->mid(first, end - first);
    lastFolder = QFileInfo(path).absolutePath();
    return path;
}

} // namespace

void StartRun(std::function<QString()> projectFile) {
    projectFileOfRun = std::move(projectFile);
    lastFolder.clear();
}

QString StartFolder() {
    const QString projectFile = projectFileOfRun ? projectFileOfRun() : QString();
    if (!projectFile.isEmpty()) {
        const QString folder = FolderIfItExists(QFileInfo(projectFile).absolutePath());
        if (!folder.isEmpty()) {
            return folder;
        }
    }
    const QString folder = FolderIfItExists(lastFolder);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

QString DefaultExtension(const QString& filter) {
    static const QRegularExpression firstPattern(QStringLiteral(R"(\(\*\.(\w+)[ ;)])"));
    const QRegularExpressionMatch match = firstPattern.match(filter.section(";;", 0, 0));
    return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<QString> AskOpenFileName(const QString& title, const QString& filter) {
    return Chosen(Dialogs::Current().OpenFileName(title, filter, StartFolder()));
}

std::optional<QString> AskSaveFileName(const QString& title, const QString& filter) {
    std::optional<QString> path =
        Chosen(Dialogs::Current().SaveFileName(title, filter, StartFolder()));
    const QString extension = DefaultExtension(filter);
    if (path && !extension.isEmpty() && QFileInfo(*path).suffix().isEmpty()) {
        *path += path->endsWith(u'.') ? extension : "." + extension;
    }
    return path;
}

} // namespace FileDialogs
