#pragma once

#include "reportlayout.h"

#include <QString>

#include <vector>

// Writes the report as a PDF of A4 portrait pages, a page per report page. The file appears
// only when it was written whole: a failure leaves an existing file as it was and no new one.
// False with the reason in *error (naming the file) otherwise.
bool writeReportPdf(const QString &path, const std::vector<ReportPage> &pages, const QString &title, QString *error);
