#pragma once

#include "printhandover.h"
#include "printplatform.h"

#include <QList>
#include <QString>
#include <QStringList>

// A printer that keeps each sheet it is sent (or has none), and dialogs answered in advance.
class FakePrintPlatform : public PrintPlatform
{
public:
    QString defaultPrinter() override { return printer; }
    QString printOnDefault(const PrintHandover &handover) override
    {
        printed.append(handover);
        return printError;
    }
    bool offerPdfInstead(const QString &text) override
    {
        offers.append(text);
        return acceptPdf;
    }
    QString choosePdfPath(const QString &suggestedName) override
    {
        suggestedNames.append(suggestedName);
        return pdfPath;
    }
    void tell(const QString &text) override { told.append(text); }

    QString printer;        // empty: no printer
    QString printError;     // what printing answers
    bool acceptPdf = false; // the answer to "save as PDF instead?"
    QString pdfPath;        // the answer of the file dialog; empty: cancelled
    QList<PrintHandover> printed;
    QStringList offers;
    QStringList suggestedNames;
    QStringList told;
};
