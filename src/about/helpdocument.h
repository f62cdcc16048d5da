#pragma once

#include <QString>
#include <QTextDocument>
#include <QUrl>

#include <optional>

// The help page as a document (Qt Gui, no widgets): the page and every picture, style sheet or
// page it refers to come from the page's own folder (or a folder inside it) only, and each is a
// regular file of at most kFileLimit bytes. A page that names /dev/zero, a file elsewhere on the
// system, a link that leads out of the folder, a pipe or a huge file gets nothing for it (the
// picture is left out); so do web addresses, since a pupil's help must not depend on the network.
class HelpDocument : public QTextDocument
{
public:
    // The largest page or picture read, and what one page may read in all.
    static constexpr qint64 kFileLimit = 8 * 1024 * 1024;
    static constexpr qint64 kPageBudget = 32 * 1024 * 1024;

    explicit HelpDocument(QObject *parent = nullptr);

    // Shows the page at pagePath: HTML (or plain text) in UTF-8, or in Shift-JIS when it is not
    // valid UTF-8. Returns the system's reason when the page cannot be read (the document is
    // then left as it was), empty otherwise.
    QString loadPage(const QString &pagePath);

    // The file `url` names when it lies inside the current page's folder: a relative address, or
    // a file address inside the folder; nothing otherwise.
    std::optional<QString> fileOf(const QUrl &url) const;

    // The bytes of a regular file of at most kFileLimit bytes; the system's reason otherwise.
    static std::optional<QByteArray> readFile(const QString &path, QString *error);

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    QString m_folder; // canonical, without a trailing separator
    qint64 m_spent = 0; // bytes the current page's resources have read
};
