#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

// The program's own window for the help pages: the page with its links
// working, Back, Forward and Contents (the index page), and the page's title
// as its caption. One window serves the whole program; it stays open beside
// the main window until the user closes it, with its close box or Escape.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // A top-level window that lives as long as `owner`.
    HelpWindow(QWidget* owner, const QString& contentsPage);

    // Shows the page (a local file) and brings the window to the front.
    void ShowPage(const QString& path);
    // The local file of the page shown.
    QString Page() const;

    QTextBrowser* Browser;
    QPushButton* CmdBack;
    QPushButton* CmdForward;
    QPushButton* CmdContents;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowTitle();
    void PlaceOnScreen();

    QString contentsPage_;
};
