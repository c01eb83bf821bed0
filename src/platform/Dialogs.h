#pragma once

#include <QString>

#include <optional>

class QDialog;
class QWidget;

// Message boxes, questions, file dialogs and modal dialogs go
// through one replaceable service, so that tests script the user's answers and
// never block on a modal window.
namespace Dialogs {

// The title of every message box that has no title of its own.
inline const QString ApplicationTitle = QStringLiteral("Tarnwell V2.0");

class Service {
public:
    virtual ~Service() = default;
    // An OK box without icon; an empty title shows the application title.
    virtual void Message(const QString& text, const QString& title) = 0;
    // A Yes/No box without icon; true for Yes. Enter answers the default.
    virtual bool AskYesNo(const QString& text, const QString& title, bool defaultYes) = 0;
    // File dialogs starting in a folder; nullopt when the user cancels. The
    // save dialog asks before it replaces a file, after adding the first file
    // type's extension to a name without one. Windows use them through
    // FileDialogs.
    virtual std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                                const QString& startFolder) = 0;
    virtual std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                                const QString& startFolder) = 0;
    // Shows a dialog modally; returns its result code.
    virtual int RunModal(QDialog& dialog) = 0;
};

// The service in force: the real one unless a test installed its own.
Service& Current();
// Installs a service (nullptr restores the real one); the caller keeps ownership.
void Install(Service* service);

// Shorthands for the service in force.
void Message(const QString& text, const QString& title = QString());
bool AskYesNo(const QString& text, const QString& title, bool defaultYes);

} // namespace Dialogs
