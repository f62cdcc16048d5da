#pragma once

#include "installation.h"
#include "oadate.h"
#include "runlogrecord.h"
#include "sjis.h"
#include "tempinstall.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

// A throw-away folder-mode-1 installation for the roster: the roster and its backup live in
// files/, the run log in the program folder. Every level has pass time 100 s and weight 1, so a
// 50-second run earns 11 points and a 100-second run 5.
class RosterFixture
{
public:
    RosterFixture()
    {
        state.folders.appFolder = m_install.programFolder();
        state.folders.appFolderName = QStringLiteral("drill2");
        state.folders.dataFolder = m_install.programFolder();
        state.folders.filesFolder = m_install.filesFolder();
        state.folders.soundFolder = m_install.filesFolder();
        state.yearStartMonth = 4;
        state.siteCode = QStringLiteral("01234");
        for (LevelTiming &t : state.timingTable)
            t = LevelTiming{100, 200, 30, 3, 1.0F, 5.0, 200.0, 7.0, 30.0};
    }

    QString rosterPath() const { return state.folders.filesFolder + QStringLiteral("生徒用名簿.txt"); }
    QString backupPath() const { return state.folders.filesFolder + QStringLiteral("生徒用名簿temp.txt"); }
    QString runLogPath() const { return state.folders.dataFolder + QStringLiteral("成績累積データ.dat"); }

    // Lines given in UTF-8 source form, written in Shift-JIS, each ended by CR LF.
    static QByteArray rosterBytes(const QStringList &lines)
    {
        QByteArray bytes;
        for (const QString &line : lines)
            bytes += sjis::encode(line) + "\r\n";
        return bytes;
    }

    void writeRoster(const QStringList &lines) const { writeFile(rosterPath(), rosterBytes(lines)); }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // One run-log record as the program writes it, at ten in the morning of `date`.
    static QByteArray run(QDate date, int pupil, int level, int seconds)
    {
        return RunRecord::forRun(oadate::fromDate(date), oadate::timeOfDay(QTime(10, 0)),
                                 static_cast<std::int16_t>(pupil), static_cast<std::int16_t>(level), seconds,
                                 QStringLiteral("01234"))
            .encode();
    }

    // A roster line in the format this system writes.
    static QString line(int no, int birthYear, const QString &name, int listFlag = 0)
    {
        return QStringLiteral("%1,%2,0,0,\"%3\",%4,\"%5\",\"%5\"")
            .arg(no)
            .arg(birthYear)
            .arg(name.leftJustified(20, u' '))
            .arg(listFlag)
            .arg(QString(20, u' '));
    }

    Installation state;

private:
    TempInstall m_install;
};
