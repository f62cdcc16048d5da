#include "computestats.h"

#include "installation.h"
#include "oadate.h"
#include "recordcallbacks.h"
#include "recordfile.h"
#include "runlog.h"
#include "runstats.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

class Text
{
    Q_DECLARE_TR_FUNCTIONS(ComputeStats)
};

// The procedure's label, with which its failures begin.
QString loadLabel()
{
    return Text::tr("Run log load");
}

constexpr int kMissingFolderTries = 4;
constexpr int kMissingFolderWaitSeconds = 5;

// Stages of reading the log, shown in failure messages.
enum Stage : int { kOpening = 1, kLocking = 2, kReading = 3, kRecords = 4 };

QString dateText(double days)
{
    const QDate d = oadate::toDate(days);
    return d.isValid() ? d.toString(QStringLiteral("yyyy/MM/dd")) : QString::number(days);
}

QString clockText(double days)
{
    const QTime t = oadate::toTime(days);
    return t.isValid() ? t.toString(QStringLiteral("HH:mm:ss")) : QString::number(days);
}

// The values of the record being processed, so that a teacher can find it in the log.
QString rowDump(const RunRow &row, std::int64_t position, int stage)
{
    return QStringLiteral("/date%1/i=%2/time=%3/name=/Bangou=%4/level=%5/time=%6line%7")
        .arg(dateText(row.date))
        .arg(position)
        .arg(clockText(row.clock))
        .arg(row.pupil)
        .arg(row.level)
        .arg(row.time)
        .arg(stage);
}

QString failureText(int stage, const FileError &e, const RunRow &row, std::int64_t position)
{
    return QStringLiteral("%1 %2 %3 %4").arg(loadLabel()).arg(stage).arg(e.number).arg(e.description)
           + rowDump(row, position, stage);
}

bool reportOutOfRange(const Installation &state, const RunStats::OutOfRange &bad, const RecordCallbacks &callbacks)
{
    const FileError e{Text::tr("pupil number or level out of range"), 9};
    callbacks.fatal(state.productTitle, failureText(kRecords, e, bad.row, bad.recordNo));
    return false;
}

// Rebuilds the figures from the run log: opens it, takes the shared lock, and hands its length,
// a reader and the file's identity (when the system gives it) to `rebuild` (RunStats'
// loadRecords or refreshRecords), which reads it piece by piece. Failures are reported through callbacks.fatal once the file is closed.
template <typename Rebuild>
bool rebuildFromRunLog(const Installation &state, const RecordCallbacks &callbacks, const Rebuild &rebuild)
{
    const QString path = runlog::runLogPath(state.folders);
    std::optional<FileError> failure;
    std::optional<RunStats::OutOfRange> outOfRange;
    int stage = kOpening;
    int missing = 0;
    {
        RecordFile file;
        for (;;) {
            const RecordFile::Outcome opened = file.open(path, RecordFile::Access::ReadOnly);
            if (opened == RecordFile::Outcome::Done)
                break;
            if (opened == RecordFile::Outcome::NotFound && QFileInfo(state.folders.dataFolder).isDir()) {
                // No run recorded yet: an empty log.
                rebuild(0, [](char *, std::int64_t, std::int64_t) { return true; }, std::nullopt);
                return true;
            }
            if (opened == RecordFile::Outcome::NotFound) {
                if (++missing == kMissingFolderTries) {
                    const FileError e = file.error();
                    callbacks.fatal(state.productTitle, Text::tr("File missing %1 %2 %3")
                                                            .arg(stage)
                                                            .arg(e.description)
                                                            .arg(e.number));
                    return false;
                }
                for (int s = 0; s < kMissingFolderWaitSeconds; ++s)
                    callbacks.waitWhileLocked();
                continue;
            }
            if (opened == RecordFile::Outcome::Busy) {
                callbacks.waitWhileLocked();
                continue;
            }
            failure = file.error();
            break;
        }
        if (!failure) {
            stage = kLocking;
            for (;;) {
                const RecordFile::Outcome locked = file.lock(RecordFile::LockKind::Shared);
                if (locked == RecordFile::Outcome::Done)
                    break;
                if (locked != RecordFile::Outcome::Busy) {
                    failure = file.error();
                    break;
                }
                callbacks.waitWhileLocked();
            }
        }
        if (!failure) {
            stage = kReading;
            const std::optional<std::int64_t> length = file.size();
            if (!length) {
                failure = file.error();
            } else {
                outOfRange = rebuild(
                    *length,
                    [&](char *into, std::int64_t offset, std::int64_t count) {
                        if (file.readAt(offset, into, count))
                            return true;
                        failure = file.error();
                        return false;
                    },
                    file.identity());
            }
        }
    }
    if (failure) {
        callbacks.fatal(state.productTitle, failureText(stage, *failure, RunRow{}, 0));
        return false;
    }
    if (outOfRange)
        return reportOutOfRange(state, *outOfRange, callbacks);
    return true;
}

} // namespace

bool LoadRunLog(const Installation &state, RunStats &stats, const RecordCallbacks &callbacks)
{
    return rebuildFromRunLog(state, callbacks,
                             [&](std::int64_t bytes, const RunStats::ChunkReader &read, const std::optional<FileIdentity> &) {
                                 return stats.loadRecords(bytes, read);
                             });
}

bool ComputeStats(const Installation &state, RunStats &stats, const QDateTime &now, const RecordCallbacks &callbacks)
{
    return rebuildFromRunLog(state, callbacks,
                             [&](std::int64_t bytes, const RunStats::ChunkReader &read,
                                 const std::optional<FileIdentity> &identity) {
                                 return stats.refreshRecords(identity, bytes, read, state.timingTable, now);
                             });
}

namespace {

// A record the run lists and the report take: a row inside the tables.
bool isListedRun(const RunRow &row)
{
    return row.date >= 0.0 && row.pupil >= 1 && row.pupil <= kMaxPupil && row.level >= 1 && row.level < kLevelSlots;
}

} // namespace

bool ReadNewestRuns(const Installation &state, std::int64_t count, std::vector<RunRow> &runs,
                    const RecordCallbacks &callbacks)
{
    runs.clear();
    std::vector<char> tail;
    const bool ok = rebuildFromRunLog(state, callbacks,
                                      [&](std::int64_t bytes, const RunStats::ChunkReader &read,
                                          const std::optional<FileIdentity> &) -> std::optional<RunStats::OutOfRange> {
        const std::int64_t records = bytes / RunRecord::kSize;
        const std::int64_t first = std::max<std::int64_t>(records - std::max<std::int64_t>(count, 0), 0);
        const std::int64_t tailBytes = (records - first) * RunRecord::kSize;
        tail.resize(static_cast<std::size_t>(tailBytes));
        if (tailBytes > 0 && !read(tail.data(), first * RunRecord::kSize, tailBytes))
            tail.clear();
        return std::nullopt;
    });
    if (!ok)
        return false;
    runs.reserve(tail.size() / RunRecord::kSize);
    for (std::size_t at = 0; at + RunRecord::kSize <= tail.size(); at += RunRecord::kSize) {
        const RunRow row = RunRecord::decodeRow(tail.data() + at);
        if (isListedRun(row))
            runs.push_back(row);
    }
    return true;
}

bool ReadEveryRun(const Installation &state, const std::function<void(const RunRow &)> &visit,
                  const RecordCallbacks &callbacks)
{
    constexpr std::int64_t kRecordsPerPiece = 4096;
    return rebuildFromRunLog(state, callbacks,
                             [&](std::int64_t bytes, const RunStats::ChunkReader &read,
                                 const std::optional<FileIdentity> &) -> std::optional<RunStats::OutOfRange> {
        const std::int64_t records = bytes / RunRecord::kSize;
        std::vector<char> piece(static_cast<std::size_t>(std::min(records, kRecordsPerPiece) * RunRecord::kSize));
        for (std::int64_t first = 0; first < records; first += kRecordsPerPiece) {
            const std::int64_t count = std::min(kRecordsPerPiece, records - first);
            if (!read(piece.data(), first * RunRecord::kSize, count * RunRecord::kSize))
                break;
            for (std::int64_t i = 0; i < count; ++i) {
                const RunRow row = RunRecord::decodeRow(piece.data() + i * RunRecord::kSize);
                if (isListedRun(row))
                    visit(row);
            }
        }
        return std::nullopt;
    });
}
