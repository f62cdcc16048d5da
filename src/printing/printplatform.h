#pragma once

#include <QString>

struct PrintHandover;

// The printer and the dialogs printing needs, behind one interface so that the preview's logic
// can be driven by tests without a printer or a window: the program uses the system's default
// printer, message boxes and a file dialog; tests record what was asked.
class PrintPlatform
{
public:
    virtual ~PrintPlatform() = default;

    // The system's default printer; empty when there is none.
    virtual QString defaultPrinter() = 0;
    // Prints the sheet on the default printer; an error text, empty when the page was sent.
    virtual QString printOnDefault(const PrintHandover &handover) = 0;
    // Says that there is no printer and asks whether to save the sheet as a PDF instead.
    virtual bool offerPdfInstead(const QString &text) = 0;
    // Asks where to save the PDF; empty when the user cancelled.
    virtual QString choosePdfPath(const QString &suggestedName) = 0;
    virtual void tell(const QString &text) = 0;
};
