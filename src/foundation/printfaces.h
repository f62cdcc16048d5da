#pragma once

#include <QString>
#include <QStringList>

// The faces every worksheet and report is drawn with, on paper, in PDF files and in their
// previews: copies of the installed Noto CJK faces (made by the build, tools/printface) in which
// each glyph belongs to one character only, so that the text of a PDF reads back as it was drawn.
// Noto draws 人 and the radical ⼈ with one glyph, and the PDF writer names a glyph by the lowest
// character mapped to it. Text is drawn with the print face first and the original face behind
// it (families()), which draws the characters the print face leaves out with the same glyphs.
namespace printfaces {

inline const QString kGothic = QStringLiteral("Tavrel Print Gothic");
inline const QString kGothicMono = QStringLiteral("Tavrel Print Gothic Mono");
inline const QString kFileName = QStringLiteral("tavrel-print.ttc");

// Where the program looks for the faces: "fonts" beside the executable (the build tree) and the
// installed share folder ("../share/tavrel/fonts" from it).
QStringList folders(const QString &executableFolder);

// Registers the faces from the first folder that holds them; false when none does (text is then
// drawn with the installed faces alone and may read back as look-alike characters).
bool install(const QStringList &folders);

// The families a sheet or a report draws with: the print face, then the installed faces.
QStringList gothicFamilies();
QStringList gothicMonoFamilies();

} // namespace printfaces
