// Damaged question files: whatever the bytes, loading either gives a table or throws
// DataFileError, never crashes or hangs, and the teachers' check finds a problem in every file
// the program would refuse.
#include "datafileerror.h"
#include "questionbank.h"
#include "questionfile.h"
#include "storedfile.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Outcome
{
    bool loaded = false;
    QString error;
};

Outcome loadAndSelectAll(const QByteArray &bytes)
{
    Outcome outcome;
    try {
        const QuestionBank bank = QuestionBank::fromBytes(bytes, QStringLiteral("Morvidかな0vv.ccc"));
        for (int group = 1; group <= 9; ++group)
            bank.selectGroup(group);
        outcome.loaded = bank.rowCount() > 0;
    } catch (const DataFileError &e) {
        outcome.error = e.text();
    }
    return outcome;
}

class Mutator
{
public:
    explicit Mutator(std::uint32_t seed)
        : m_rng(seed)
    {
    }

    int below(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    void mutate(QByteArray &b)
    {
        const int pos = below(static_cast<int>(b.size()) + 1);
        switch (below(9)) {
        case 0: // cut short
            b.truncate(pos);
            break;
        case 1: // one byte changed, often to a Shift-JIS lead byte or a line end
            if (!b.isEmpty()) {
                static const char picks[] = {'\x81', '\x9F', '\xE0', '\xFC', '\xFD', '\x80', '\r', '\n', ',', '\0'};
                b[std::min<qsizetype>(pos, b.size() - 1)] = below(3) == 0 ? char(below(256)) : picks[below(10)];
            }
            break;
        case 2: // bytes that are not Shift-JIS
            b.insert(pos, QByteArray(1 + below(4), char(0x80 + below(128))));
            break;
        case 3: // a piece removed
            b.remove(pos, below(300));
            break;
        case 4: // a piece repeated
            b.insert(pos, b.mid(below(static_cast<int>(b.size())), below(400)));
            break;
        case 5: // a line broken in two
            b.insert(pos, below(2) ? QByteArray("\r\n") : QByteArray("\n"));
            break;
        case 6: // two lines joined
            if (const qsizetype end = b.indexOf('\n', pos); end > 0) {
                b.remove(end, 1);
                if (end > 0 && b[end - 1] == '\r')
                    b.remove(end - 1, 1);
            }
            break;
        case 7: // commas, giving too many fields
            b.insert(pos, QByteArray(below(150), ','));
            break;
        case 8: // a very long line
            b.insert(pos, QByteArray(below(60) == 0 ? 100 * 1024 : below(3000), below(2) ? 'x' : '\x82'));
            break;
        }
    }

private:
    std::mt19937 m_rng;
};

TEST(LoaderFuzz, DamagedFilesGiveATableOrAClearError)
{
    const QByteArray base = storedfile::bytes(storedfile::validLines(1));
    Mutator mutator(20240611);
    int loaded = 0;
    int refused = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = base;
        const int mutations = 1 + mutator.below(4);
        for (int m = 0; m < mutations; ++m)
            mutator.mutate(bytes);

        const Outcome outcome = loadAndSelectAll(bytes);
        if (outcome.loaded) {
            ++loaded;
        } else {
            ++refused;
            EXPECT_TRUE(outcome.error.contains(QStringLiteral("Morvidかな0vv.ccc"))) << round;
        }
        const QList<questionfile::Problem> problems = questionfile::check(bytes);
        if (!outcome.loaded) {
            EXPECT_FALSE(problems.isEmpty()) << "check passed a file the program refuses, round " << round << ": "
                                             << outcome.error.toStdString();
        }
        questionfile::unscramble(bytes);
    }
    // Both outcomes occur, so the loop reaches the loader's errors and its happy path alike.
    EXPECT_GT(loaded, 50);
    EXPECT_GT(refused, 50);
}

TEST(LoaderFuzz, ExtremeFiles)
{
    const QString marker = questionline::kEndMarker.toString();
    const QString hugeField(100 * 1024, u'漢');
    struct Case
    {
        const char *name;
        QByteArray bytes;
        bool loads;
    };
    const std::vector<Case> cases = {
        {"empty", QByteArray(), false},
        {"only line ends", QByteArray("\r\n\r\n\n"), false},
        {"one 100 KB line with marker", storedfile::bytes({QStringLiteral("1,1,5,") + hugeField + marker}), true},
        {"one 100 KB line without marker", storedfile::bytes({QStringLiteral("1,1,5,") + hugeField}), false},
        {"100 KB filler after the marker",
         storedfile::bytes({QStringLiteral("1,1,5,a,b,c,d") + marker + QString(100 * 1024, u',')}), true},
        {"100 KB of bytes that are not Shift-JIS", QByteArray(100 * 1024, '\xFD'), false},
        {"100 KB of lead bytes", QByteArray(100 * 1024, '\x81'), false},
        {"100 KB of NUL", QByteArray(100 * 1024, '\0'), false},
        {"5000 fields", storedfile::bytes({QString(4999, u',') + marker}), false},
        {"100000 empty lines", QByteArray(100000, '\n'), false},
    };
    for (const Case &c : cases) {
        const Outcome outcome = loadAndSelectAll(c.bytes);
        EXPECT_EQ(outcome.loaded, c.loads) << c.name << ": " << outcome.error.toStdString();
        const QList<questionfile::Problem> problems = questionfile::check(c.bytes);
        if (!c.loads) {
            EXPECT_FALSE(problems.isEmpty()) << c.name;
        }
    }
}

} // namespace
