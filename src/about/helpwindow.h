#pragma once

#include <QDialog>

class HelpDocument;
class QPushButton;
class QTextBrowser;
class QUrl;

// The help page in the program's own window, so that help shows on every machine, with or
// without a web browser. A page that cannot be read is said in the window, naming the file, so a
// pupil who asks for help always sees something. Pictures and links come from the page's own
// folder only (HelpDocument); a link elsewhere, a web address included, does nothing. Not modal
// to the program, only to its parent.
class HelpWindow : public QDialog
{
public:
    explicit HelpWindow(const QString &pagePath, QWidget *parent = nullptr);

    // Loads the page: HTML (or plain text) in UTF-8, or in Shift-JIS when it is not valid UTF-8.
    void load(const QString &pagePath);
    // A click on a link of the page: another place of the page, or a page beside it.
    void followLink(const QUrl &link);

    QTextBrowser *browser() const { return m_browser; }
    QPushButton *closeButton() const { return m_closeButton; }

private:
    QTextBrowser *m_browser = nullptr;
    HelpDocument *m_document = nullptr; // owned by m_browser
    QPushButton *m_closeButton = nullptr;
};
