#pragma once

#include "reportlayout.h"

#include <QPrinterInfo>

#include <functional>
#include <vector>

class PrintDialogs;

// Prints the pupil report on the default printer, A4 portrait, a page per report page. Without
// a printer the user is told and may save the pages as a PDF file instead.
class ReportPrinter
{
public:
    using PrinterLookup = std::function<QPrinterInfo()>;

    explicit ReportPrinter(PrintDialogs &dialogs, PrinterLookup defaultPrinter = &QPrinterInfo::defaultPrinter);

    enum class Outcome {
        Printed,
        SavedAsPdf,
        Declined, // no printer, and the user chose not to save a PDF
        Failed,   // the failure has been shown
    };
    Outcome print(const std::vector<ReportPage> &pages, const QString &title);

private:
    PrintDialogs &m_dialogs;
    PrinterLookup m_defaultPrinter;
};
