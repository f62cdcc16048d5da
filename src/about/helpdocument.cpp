#include "helpdocument.h"

#include "sjis.h"
#include "systemerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString decoded(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? sjis::decode(bytes) : text;
}

QString reason(int code)
{
    return systemerror::describe(code);
}

} // namespace

HelpDocument::HelpDocument(QObject *parent)
    : QTextDocument(parent)
{
}

std::optional<QByteArray> HelpDocument::readFile(const QString &path, QString *error)
{
    const auto fail = [&](const QString &why) -> std::optional<QByteArray> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    // Looked at before it is opened: opening a pipe would wait, opening a device may do anything.
    struct stat st{};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return fail(reason(errno));
    if (!S_ISREG(st.st_mode))
        return fail(QStringLiteral("ふつうのファイルではありません"));
    if (st.st_size > kFileLimit)
        return fail(QStringLiteral("%1 バイトより大きいファイルです").arg(kFileLimit));
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(reason(errno));
    QFile file;
    struct stat opened{};
    if (::fstat(fd, &opened) != 0 || opened.st_ino != st.st_ino || opened.st_dev != st.st_dev
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(QStringLiteral("読んでいる間に置き換えられました"));
    }
    const QByteArray bytes = file.read(kFileLimit + 1);
    if (bytes.size() > kFileLimit)
        return fail(QStringLiteral("%1 バイトより大きいファイルです").arg(kFileLimit));
    if (file.error() != QFileDevice::NoError)
        return fail(systemerror::describe(file, errno));
    return bytes;
}

QString HelpDocument::loadPage(const QString &pagePath)
{
    QString error;
    const std::optional<QByteArray> bytes = readFile(pagePath, &error);
    if (!bytes)
        return error;
    m_folder = QFileInfo(pagePath).absoluteDir().canonicalPath();
    m_spent = bytes->size();
    clear();
    const QString text = decoded(*bytes);
    if (Qt::mightBeRichText(text))
        setHtml(text);
    else
        setPlainText(text);
    return {};
}

std::optional<QString> HelpDocument::fileOf(const QUrl &url) const
{
    if (m_folder.isEmpty() || !url.isValid() || !url.host().isEmpty())
        return std::nullopt;
    QString path;
    if (url.scheme() == u"file")
        path = url.toLocalFile();
    else if (url.scheme().isEmpty())
        path = url.path();
    else
        return std::nullopt;
    if (path.isEmpty())
        return std::nullopt;
    const QString candidate = QDir::isAbsolutePath(path) ? path : m_folder + u'/' + path;
    // Links and ".." are resolved first: what counts is where the file really is.
    const QString real = QFileInfo(candidate).canonicalFilePath();
    if (real.isEmpty() || !real.startsWith(m_folder + u'/'))
        return std::nullopt;
    return real;
}

QVariant HelpDocument::loadResource(int type, const QUrl &name)
{
    // A picture that is refused is drawn as nothing; left without one, the text layout would try
    // to load the file by its name itself.
    QImage blank(1, 1, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    const QVariant nothing = type == ImageResource ? QVariant(blank) : QVariant();
    const std::optional<QString> file = fileOf(name);
    if (!file)
        return nothing;
    const std::optional<QByteArray> bytes = readFile(*file, nullptr);
    if (!bytes || m_spent + bytes->size() > kPageBudget)
        return nothing;
    m_spent += bytes->size();
    switch (type) {
    case ImageResource: {
        const QImage image = QImage::fromData(*bytes);
        return image.isNull() ? nothing : QVariant(image);
    }
    case StyleSheetResource:
    case HtmlResource:
    case MarkdownResource:
        return decoded(*bytes);
    default:
        return nothing;
    }
}
