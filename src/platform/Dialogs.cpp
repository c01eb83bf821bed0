#include "platform/Dialogs.h"

#include "platform/FileDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace Dialogs {
namespace {

QWidget* Owner() {
    return QApplication::activeWindow();
}

// A short message makes a narrow box, and the window manager then cuts the
// caption on its title bar beside its buttons. The box is kept wide enough for
// the caption in a bold title font and room for the title bar's buttons.
void KeepCaptionWhole(QMessageBox& box) {
    constexpr int TitleBarButtonsRoom = 120;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width =
        QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + TitleBarButtonsRoom;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

class QtService : public Service {
public:
    void Message(const QString& text, const QString& title) override {
        QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? ApplicationTitle : title, text,
                        QMessageBox::Ok, Owner());
        KeepCaptionWhole(box);
        box.exec();
    }

    bool AskYesNo(const QString& text, const QString& title, bool defaultYes) override {
        QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? ApplicationTitle : title, text,
                        QMessageBox::Yes | QMessageBox::No, Owner());
        KeepCaptionWhole(box);
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
