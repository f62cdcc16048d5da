#pragma once

#include "classoverview.h"

#include <QString>

// The class overview as a PDF of A4 landscape pages inside the printable border: a title line,
// the two header rows (level captions over best time, runs and cleared) on every page, as many
// pupils as a page holds, the medians below the last pupil, and "page / pages" at the foot. The
// file appears whole or not at all; false with the reason (naming the file) in *error otherwise.
namespace classoverviewpdf {

// Pupil rows a page holds below its title and header.
inline constexpr int kRowsPerPage = 30;

// How many pages a table of `rows` pupils takes: the median line needs a place too.
int pageCount(int rows);

bool write(const QString &path, const classoverview::Overview &overview, const QString &title, const QString &dated,
           QString *error);

} // namespace classoverviewpdf
