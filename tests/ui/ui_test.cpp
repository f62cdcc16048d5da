#include "chime.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "sdlwavplayer.h"
#include "twiplayout.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(TwipLayout, ScalesUniformlyAndLetterboxes)
{
    QWidget host;
    TwipLayout layout(&host);
    auto *label = new QLabel(QStringLiteral("あ"), layout.canvas());
    layout.place(label, QRect(1500, 3000, 1500, 750), QFont(QStringLiteral("Noto Sans CJK JP"), 12));

    host.resize(1024, 768);
    host.show();
    EXPECT_DOUBLE_EQ(layout.scale(), 1.0);
    EXPECT_EQ(layout.canvas()->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(label->geometry(), QRect(100, 200, 100, 50));

    // A wide window: scaled by its height, centred with bars left and right.
    host.resize(2048, 1152);
    EXPECT_DOUBLE_EQ(layout.scale(), 1.5);
    EXPECT_EQ(layout.canvas()->geometry(), QRect(256, 0, 1536, 1152));
    EXPECT_EQ(label->geometry(), QRect(150, 300, 150, 75));
    EXPECT_NEAR(QFontInfo(label->font()).pixelSize(), 12 * 96 / 72 * 1.5, 1.0);
}

TEST(FitLabel, ShrinksOnlyTextThatWouldBeCutOff)
{
    FitLabel label;
    label.setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 36));
    // Tall enough for a line of the face (its line is about 1.45 em high).
    label.resize(300, 80);
    label.setText(QStringLiteral("山田"));
    EXPECT_EQ(label.fittedFont(), label.font());

    label.setText(QStringLiteral("獲得ポイント：55点×1.5→82点"));
    const QFont fitted = label.fittedFont();
    EXPECT_LT(fitted.pointSizeF(), label.font().pointSizeF());
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(label.text()), label.contentsRect().width());

    // A short text in a box too low for the face loses no strokes either.
    label.resize(300, 50);
    label.setText(QStringLiteral("山田"));
    const QFont lower = label.fittedFont();
    EXPECT_LT(lower.pointSizeF(), label.font().pointSizeF());
    EXPECT_LE(QFontMetricsF(lower).height(), label.contentsRect().height());
}

TEST(FontFaces, WindowsFacesMapToInstalledJapaneseFaces)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &face : {fontfaces::gothic(), fontfaces::pGothic(), fontfaces::mincho()}) {
        const QString chosen = fontfaces::resolve(face);
        EXPECT_TRUE(installed.contains(chosen)) << chosen.toStdString();
        EXPECT_TRUE(QFontDatabase::writingSystems(chosen).contains(QFontDatabase::Japanese))
            << chosen.toStdString();
    }
    EXPECT_NE(fontfaces::resolve(fontfaces::mincho()), fontfaces::resolve(fontfaces::pGothic()));
}

TEST(SdlWavPlayer, PlaysAGeneratedWaveToItsEndAndReportsMissingFiles)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/音.wav");
    {
        QList<qint16> samples(2205, 0);
        for (qsizetype i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<qint16>((i % 50) * 200 - 5000);
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(chime::wavFile(samples, 22050));
    }
    SdlWavPlayer player;
    const PlayResult ok = player.play(path);
    EXPECT_EQ(ok.code, 0) << ok.text.toStdString();

    const PlayResult missing = player.play(dir.path() + QStringLiteral("/none.wav"));
    EXPECT_NE(missing.code, 0);
    EXPECT_TRUE(missing.text.contains(QStringLiteral("none.wav")));

    QFile bad(dir.path() + QStringLiteral("/bad.wav"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a wave file");
    bad.close();
    EXPECT_EQ(player.play(bad.fileName()).code, SdlWavPlayer::FileUnreadable);
}

TEST(Chime, EveryDemoSoundRenders)
{
    for (const char *kind : {"correct", "correct2", "wrong", "wrongyear", "best", "ownbest", "pass", "fail"}) {
        const QByteArray wav = chime::render(QString::fromLatin1(kind));
        EXPECT_GT(wav.size(), 44 + 2000) << kind;
        EXPECT_TRUE(wav.startsWith("RIFF")) << kind;
    }
    EXPECT_TRUE(chime::render(QStringLiteral("nothing")).isEmpty());
}

} // namespace
