#include "platform/TextFile.h"

#include "platform/AppError.h"

#include <QSaveFile>

#include <algorithm>

namespace {

[[noreturn]] void ThrowFileError(const QFileDevice& file) {
    throw AppError(ErrorNumber::FileError, file.errorString().toStdString());
}

} // namespace

void SaveTextFile(const QString& path, const std::string& content) {
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk) shows in write()'s
    // count: a buffered flush lets it pass and commits a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        ThrowFileError(file);
    }
    auto size = static_cast<qint64>(content.size());
    qint64 written = file.write(content.data(), size);
    if (written != size && file.error() == QFileDevice::NoError) {
        throw AppError(ErrorNumber::FileError,
                       "Only " + std::to_string(std::max<qint64>(written, 0)) + " of " +
                           std::to_string(size) + " bytes could be written");
    }
    if (written != size || !file.commit()) {
        ThrowFileError(file);
    }
}
