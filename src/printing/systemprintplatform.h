#pragma once

#include "printplatform.h"

// The system's default printer (CUPS on Linux), message boxes and the file dialog, each shown
// over the active window.
class SystemPrintPlatform : public PrintPlatform
{
public:
    QString defaultPrinter() override;
    QString printOnDefault(const PrintHandover &handover) override;
    bool offerPdfInstead(const QString &text) override;
    QString choosePdfPath(const QString &suggestedName) override;
    void tell(const QString &text) override;
};
