#include "platform/HelpWindow.h"

#include "platform/Screen.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
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
    PlaceOnScreen();
}

// Centred on the work area with room all round for the window manager's
// frame, so that its title bar and edges stay on a laptop's screen.
void HelpWindow::PlaceOnScreen() {
    constexpr int FrameRoom = 40;
    const QRect available = Screen::WorkAreaPixels();
    const QSize size =
        QSize(760, 560).boundedTo(available.size() - QSize(2 * FrameRoom, 2 * FrameRoom));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
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

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::ShowTitle() {
    const QString title = Browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Help") : title);
}
