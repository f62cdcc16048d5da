#pragma once

#include "sheetpreview.h"

#include <QWidget>

class PrintPlatform;
class QLabel;
class QPushButton;
class TwipLayout;
struct PrintHandover;

// "印刷プレビュー": the worksheet in a white box at preview scale, drawn afresh each time the
// window becomes active; "印刷" prints it, "印刷中止" closes the preview, "PDF保存" saves it.
class PrintPreview : public QWidget
{
public:
    PrintPreview(const PrintHandover &handover, PrintPlatform &platform, QWidget *parent = nullptr);

    void activate();   // renders the sheet from the hand-over
    void printSheet(); // 印刷
    void stop();       // 印刷中止
    void savePdf();    // PDF保存

    const SheetPreview &logic() const { return m_logic; }
    QLabel *sheetBox() const { return m_sheet; }
    QLabel *statusLabel() const { return m_status; }
    QPushButton *printButton() const { return m_print; }
    QPushButton *stopButton() const { return m_stop; }
    QPushButton *pdfButton() const { return m_pdf; }

protected:
    bool event(QEvent *event) override;

private:
    void render();

    SheetPreview m_logic;
    TwipLayout *m_layout = nullptr;
    QLabel *m_sheet = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_pdf = nullptr;
};
