#pragma once

#include "datafileerror.h"
#include "rosterentry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

struct Folders;

// The roster file "生徒用名簿.txt" as read from disk: Shift-JIS, one pupil per line, eight values
// read with the program's quoted comma-separated rules.
//
// Each line is read on its own, so a damaged line costs only that pupil: a line with other than
// eight values, an unclosed quote, a roster number that is not a whole number from 1 to 5000, or a
// birth year or list flag that is not a whole number from −32768 to 32767 is reported in
// problems() and yields no entry. Blank lines hold no pupil and are passed over silently.
//
// Every non-blank line keeps its bytes, so that a rewrite can leave the lines it does not edit
// exactly as they were, damaged ones included.
class RosterFile
{
public:
    struct Line
    {
        int number = 0;    // 1-based line of the file
        QByteArray bytes;  // without its line end
        std::optional<RosterEntry> entry;
        bool edited = false; // written from entry rather than from bytes
    };

    static QString path(const Folders &folders);       // filesFolder + "生徒用名簿.txt"
    static QString backupPath(const Folders &folders); // filesFolder + "生徒用名簿temp.txt"

    // Never throws. A file that does not exist reads as empty with found() false and no problem;
    // one that exists but cannot be read reads as empty with the reason in problems().
    static RosterFile read(const QString &filePath);
    static RosterFile parse(QByteArrayView bytes, const QString &filePath);

    const QString &filePath() const { return m_filePath; }
    bool found() const { return m_found; }
    const std::vector<Line> &lines() const { return m_lines; }
    const std::vector<DataFileError> &problems() const { return m_problems; }

    // The entry of the index-th line that reads as a pupil (0-based, in file order), or null.
    const RosterEntry *entry(int index) const;
    // Replaces that entry; its line is then written from the entry. False when there is none.
    bool replaceEntry(int index, const RosterEntry &entry);
    // Adds a pupil after the last line, written from the entry.
    void appendEntry(const RosterEntry &entry);

    // The whole file as this system writes it: one line per non-blank line read, each ended by
    // CR LF; edited lines in the writer's format, all others with the bytes they were read with.
    QByteArray encode() const;

private:
    std::optional<std::size_t> entryLine(int index) const;

    QString m_filePath;
    bool m_found = false;
    std::vector<Line> m_lines;
    std::vector<DataFileError> m_problems;
};
