#include "platform/Dialogs.h"

#include "platform/FileDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Dialogs {
namespace {

QWidget* Owner() {
    return QApplication::activeWindow();
}

class QtService : public Service {
public:
    void Message(const QString& text, const QString& title) override {
        QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? ApplicationTitle : title, text,
                        QMessageBox::Ok, Owner());
        box.exec();
    }

    bool AskYesNo(const QString& text, const QString& title, bool defaultYes) override {
        QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? ApplicationTitle : title, text,
                        QMessageBox::Yes | QMessageBox::No, Owner());
        box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    std::optional<QString> OpenFileName(const QString& title, const QString& filter,
                                        const QString& startFolder) override {
        QString name = QFileDialog::getOpenFileName(Owner(), title, startFolder, filter);
        return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
    }

    std::optional<QString> SaveFileName(const QString& title, const QString& filter,
                                        const QString& startFolder) override {
        QFileDialog dialog(Owner(), title, startFolder, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // Added before the dialog asks about replacing a file, so that it asks
        // about the file that will be written.
        dialog.setDefaultSuffix(FileDialogs::DefaultExtension(filter));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return dialog.selectedFiles().front();
    }

    int RunModal(QDialog& dialog) override { return dialog.exec(); }
};

QtService& RealService() {
    static QtService service;
    return service;
}

Service* installed = nullptr;

} // namespace

Service& Current() {
    return installed ? *installed : RealService();
}

void Install(Service* service) {
    installed = service;
}

void Message(const QString& text, const QString& title) {
    Current().Message(text, title);
}

bool AskYesNo(const QString& text, const QString& title, bool defaultYes) {
    return Current().AskYesNo(text, title, defaultYes);
}

} // namespace Dialogs
