#include "platform/HelpWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* owner, const QString& contentsPage)
    : QWidget(owner, Qt::Window), contentsPage_(contentsPage) {
    CmdBack = new QPushButton("Back", this);
    CmdForward = new QPushButton("Forward", this);
    CmdContents = new QPushButton("Contents", this);
    CmdBack->setShortcut(QKeySequence::Back);
    CmdForward->setShortcut(QKeySequence::Forward);
    Browser = new QTextBrowser(this);
    // The pages link only to each other; nothing is handed to another program.
    Browser->setOpenExternalLinks(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdBack);
    buttons->addWidget(CmdForward);
    buttons->addWidget(CmdContents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser);

    CmdBack->setEnabled(false);
    CmdForward->setEnabled(false);
    connect(CmdBack, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(CmdForward, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(CmdContents, &QPushButton::clicked, this, [this] { ShowPage(contentsPage_); });
    connect(Browser, &QTextBrowser::backwardAvailable, CmdBack, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, CmdForward, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, &HelpWindow::ShowTitle);
    resize(760, 560);
}

void HelpWindow::ShowPage(const QString& path) {
    const QUrl page = QUrl::fromLocalFile(path);
    if (Browser->source() != page) {
        Browser->setSource(page);
    }
    show();
    raise();
    activateWindow();
}

QString HelpWindow::Page() const {
    return Browser->source().toLocalFile();
}

void HelpWindow::ShowTitle() {
    const QString title = Browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Help") : title);
}
