#pragma once

#include <QPdfDocument>
#include <QString>

#include <gtest/gtest.h>

// The text of a PDF as a reader finds it (QtPdf, the engine Chromium uses), for tests that check
// that what was drawn reads back as drawn.
namespace pdftext {

// One page's text, or every page's one after the other when page is -1.
inline QString of(const QString &path, int page = -1)
{
    QPdfDocument document;
    EXPECT_EQ(document.load(path), QPdfDocument::Error::None) << path.toStdString();
    QString text;
    for (int p = page < 0 ? 0 : page; p < (page < 0 ? document.pageCount() : page + 1); ++p)
        text += document.getAllText(p).text();
    return text;
}

// Text without blanks and line breaks: the reader puts its own between the pieces drawn.
inline QString compact(QString text)
{
    text.remove(QChar::Space).remove(QChar(0x3000)).remove(u'\n').remove(u'\r').remove(u'\t');
    return text;
}

// The first character of the CJK radical blocks (U+2E80-U+2FDF), which look like ideographs and
// are what a PDF of a face that shares their glyphs gives back for 人, 長, 文 ...; null when none.
inline QChar radicalIn(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x2E80 && c.unicode() <= 0x2FDF)
            return c;
    }
    return {};
}

} // namespace pdftext
