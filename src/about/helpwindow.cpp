#include "helpwindow.h"

#include "fontfaces.h"
#include "sjis.h"
#include "systemerror.h"
#include "twiplayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cerrno>

namespace {

QString decoded(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? sjis::decode(bytes) : text;
}

} // namespace

HelpWindow::HelpWindow(const QString &pagePath, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ヘルプ"));
    setWindowModality(Qt::WindowModal);
    // Sized for the screen the program is on, with the designed fonts scaled as the screens are.
    const double scale = TwipLayout::screenScale(parent ? parent->screen() : screen());
    setFont(fontfaces::make(fontfaces::pGothic(), 12 * scale));
    resize(static_cast<int>(760 * scale), static_cast<int>(600 * scale));

    auto *layout = new QVBoxLayout(this);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser);
    m_closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    m_closeButton->setDefault(true);
    layout->addWidget(m_closeButton, 0, Qt::AlignRight);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);
    load(pagePath);
}

void HelpWindow::load(const QString &pagePath)
{
    QFile page(pagePath);
    errno = 0;
    if (!page.open(QIODevice::ReadOnly)) {
        m_browser->setPlainText(QStringLiteral("ヘルプのページ %1 を開けません（%2）。先生に知らせてください。")
                                    .arg(QDir::toNativeSeparators(pagePath), systemerror::describe(page, errno)));
        return;
    }
    const QString text = decoded(page.readAll());
    // Pictures and links of the page are found beside it.
    m_browser->setSearchPaths({QFileInfo(pagePath).absolutePath()});
    if (Qt::mightBeRichText(text))
        m_browser->setHtml(text);
    else
        m_browser->setPlainText(text);
}
