#pragma once

#include "installation.h"
#include "recordcallbacks.h"
#include "runlogrecord.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A throw-away folder-mode-1 layout for the record procedures: <root>/drill2/ holds the run log,
// <root>/files/ the home run log. Every level has pass time 100 s, weight 1.5, a first window
// of 7 days and a second of 30, and needs 3 runs and 30 points to be cleared.
class RecordsFixture
{
public:
    RecordsFixture()
    {
        if (!m_dir.isValid())
            ADD_FAILURE() << "no temporary folder";
        QDir(m_dir.path()).mkpath(QStringLiteral("drill2"));
        QDir(m_dir.path()).mkpath(QStringLiteral("files"));
        state.folders.appFolder = m_dir.path() + QStringLiteral("/drill2/");
        state.folders.appFolderName = QStringLiteral("drill2");
        state.folders.dataFolder = state.folders.appFolder;
        state.folders.filesFolder = m_dir.path() + QStringLiteral("/files/");
        state.folders.soundFolder = state.folders.filesFolder;
        state.siteCode = QStringLiteral("01234");
        state.homeUse = true;
        state.productTitle = QStringLiteral("Tavrel");
        for (LevelTiming &t : state.timingTable)
            t = LevelTiming{100, 200, 30, 3, 1.5F, 5.0, 200.0, 7.0, 30.0};
    }

    QString root() const { return m_dir.path(); }
    QString runLog() const { return state.folders.dataFolder + QStringLiteral("成績累積データ.dat"); }
    QString homeRunLog() const { return state.folders.filesFolder + QStringLiteral("成績累積データ家庭用.dat"); }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    // Writes a run log holding these records, as the program writes them.
    void writeRunLog(const QList<RunRecord> &records) const
    {
        QByteArray bytes;
        for (const RunRecord &r : records)
            bytes += r.encode();
        write(runLog(), bytes);
    }

    Installation state;

private:
    QTemporaryDir m_dir;
};

// Callbacks that record what the procedures asked for.
struct CallbackProbe
{
    int waits = 0;
    QStringList fatals;
    std::function<void()> onWait;

    RecordCallbacks callbacks()
    {
        return {[this] {
                    ++waits;
                    if (onWait)
                        onWait();
                },
                [this](const QString &, const QString &text) { fatals << text; }};
    }
};

// A run as the program records it.
inline RunRecord runOn(QDate date, int pupil, int level, std::int32_t time)
{
    return RunRecord::forRun(static_cast<double>(QDate(1899, 12, 30).daysTo(date)), 0.5,
                             static_cast<std::int16_t>(pupil), static_cast<std::int16_t>(level), time,
                             QStringLiteral("01234"));
}
