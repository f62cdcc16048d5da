#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// The help page in the program's own window, so that help shows on every machine, with or
// without a web browser. A page that cannot be read is said in the window, naming the file, so a
// pupil who asks for help always sees something. Not modal to the program, only to its parent.
class HelpWindow : public QDialog
{
public:
    explicit HelpWindow(const QString &pagePath, QWidget *parent = nullptr);

    // Loads the page: HTML (or plain text) in UTF-8, or in Shift-JIS when it is not valid UTF-8.
    void load(const QString &pagePath);

    QTextBrowser *browser() const { return m_browser; }
    QPushButton *closeButton() const { return m_closeButton; }

private:
    QTextBrowser *m_browser = nullptr;
    QPushButton *m_closeButton = nullptr;
};
