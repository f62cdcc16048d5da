#include "systemprintplatform.h"

#include "sheetoutput.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {
const QString kTitle = QStringLiteral("印刷");
} // namespace

QString SystemPrintPlatform::defaultPrinter()
{
    return QPrinterInfo::defaultPrinterName();
}

QString SystemPrintPlatform::printOnDefault(const PrintHandover &handover)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return QStringLiteral("プリンターが見つかりません。");
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("問題用紙"));
    return sheetoutput::print(handover, printer);
}

bool SystemPrintPlatform::offerPdfInstead(const QString &text)
{
    return QMessageBox::question(QApplication::activeWindow(), kTitle, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes)
        == QMessageBox::Yes;
}

QString SystemPrintPlatform::choosePdfPath(const QString &suggestedName)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("PDF保存"),
                                                QDir(folder).filePath(suggestedName),
                                                QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return path;
}

void SystemPrintPlatform::tell(const QString &text)
{
    QMessageBox::warning(QApplication::activeWindow(), kTitle, text);
}
