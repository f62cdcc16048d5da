#include "chime.h"
#include "clicklabel.h"
#include "fititemdelegate.h"
#include "fitlabel.h"
#include "fontfaces.h"
#include "screenshow.h"
#include "sdlwavplayer.h"
#include "twiplayout.h"
#include "windowpaint.h"

#include <QApplication>
#include <QFile>
#include <QtEndian>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

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

// Of the sizes 8 % apart below the label's own, the fitted one is the largest at which the text
// fits on one line: a readable size, or however far below that where neither more lines nor
// condensed glyphs would fit the box (boxes too low, a text of one long word).
TEST(FitLabel, TakesTheLargestStepThatFits)
{
    struct Case
    {
        QString text;
        QSize box;
        double points;
    };
    const std::vector<Case> cases{
        {QStringLiteral("獲得ポイント（今まで順位）"), {420, 40}, 24},
        {QStringLiteral("名前を選びなさい"), {900, 66}, 39.75},
        {QStringLiteral("最近7日=0回 / 0点"), {60, 14}, 9.75},
        {QStringLiteral("ｽﾀｰﾄ(12)"), {60, 30}, 13.5},
        {QStringLiteral("山田　太郎　１２３４５６７８９０"), {30, 40}, 48},
    };
    for (const Case &c : cases) {
        FitLabel label;
        label.setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 1));
        QFont design = label.font();
        design.setPointSizeF(c.points);
        label.setFont(design);
        label.resize(c.box);
        label.setText(c.text);
        const int room = label.contentsRect().width() - 4;
        const int height = label.contentsRect().height();
        const auto fits = [&](double points) {
            QFont f = design;
            f.setPointSizeF(points);
            const QFontMetricsF metrics(f);
            return metrics.horizontalAdvance(c.text) <= room && metrics.height() <= height;
        };
        double expected = c.points;
        while (expected > 4.0 && !fits(expected))
            expected *= 0.92;
        EXPECT_DOUBLE_EQ(label.fittedFont().pointSizeF(), expected) << c.text.toStdString();
        // Kept while nothing changes, made afresh when the box does.
        EXPECT_DOUBLE_EQ(label.fittedFont().pointSizeF(), expected);
        label.resize(c.box.width() * 2, c.box.height() * 2);
        EXPECT_GE(label.fittedFont().pointSizeF(), expected) << c.text.toStdString();
    }
}

// A line that would have to be drawn below the readable size goes onto more lines where the box
// is high enough for them (the level screen's pupil line), or else is condensed (the drill's
// name box): a 20-character name stays readable either way.
TEST(FitLabel, KeepsALongNameReadableByWrappingOrCondensingIt)
{
    const QString name = QStringLiteral("ウィルヘルミーナ・ファン・デル・ベルグス");
    struct Case
    {
        QSize box;
        double points;
        bool wraps;
    };
    for (const Case &c : {Case{{180, 32}, 14.25, false}, Case{{220, 54}, 11.25, true}}) {
        FitLabel label(name);
        label.setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 1));
        QFont design = label.font();
        design.setPointSizeF(c.points);
        label.setFont(design);
        label.resize(c.box);
        const QFont fitted = label.fittedFont();
        EXPECT_EQ(label.fittedWraps(), c.wraps) << c.box.width();
        EXPECT_GE(QFontInfo(fitted).pixelSize(), FitLabel::kReadablePixels) << c.box.width();
        const QFontMetricsF metrics(fitted);
        const QSizeF room = label.contentsRect().size() - QSize(4, 0);
        const QSizeF need = c.wraps ? metrics.boundingRect(QRectF(QPointF(), room), Qt::TextWordWrap, name).size()
                                    : QSizeF(metrics.horizontalAdvance(name), metrics.height());
        EXPECT_LE(need.width(), room.width()) << c.box.width();
        EXPECT_LE(need.height(), room.height()) << c.box.width();
        if (!c.wraps) {
            EXPECT_GE(fitted.stretch(), FitLabel::kNarrowestStretch);
        }
    }

    // A short name stays on one line at its size.
    FitLabel shortName(QStringLiteral("山田花子"));
    shortName.setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 14));
    shortName.resize(180, 32);
    EXPECT_FALSE(shortName.fittedWraps());
    EXPECT_EQ(shortName.fittedFont(), shortName.font());
}

// A list row too wide for its list is condensed as far as FitLabel condenses a label, no further;
// one that fits is drawn as it is.
TEST(FitItemDelegate, CondensesARowTooWideForTheListDownToTheNarrowestStretch)
{
    struct Case
    {
        double text;
        double room;
        int stretch;
    };
    for (const Case &c : {Case{800, 880, 100}, Case{880, 880, 100}, Case{900, 880, 97}, Case{1000, 880, 88},
                          Case{2000, 880, FitLabel::kNarrowestStretch}, Case{0, 0, 100}})
        EXPECT_EQ(FitItemDelegate::stretchFor(c.text, c.room), c.stretch) << c.text << " in " << c.room;
}

// Bold comes from the regular face drawn heavier, so that no bold file is mapped; it must still
// look bold.
TEST(FontFaces, BoldIsTheRegularFaceDrawnHeavier)
{
    const auto inkOf = [](const QFont &font) {
        QImage image(200, 80, QImage::Format_Grayscale8);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("山田O.K."));
        }
        qint64 ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += 255 - qGray(image.pixel(x, y));
        return ink;
    };
    for (const QString &face : {fontfaces::gothic(), fontfaces::pGothic(), fontfaces::mincho()}) {
        const QFont regular = fontfaces::make(face, 18);
        const QFont bold = fontfaces::make(face, 18, true);
        EXPECT_EQ(QFontInfo(bold).family(), QFontInfo(regular).family()) << face.toStdString();
        EXPECT_EQ(QFontInfo(bold).styleName(), QFontInfo(regular).styleName()) << face.toStdString();
        EXPECT_GT(inkOf(bold), inkOf(regular) * 11 / 10) << face.toStdString();
    }
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
    EXPECT_EQ(player.play(bad.fileName()).code, SdlWavPlayer::FileDamaged);
}

// A damaged header is refused before anything plays: neither an overflow nor minutes of waiting.
TEST(SdlWavPlayer, RefusesDamagedHeadersAtOnceAndReturnsSoonAfterAClipEnds)
{
    QTemporaryDir dir;
    const QList<qint16> tenth(2205, 1000);
    SdlWavPlayer player;
    for (const quint32 rate : {0x7FFFFFFFu, 100u}) {
        QByteArray bytes = chime::wavFile(tenth, 22050);
        qToLittleEndian<quint32>(rate, bytes.data() + 24);
        QFile f(dir.filePath(QStringLiteral("damaged%1.wav").arg(rate)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        QElapsedTimer timer;
        timer.start();
        const PlayResult result = player.play(f.fileName());
        EXPECT_EQ(result.code, SdlWavPlayer::FileDamaged) << rate;
        EXPECT_TRUE(result.text.contains(QStringLiteral("%1 Hz").arg(rate))) << result.text.toStdString();
        EXPECT_LT(timer.elapsed(), 1000);
    }

    // Clips in two formats through the one output: each returns within its length and a margin.
    const QList<qint16> third(7350, 1000);
    for (const int rate : {22050, 44100}) {
        QFile f(dir.filePath(QStringLiteral("clip%1.wav").arg(rate)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(chime::wavFile(third, rate));
        f.close();
        QElapsedTimer timer;
        timer.start();
        const PlayResult result = player.play(f.fileName());
        EXPECT_EQ(result.code, 0) << result.text.toStdString();
        const qint64 clipMs = 7350 * 1000 / rate;
        EXPECT_GE(timer.elapsed(), clipMs - 20) << rate;
        EXPECT_LT(timer.elapsed(), clipMs + 300) << rate;
    }
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

// Mouse events as a label receives them; a double-click reaches a widget as press, release,
// double-click (in place of the second press) and release.
enum class Mouse { Press, Release, ReleaseOutside, DoubleClick, RightPress, RightRelease };

struct ClickCase
{
    const char *name;
    std::vector<Mouse> events;
    int clicks;
};

class ClickLabelClicks : public testing::TestWithParam<ClickCase>
{
};

TEST_P(ClickLabelClicks, AnswerOnceForEachPressAndReleaseOnTheLabel)
{
    ClickLabel label;
    label.resize(200, 60);
    label.show();
    QSignalSpy clicked(&label, &ClickLabel::clicked);
    const QPointF inside(100, 30);
    const QPointF outside(260, 30);
    for (const Mouse m : GetParam().events) {
        const bool right = m == Mouse::RightPress || m == Mouse::RightRelease;
        const Qt::MouseButton button = right ? Qt::RightButton : Qt::LeftButton;
        QEvent::Type type = QEvent::MouseButtonPress;
        if (m == Mouse::Release || m == Mouse::ReleaseOutside || m == Mouse::RightRelease)
            type = QEvent::MouseButtonRelease;
        else if (m == Mouse::DoubleClick)
            type = QEvent::MouseButtonDblClick;
        const QPointF at = m == Mouse::ReleaseOutside ? outside : inside;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent event(type, at, label.mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&label, &event);
    }
    EXPECT_EQ(clicked.count(), GetParam().clicks);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ClickLabelClicks,
    testing::Values(ClickCase{"press_only", {Mouse::Press}, 0},
                    ClickCase{"press_and_release", {Mouse::Press, Mouse::Release}, 1},
                    ClickCase{"released_elsewhere", {Mouse::Press, Mouse::ReleaseOutside}, 0},
                    ClickCase{"release_without_press", {Mouse::Release}, 0},
                    ClickCase{"double_click", {Mouse::Press, Mouse::Release, Mouse::DoubleClick, Mouse::Release}, 1},
                    ClickCase{"two_clicks", {Mouse::Press, Mouse::Release, Mouse::Press, Mouse::Release}, 2},
                    ClickCase{"right_button", {Mouse::RightPress, Mouse::RightRelease}, 0}),
    [](const auto &tp) { return std::string(tp.param.name); });

} // namespace

namespace {

// Counts its paints.
class PaintedWidget : public QWidget
{
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

TEST(PaintWindowNow, PaintsAWindowShownJustNowAndRunsNoTimer)
{
    PaintedWidget window;
    window.resize(200, 100);
    int ticks = 0;
    QTimer due;
    due.setInterval(0);
    QObject::connect(&due, &QTimer::timeout, [&] { ++ticks; });

    // Hidden, it is not painted and nothing waits.
    due.start();
    paintWindowNow(&window);
    EXPECT_EQ(window.paints, 0);

    window.show();
    paintWindowNow(&window);
    EXPECT_GE(window.paints, 1);
    const int first = window.paints;
    paintWindowNow(&window);
    EXPECT_EQ(window.paints, first + 1);
    EXPECT_EQ(ticks, 0);

    // Back in the event loop, the timer runs.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 1000));
}

// A screen of a few controls, as the program's screens are made.
class SmallScreen : public PaintedWidget
{
public:
    SmallScreen()
    {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(0, 128, 128));
        setPalette(pal);
        text = new QLabel(QStringLiteral("名前を選びなさい"), this);
        text->setFont(fontfaces::make(fontfaces::gothic(), 18));
        text->setGeometry(20, 20, 400, 60);
    }
    QLabel *text = nullptr;
};

// A hidden screen gives back its native window and back buffer; shown again it has both anew and
// comes back as one hidden and shown again without giving them back. A window in sight and a
// widget inside one keep theirs.
TEST(ReleaseHiddenScreen, GivesBackTheWindowOfAHiddenScreenOnlyAndShowsItAgainAsBefore)
{
    SmallScreen released;
    SmallScreen kept;
    for (SmallScreen *screen : {&released, &kept}) {
        showMaximisedScreen(screen);
        paintWindowNow(screen);
        ASSERT_NE(screen->backingStore(), nullptr);
    }

    releaseHiddenScreen(&released);
    releaseHiddenScreen(released.text);
    EXPECT_NE(released.backingStore(), nullptr);
    EXPECT_NE(released.windowHandle(), nullptr);

    released.hide();
    kept.hide();
    releaseHiddenScreen(released.text);
    EXPECT_NE(released.backingStore(), nullptr);
    releaseHiddenScreen(&released);
    EXPECT_EQ(released.backingStore(), nullptr);
    EXPECT_EQ(released.windowHandle(), nullptr);
    EXPECT_NE(kept.backingStore(), nullptr);

    const int paintsBefore = released.paints;
    for (SmallScreen *screen : {&released, &kept}) {
        showMaximisedScreen(screen);
        paintWindowNow(screen);
    }
    ASSERT_NE(released.windowHandle(), nullptr);
    EXPECT_NE(released.backingStore(), nullptr);
    EXPECT_GT(released.paints, paintsBefore);
    EXPECT_TRUE(released.isMaximized());
    EXPECT_EQ(released.geometry(), kept.geometry());
    EXPECT_EQ(released.grab().toImage(), kept.grab().toImage());
}

} // namespace
