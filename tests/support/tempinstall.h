#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A throw-away installation in a temporary folder, laid out as a school installs the program:
//   <root>/<programName>/  the program folder (設定.txt, タイム回数データ.txt, ...)
//   <root>/files/          the shared files folder of folder mode 1
//   <root>/音フォルダ/      the sound folder of the other folder mode
class TempInstall
{
public:
    explicit TempInstall(const QString &programName = QStringLiteral("drill2"));

    QString root() const;
    QString programFolder() const; // ends with '/'
    QString filesFolder() const;   // ends with '/'

    // Writes text (given in UTF-8 source form) as a Shift-JIS file at a path under root().
    void writeText(const QString &relativePath, const QString &text) const;
    void writeBytes(const QString &relativePath, const QByteArray &bytes) const;
    void remove(const QString &relativePath) const;

    // A complete, valid folder-mode-1 installation: settings, common data, 18 timed levels and
    // a sound table (without .wav files).
    void writeValidMode1() const;

    // Every file and folder below root(), sorted: compared before and after an operation to show
    // that nothing was written.
    QStringList listing() const;

    static QString validTimingTable();
    static QString validSoundTable();

private:
    QTemporaryDir m_dir;
    QString m_programName;
};
