#pragma once

#include "reportlayout.h"

#include <QWidget>

// The report panel's drawing canvas: shows one report page drawn as on paper, in the canvas's
// own size.
class ReportCanvas : public QWidget
{
public:
    explicit ReportCanvas(QWidget *parent = nullptr);

    void showPage(ReportPage page);
    void clear();
    const ReportPage &page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ReportPage m_page;
};
