#pragma once

#include <QImage>
#include <QString>

class PrintPlatform;
struct PrintHandover;

// Everything the print preview shows.
struct PreviewView
{
    QImage sheet;       // the preview box, rendered from the hand-over at the last activation
    bool open = true;   // false once 印刷中止 was pressed
    QString status;     // one line on what the last print or save did
};

// The print preview's logic. It keeps no sheet data of its own: each activation and each print
// draws afresh from the hand-over, which the settings screen owns and may rebuild in between.
class SheetPreview
{
public:
    static inline const QString kNoPrinter =
        QStringLiteral("プリンターが見つかりません。問題用紙をPDFファイルとして保存しますか？");
    static inline const QString kPdfName = QStringLiteral("問題用紙.pdf");

    SheetPreview(const PrintHandover &handover, PrintPlatform &platform);

    void activate(double pixelsPerTwip); // renders the preview box afresh
    void print();                        // 印刷: the default printer, or a PDF when there is none
    void savePdf();                      // PDF保存
    void stop();                         // 印刷中止

    const PreviewView &view() const { return m_view; }

private:
    const PrintHandover &m_handover;
    PrintPlatform &m_platform;
    double m_pixelsPerTwip = 1.0 / 15.0;
    PreviewView m_view;
};
