#pragma once

#include <QString>

#include <string>

// Writes a whole text file: first to a temporary file in the same folder,
// which replaces the file at `path` only once every byte is written, so a
// failed write (a full disk, a folder without write access) never leaves a
// truncated or destroyed file. Throws AppError (file error) naming the fault.
void SaveTextFile(const QString& path, const std::string& content);
