#include "largeschool.h"

#include "oadate.h"
#include "questionfile.h"
#include "runlogrecord.h"
#include "sjis.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QtEndian>

#include <cstdint>

namespace largeschool {

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

bool writeSjis(const QString &path, const QString &text)
{
    return writeBytes(path, sjis::encode(text));
}

// 60 ms of a quiet tone, 16-bit mono at 22.05 kHz.
QByteArray shortWav()
{
    constexpr int rate = 22050;
    constexpr int samples = rate * 60 / 1000;
    QByteArray data(samples * 2, '\0');
    for (int i = 0; i < samples; ++i)
        qToLittleEndian<std::int16_t>(static_cast<std::int16_t>((i / 25) % 2 ? 800 : -800), data.data() + 2 * i);
    QByteArray wav;
    const auto u32 = [&wav](std::uint32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    const auto u16 = [&wav](std::uint16_t v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    wav += "RIFF";
    u32(static_cast<std::uint32_t>(36 + data.size()));
    wav += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    wav += "data";
    u32(static_cast<std::uint32_t>(data.size()));
    wav += data;
    return wav;
}

QString questions()
{
    QStringList lines;
    // 17 figures per group, as many as a test level asks.
    for (int i = 1; i <= 17 * 9; ++i)
        lines << QStringLiteral("%1,%2,%3,人物%1,じんぶつ%1,この人物が行ったことの説明%1,二行目の補足%1／ｅｎｄ／")
                     .arg(i)
                     .arg((i - 1) % 9 + 1)
                     .arg(100 + (i * 37) % 1800);
    return lines.join(u'\n');
}

QString roster()
{
    QString text;
    for (int p = 1; p <= kPupils; ++p)
        text += QStringLiteral("%1,%2,0,0,\"%3\",0,\"%4\",\"%4\"\r\n")
                    .arg(p)
                    .arg(2008 + p % 12)
                    .arg(QStringLiteral("生徒%1　名前").arg(p).leftJustified(20, u' '), QString(20, u' '));
    return text;
}

// Runs over the last two years at every level, a tenth of them today, one in fifty timed out.
QByteArray runLog(int records)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records) * RunRecord::kSize);
    std::uint32_t seed = 20240308;
    const auto next = [&seed](std::uint32_t range) {
        seed = seed * 1664525U + 1013904223U;
        return (seed >> 8) % range;
    };
    const double today = oadate::fromDate(QDate::currentDate());
    for (int i = 0; i < records; ++i) {
        // The newest runs are today's, as at a school in the middle of a day.
        const bool isToday = i >= records - records / 10;
        const double date = isToday ? today : today - 1 - next(730);
        const auto pupil = static_cast<std::int16_t>(1 + next(kPupils));
        const auto level = static_cast<std::int16_t>(1 + next(18));
        const std::int32_t time = i % 50 == 0 ? 99999 : static_cast<std::int32_t>(40 + next(600));
        const double clock = (8 * 3600 + next(10 * 3600)) / oadate::kSecondsPerDay;
        bytes += RunRecord::forRun(date, clock, pupil, level, time, QStringLiteral("01234")).encode();
    }
    return bytes;
}

} // namespace

QString write(const QString &root, int records)
{
    const QString program = root + QStringLiteral("/tavrel/");
    const QString files = root + QStringLiteral("/files/");
    QDir().mkpath(program);
    QDir().mkpath(files);
    QString timing = QStringLiteral("0,0,9999,0,0,0,0,7,30,0,0,0\r\n");
    for (int level = 1; level <= 18; ++level)
        timing += level % 2 ? QStringLiteral("120,180,9999,0,0,0,0,7,30,0,0,0\r\n")
                            : QStringLiteral("160,250,300,3,1,5,200,7,30,0,0,0\r\n");
    QString soundTable;
    const QStringList kinds = {QStringLiteral("正解音1"),     QStringLiteral("正解音2"),     QStringLiteral("間違い音1"),
                               QStringLiteral("間違い音2"),   QStringLiteral("最高音1"),     QStringLiteral("最高音2"),
                               QStringLiteral("自己最高音1"), QStringLiteral("自己最高音2"), QStringLiteral("自己最高音3"),
                               QStringLiteral("不合格音1")};
    for (const QString &kind : kinds)
        soundTable += kind + QStringLiteral(",音,*\r\n");

    bool ok = writeSjis(program + QStringLiteral("設定.txt"), QStringLiteral("1,0,0,0,0,0,0,0,0,0"))
              && writeSjis(program + QStringLiteral("タイム回数データ.txt"), timing)
              && writeSjis(files + QStringLiteral("共通データ.txt"), QStringLiteral("4,\"01234みどり小学校\",0,0,0,0,0,0,0,0"))
              && writeSjis(files + QStringLiteral("新音ファイル.txt"), soundTable)
              && writeBytes(files + QStringLiteral("音.wav"), shortWav())
              && writeBytes(files + QStringLiteral("最高1.wav"), shortWav())
              && writeBytes(files + QStringLiteral("合格.wav"), shortWav())
              && writeSjis(files + QStringLiteral("生徒用名簿.txt"), roster())
              && writeBytes(program + QStringLiteral("Morvidかな0vv.ccc"), questionfile::scramble(questions()).stored);
    const QString log = program + QStringLiteral("成績累積データ.dat");
    if (ok && QFileInfo(log).size() != static_cast<qint64>(records) * RunRecord::kSize)
        ok = writeBytes(log, runLog(records));
    return ok ? program : QString();
}

} // namespace largeschool
