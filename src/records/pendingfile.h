#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// One record that its log could not take when the run ended, kept to be appended later.
struct PendingEntry
{
    // The log the bytes belong to, by its name in the installation ("data/成績累積データ.dat",
    // "files/成績累積データ家庭用.dat"; see runlog::Log). A log added later gets a name of its own;
    // a program that does not know a name keeps its entries untouched.
    QString log;
    // The record exactly as it is to be appended: the date and time of the run, not of the append.
    QByteArray record;
    // Where an append that may not have finished put the record, in bytes from the start of the
    // log; -1 while no append was begun. Before appending again, the bytes found there tell
    // whether the record already reached the log.
    std::int64_t placedAt = -1;
    QDateTime keptAt;  // when the record was kept (UTC)
    QString reason;    // why the log could not take it, as the system said
};

// The pending file of one installation in one account's data folder. It is always written whole
// (savefile), so it is either the old or the new content, never a mix. Little-endian throughout:
//
//   16 bytes   "tavrel-pending-1"
//   uint32     number of entries
//   text       the installation's program folder, for people reading the list
//   entries    each: text log name; uint32 record size and the record's bytes; int64 placedAt;
//              int64 keptAt in milliseconds since 1970-01-01 UTC; text reason
//   32 bytes   SHA-256 of everything before
//
// where a text is a uint32 byte count followed by that many bytes of UTF-8.
struct PendingFile
{
    QString programFolder;
    std::vector<PendingEntry> entries;

    QByteArray encode() const;

    // The file's content, or nothing (and the reason in `problem`) when the bytes are not a whole
    // pending file: another header, a count or size that runs past the end, a checksum that
    // differs, bytes after the checksum.
    static std::optional<PendingFile> decode(QByteArrayView bytes, QString *problem = nullptr);
};
