#pragma once

#include "project_file/ProjectFileFormat.h"

#include <QString>

class FieldReader;

// The file operations of a project: Open, Save and Save As.
namespace FileHandling {

// The sections of the input windows that Open reads and Save writes; set at start-up.
void SetProjectSections(ProjectFileFormat::SectionTable table);

// Takes what a Save would write now as the project's saved state, the one
// that Open compares with the windows before it clears them; start-up and New
// call it once their clear has emptied every window. Open and a successful
// Save take theirs themselves.
void TakeSavedProject();

// The file-type choices of both file dialogs.
inline const QString FileFilter = QStringLiteral("Tarnwell (*.twl);;All Files (*.*)");

// Asks for a project file until one passes the size, signature and units
// checks, then reads it. Cancelling changes nothing. Reports its own errors;
// an empty file and one that holds no more than its header are refused by
// name, before anything is cleared, and end the command. When the windows hold
// anything a Save would write that differs from the saved state, a file that
// passed is read only after the user confirms the clear; No changes nothing.
void OpenDataFile();

// Writes the whole project to `path` (used exactly as given, no extension
// added). The old file is replaced only once the new one is complete; then the
// path becomes the current project file. A failed save is reported by the
// file's name and leaves the old file, the current path and the caption as
// they were.
void WriteDataFile(const QString& path);

// Asks for a file name, ".twl" added to a name without extension, and saves
// there. Cancelling writes nothing.
void SaveDataFileAs();

// Empties every window, then reads the rest of the project file `in` (just
// past its header) into them; no window clears a result because an input was
// restored. A read that ends early, could not use a record, or applied one
// that a save would not write back is reported in one message, and the
// project is then tied to no file, so that File Save asks for a name rather
// than overwrite the file with a project that lacks what the file holds.
void ReadDataFile(const QString& path, FieldReader& in);

} // namespace FileHandling
