#include "helpwindow.h"

#include "fontfaces.h"
#include "helpdocument.h"
#include "twiplayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

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
    m_document = new HelpDocument(m_browser);
    m_browser->setDocument(m_document);
    // Links are followed here, and only within the page's folder (HelpDocument).
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    layout->addWidget(m_browser);
    m_closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    m_closeButton->setDefault(true);
    layout->addWidget(m_closeButton, 0, Qt::AlignRight);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::close);
    load(pagePath);
}

void HelpWindow::load(const QString &pagePath)
{
    const QString error = m_document->loadPage(pagePath);
    if (!error.isEmpty())
        m_browser->setPlainText(QStringLiteral("ヘルプのページ %1 を開けません（%2）。先生に知らせてください。")
                                    .arg(QDir::toNativeSeparators(pagePath), error));
}

void HelpWindow::followLink(const QUrl &link)
{
    if (link.hasFragment() && link.adjusted(QUrl::RemoveFragment).isEmpty()) {
        m_browser->scrollToAnchor(link.fragment());
        return;
    }
    const std::optional<QString> page = m_document->fileOf(link.adjusted(QUrl::RemoveFragment));
    if (!page)
        return;
    load(*page);
    if (link.hasFragment())
        m_browser->scrollToAnchor(link.fragment());
}
