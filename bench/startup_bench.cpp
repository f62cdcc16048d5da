// Start-up to the first painted start screen, on a complete folder-mode-1 installation with a
// roster of 40 pupils.
#include "silentpresenter.h"
#include "startscreen.h"
#include "program.h"
#include "realservices.h"
#include "sjis.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Notices the first paint of the start screen or anything on it.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && dynamic_cast<StartScreen *>(static_cast<QWidget *>(watched)->window()))
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void writeSjis(const QString &path, const QString &text)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(sjis::encode(text));
}

void BM_StartupToFirstPaint(benchmark::State &state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("tavrel"));
    QDir(dir.path()).mkpath(QStringLiteral("files"));
    const QString program = dir.path() + QStringLiteral("/tavrel/");
    writeSjis(program + QStringLiteral("設定.txt"), QStringLiteral("1,0,0,0,0,0,0,0,0,0"));
    writeSjis(dir.path() + QStringLiteral("/files/共通データ.txt"),
              QStringLiteral("4,\"01234みどり小学校\",0,0,0,0,0,0,0,0"));
    QString timing = QStringLiteral("0,0,9999,0,0,0,0,7,30,0,0,0\r\n");
    for (int level = 1; level <= 18; ++level)
        timing += QStringLiteral("150,240,300,3,1,5,200,7,30,0,0,0\r\n");
    writeSjis(program + QStringLiteral("タイム回数データ.txt"), timing);
    writeSjis(dir.path() + QStringLiteral("/files/新音ファイル.txt"),
              QStringLiteral("正解音2,a,b,*\r\n間違い音1,c,*\r\n間違い音2,d,*\r\n自己最高音2,e,*\r\n不合格音1,f,*\r\n"));

    QString roster;
    for (int pupil = 1; pupil <= 40; ++pupil)
        roster += QStringLiteral("%1,%2,0,0,\"%3\",0,\"%4\",\"%4\"\r\n")
                      .arg(pupil)
                      .arg(2011 + pupil % 6)
                      .arg(QStringLiteral("生徒%1").arg(pupil).leftJustified(20), QString(20, u' '));
    writeSjis(dir.path() + QStringLiteral("/files/生徒用名簿.txt"), roster);

    RealServices real;
    for (auto _ : state) {
        SilentPresenter messages;
        PaintWatch watch;
        qApp->installEventFilter(&watch);
        Program p(program, real.services(), messages);
        if (p.start() != 0) {
            state.SkipWithError(messages.last.toStdString().c_str());
            break;
        }
        while (!watch.painted)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        qApp->removeEventFilter(&watch);
    }
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
