#include "printdialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

QString BoxPrintDialogs::offerPdf(const QString &suggestedName)
{
    const auto answer = QMessageBox::question(
        m_parent, QStringLiteral("印刷"),
        QStringLiteral("プリンターが見つかりません。\nPDFファイルに保存しますか？"), QMessageBox::Yes | QMessageBox::No,
        QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return {};
    return QFileDialog::getSaveFileName(m_parent, QStringLiteral("PDFファイルに保存"),
                                        QDir::home().filePath(suggestedName), QStringLiteral("PDF (*.pdf)"));
}

void BoxPrintDialogs::showFailure(const QString &text)
{
    QMessageBox::warning(m_parent, QStringLiteral("印刷"), text);
}
