// Every character the data files can hold (code page 932) reads back from a PDF as the character
// drawn, in both print faces: the worksheet's and the report's.
#include "pdftext.h"
#include "printfaces.h"
#include "sjis.h"
#include "testnames.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The printable characters of code page 932 in code order, blanks and the user-defined area left
// out.
QString codePage932()
{
    QByteArray bytes;
    for (int b = 0x21; b <= 0x7E; ++b)
        bytes += static_cast<char>(b);
    for (int b = 0xA1; b <= 0xDF; ++b)
        bytes += static_cast<char>(b);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            const QString decoded = sjis::decode(QByteArrayView(pair, 2));
            // The user-defined area decodes to private-use characters, which no face has.
            if (decoded.size() == 1 && decoded != QChar(QChar::ReplacementCharacter) && !decoded.at(0).isSpace()
                && decoded.at(0).category() != QChar::Other_PrivateUse)
                bytes.append(pair, 2);
        }
    }
    return sjis::decode(bytes);
}

class PrintFaces : public testing::TestWithParam<bool>
{
};

TEST_P(PrintFaces, EveryCodePage932CharacterReadsBackAsDrawn)
{
    const bool mono = GetParam();
    ASSERT_TRUE(QFontDatabase::families().contains(mono ? printfaces::kGothicMono : printfaces::kGothic))
        << "the print faces are missing (the build makes them with python3-fonttools)";
    const QString all = codePage932();
    ASSERT_GT(all.size(), 7000);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("all.pdf"));
    constexpr int kPerLine = 40;
    constexpr int kLinesPerPage = 60;
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        QPainter painter(&writer);
        QFont font;
        font.setFamilies(mono ? printfaces::gothicMonoFamilies() : printfaces::gothicFamilies());
        font.setPointSizeF(8);
        painter.setFont(font);
        const double pitch = writer.height() / (kLinesPerPage + 1.0);
        int line = 0;
        for (qsizetype at = 0; at < all.size(); at += kPerLine, ++line) {
            if (line == kLinesPerPage) {
                writer.newPage();
                line = 0;
            }
            painter.drawText(QPointF(0, pitch * (line + 1)), all.mid(at, kPerLine));
        }
    }
    const QString read = pdftext::compact(pdftext::of(path));
    ASSERT_EQ(read.size(), all.size()) << read.toStdString();
    int wrong = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (read.at(i) != all.at(i) && ++wrong <= 20)
            ADD_FAILURE() << "U+" << QString::number(all.at(i).unicode(), 16).toStdString() << " " << QString(all.at(i)).toStdString()
                          << " reads back as U+" << QString::number(read.at(i).unicode(), 16).toStdString() << " "
                          << QString(read.at(i)).toStdString();
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(Faces, PrintFaces, testing::Values(false, true),
                         testname::from([](bool mono) { return mono ? "gothic_mono" : "gothic"; }));

} // namespace
