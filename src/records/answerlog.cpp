#include "answerlog.h"

#include "installation.h"
#include "recordcallbacks.h"
#include "recordfields.h"
#include "recordfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {
constexpr int kDateAt = 0;
constexpr int kClockAt = 8;
constexpr int kPupilAt = 16;
constexpr int kLevelAt = 18;
constexpr int kGroupAt = 20;
constexpr int kLineAt = 22;
constexpr int kNameHashAt = 24;
constexpr int kWrongChoicesAt = 28;
constexpr int kWrongYearsAt = 30;
constexpr int kAskedAt = 32;
constexpr int kFlagsAt = 34;
constexpr int kVersionAt = 35;
constexpr int kSiteCodeAt = 36;
constexpr int kSiteCodeWidth = 5;
constexpr std::uint8_t kClearedFlag = 1;

constexpr std::int64_t kRecordsPerPiece = 4096;

class Text
{
    Q_DECLARE_TR_FUNCTIONS(AnswerLog)
};

std::int16_t clamped16(int value)
{
    return static_cast<std::int16_t>(std::clamp(value, 0, static_cast<int>(std::numeric_limits<std::int16_t>::max())));
}

} // namespace

AnswerRecord AnswerRecord::forRun(double runDate, double runClock, std::int16_t pupilNo, std::int16_t level,
                                  const QuestionAnswers &answers, const QString &siteCode)
{
    AnswerRecord r;
    r.row.date = runDate;
    r.row.clock = runClock;
    r.row.pupil = pupilNo;
    r.row.level = level;
    r.row.group = clamped16(answers.group);
    r.row.line = clamped16(answers.line);
    r.row.nameHash = answers.nameHash;
    r.row.wrongChoices = clamped16(answers.wrongChoices);
    r.row.wrongYears = clamped16(answers.wrongYears);
    r.row.asked = clamped16(answers.asked);
    r.row.cleared = answers.cleared;
    r.siteCode = siteCode;
    return r;
}

QByteArray AnswerRecord::encode() const
{
    using namespace recordfields;
    QByteArray bytes(kSize, '\0');
    char *at = bytes.data();
    putDouble(at + kDateAt, row.date);
    putDouble(at + kClockAt, row.clock);
    putInt16(at + kPupilAt, row.pupil);
    putInt16(at + kLevelAt, row.level);
    putInt16(at + kGroupAt, row.group);
    putInt16(at + kLineAt, row.line);
    putInt32(at + kNameHashAt, static_cast<std::int32_t>(row.nameHash));
    putInt16(at + kWrongChoicesAt, row.wrongChoices);
    putInt16(at + kWrongYearsAt, row.wrongYears);
    putInt16(at + kAskedAt, row.asked);
    at[kFlagsAt] = static_cast<char>(row.cleared ? kClearedFlag : 0);
    at[kVersionAt] = static_cast<char>(version);
    putText(at + kSiteCodeAt, kSiteCodeWidth, siteCode);
    return bytes;
}

AnswerRow AnswerRecord::decodeRow(const char *at)
{
    using namespace recordfields;
    AnswerRow r;
    r.date = doubleAt(at + kDateAt);
    r.clock = doubleAt(at + kClockAt);
    r.pupil = int16At(at + kPupilAt);
    r.level = int16At(at + kLevelAt);
    r.group = int16At(at + kGroupAt);
    r.line = int16At(at + kLineAt);
    r.nameHash = static_cast<std::uint32_t>(int32At(at + kNameHashAt));
    r.wrongChoices = int16At(at + kWrongChoicesAt);
    r.wrongYears = int16At(at + kWrongYearsAt);
    r.asked = int16At(at + kAskedAt);
    r.cleared = (static_cast<unsigned char>(at[kFlagsAt]) & kClearedFlag) != 0;
    return r;
}

AnswerRecord AnswerRecord::decode(QByteArrayView bytes)
{
    AnswerRecord r;
    r.row = decodeRow(bytes.data());
    r.version = static_cast<std::uint8_t>(bytes[kVersionAt]);
    r.siteCode = recordfields::textAt(bytes.data() + kSiteCodeAt, kSiteCodeWidth);
    return r;
}

namespace answerlog {

const runlog::Log &answerLog()
{
    static const runlog::Log log{QStringLiteral("data/解答累積データ.dat"), AnswerRecord::kSize};
    return log;
}

QString answerLogPath(const Folders &folders)
{
    return runlog::pathOf(folders, answerLog());
}

bool isListedAnswer(const AnswerRow &row)
{
    return row.date >= 0.0 && row.pupil >= 1 && row.pupil <= kMaxPupil && row.level >= 1 && row.level < kLevelSlots;
}

void decodeAll(QByteArrayView bytes, const std::function<void(const AnswerRow &)> &visit)
{
    const qsizetype records = bytes.size() / AnswerRecord::kSize;
    for (qsizetype i = 0; i < records; ++i)
        visit(AnswerRecord::decodeRow(bytes.data() + i * AnswerRecord::kSize));
}

bool readEveryAnswer(const Folders &folders, const std::function<void(const AnswerRow &)> &visit,
                     const RecordCallbacks &callbacks, QString *problem)
{
    const QString path = answerLogPath(folders);
    RecordFile file;
    const auto fail = [&](const FileError &e) {
        if (problem) {
            *problem = Text::tr("Cannot read the answer log %1: %2 (error %3)")
                           .arg(QDir::toNativeSeparators(path), e.description)
                           .arg(e.number);
        }
        file.close();
        return false;
    };
    int waits = 0;
    for (;;) {
        const RecordFile::Outcome opened = file.open(path, RecordFile::Access::ReadOnly);
        if (opened == RecordFile::Outcome::Done)
            break;
        if (opened == RecordFile::Outcome::NotFound && QFileInfo(folders.dataFolder).isDir())
            return true; // no answer recorded yet
        if (opened != RecordFile::Outcome::Busy || ++waits > callbacks.appendLockWaits)
            return fail(file.error());
        callbacks.waitWhileLocked();
    }
    for (;;) {
        const RecordFile::Outcome locked = file.lock(RecordFile::LockKind::Shared);
        if (locked == RecordFile::Outcome::Done)
            break;
        if (locked != RecordFile::Outcome::Busy || ++waits > callbacks.appendLockWaits)
            return fail(file.error());
        callbacks.waitWhileLocked();
    }
    const std::optional<std::int64_t> length = file.size();
    if (!length)
        return fail(file.error());
    const std::int64_t records = *length / AnswerRecord::kSize;
    std::vector<char> piece(static_cast<std::size_t>(std::min(records, kRecordsPerPiece) * AnswerRecord::kSize));
    for (std::int64_t first = 0; first < records; first += kRecordsPerPiece) {
        const std::int64_t count = std::min(kRecordsPerPiece, records - first);
        if (!file.readAt(first * AnswerRecord::kSize, piece.data(), count * AnswerRecord::kSize))
            return fail(file.error());
        for (std::int64_t i = 0; i < count; ++i) {
            const AnswerRow row = AnswerRecord::decodeRow(piece.data() + i * AnswerRecord::kSize);
            if (isListedAnswer(row))
                visit(row);
        }
    }
    file.unlock();
    file.close();
    return true;
}

} // namespace answerlog
