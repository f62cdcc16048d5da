#pragma once

#include <QString>

class QWidget;

// What printing asks of the user. The program shows dialogs; tests answer in code.
class PrintDialogs
{
public:
    virtual ~PrintDialogs() = default;
    // There is no printer: says so and offers to save the pages as a PDF file instead. The
    // chosen file, or empty when the user declines.
    virtual QString offerPdf(const QString &suggestedName) = 0;
    virtual void showFailure(const QString &text) = 0;
};

// Message boxes and the save-file dialog, over the given window.
class BoxPrintDialogs : public PrintDialogs
{
public:
    explicit BoxPrintDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    QString offerPdf(const QString &suggestedName) override;
    void showFailure(const QString &text) override;

private:
    QWidget *m_parent = nullptr;
};
