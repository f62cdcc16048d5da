#include "helpdocument.h"
#include "helpwindow.h"
#include "testfiles.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using testfiles::write;


QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A help folder with a page, pictures inside it and beside it, and what someone may plant there.
class HelpPage : public testing::Test
{
protected:
    void SetUp() override
    {
        help = root.path() + QStringLiteral("/help");
        write(help + QStringLiteral("/pics/a.png"), png(7, 5));
        write(root.path() + QStringLiteral("/outside.png"), png(9, 9));
        write(help + QStringLiteral("/big.png"), QByteArray(HelpDocument::kFileLimit + 1, 'x'));
        testfiles::link(root.path() + QStringLiteral("/outside.png"), help + QStringLiteral("/leads-out.png"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(help + QStringLiteral("/pipe.png")).constData(), 0644), 0);
        write(help + QStringLiteral("/other.html"), QStringLiteral("<p>二ページ目</p>").toUtf8());
        write(root.path() + QStringLiteral("/secret.html"), QStringLiteral("<p>ひみつ</p>").toUtf8());
    }

    QString page(const QString &html) const
    {
        const QString path = help + QStringLiteral("/index.html");
        write(path, html.toUtf8());
        return path;
    }

    QTemporaryDir root;
    QString help;
};

TEST_F(HelpPage, PicturesComeOnlyFromThePagesOwnFolder)
{
    HelpDocument document;
    ASSERT_EQ(document.loadPage(page(QStringLiteral("<p>help</p>"))), QString());
    const std::pair<QString, QSize> cases[] = {
        {QStringLiteral("pics/a.png"), QSize(7, 5)},
        {QStringLiteral("./pics/../pics/a.png"), QSize(7, 5)},
        {QUrl::fromLocalFile(help + QStringLiteral("/pics/a.png")).toString(), QSize(7, 5)},
        {QStringLiteral("../outside.png"), QSize(1, 1)},
        {root.path() + QStringLiteral("/outside.png"), QSize(1, 1)},
        {QStringLiteral("leads-out.png"), QSize(1, 1)},
        {QStringLiteral("pipe.png"), QSize(1, 1)},
        {QStringLiteral("big.png"), QSize(1, 1)},
        {QStringLiteral("/dev/zero"), QSize(1, 1)},
        {QStringLiteral("file:///dev/zero"), QSize(1, 1)},
        {QStringLiteral("http://example.com/a.png"), QSize(1, 1)},
        {QStringLiteral("missing.png"), QSize(1, 1)},
    };
    for (const auto &[source, size] : cases) {
        const QVariant picture = document.resource(QTextDocument::ImageResource, QUrl(source));
        EXPECT_EQ(qvariant_cast<QImage>(picture).size(), size) << source.toStdString();
    }
}

TEST_F(HelpPage, APageThatNamesWhatItMustNotIsShownWithoutIt)
{
    QString html = QStringLiteral("<h1>使い方</h1>");
    for (const char *source : {"/dev/zero", "pipe.png", "big.png", "leads-out.png", "pics/a.png"})
        html += QStringLiteral("<img src=\"%1\">").arg(QString::fromLatin1(source));
    html += QStringLiteral("<a href=\"other.html\">次</a> <a href=\"../secret.html\">外</a> <a href=\"http://example.com\">web</a>");
    HelpWindow window(page(html));
    window.show();
    window.browser()->document()->documentLayout()->documentSize();
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("使い方")));

    window.followLink(QUrl(QStringLiteral("../secret.html")));
    window.followLink(QUrl(QStringLiteral("http://example.com")));
    window.followLink(QUrl(QStringLiteral("/dev/zero")));
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("使い方")));
    window.followLink(QUrl(QStringLiteral("other.html")));
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("二ページ目")));
}

TEST_F(HelpPage, APageThatIsNoFileIsNamedInTheWindow)
{
    for (const QString &path : {help + QStringLiteral("/pipe.png"), help + QStringLiteral("/big.png"), help}) {
        HelpWindow window(path);
        const QString text = window.browser()->toPlainText();
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(path))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("先生に知らせてください"))) << text.toStdString();
    }
}

} // namespace
