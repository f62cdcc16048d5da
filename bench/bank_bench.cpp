// Loading the question file at the start of a run: a full file of 1000 lines, read, unscrambled
// and split, then one level's questions selected.
#include "questionbank.h"
#include "questionfile.h"
#include "questionline.h"
#include "scramblekey.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 1000 plain question lines spread over the nine groups, with texts as long as real ones.
QString thousandLines()
{
    QStringList lines;
    for (int i = 1; i <= 1000; ++i)
        lines << QStringLiteral("%1,%2,%3,歴史上の人物%1,れきしじょうのじんぶつ%1,この人物が行ったことの説明が入ります%1,"
                                "二行目の補足説明%1／ｅｎｄ／")
                     .arg(i)
                     .arg((i - 1) % 9 + 1)
                     .arg(500 + i);
    return lines.join(u'\n');
}

class ScratchFolder
{
public:
    ScratchFolder()
    {
        QFile file(programFolder() + QStringLiteral("Morvidかな0vv.ccc"));
        if (file.open(QIODevice::WriteOnly))
            file.write(questionfile::scramble(thousandLines()).stored);
    }
    QString programFolder() const { return m_dir.path() + u'/'; }
    QString storedPath() const { return programFolder() + QStringLiteral("Morvidかな0vv.ccc"); }

private:
    QTemporaryDir m_dir;
};

void BM_LoadThousandLines(benchmark::State &state)
{
    const ScratchFolder inst;
    const QString caller = inst.programFolder() + QStringLiteral("Morvidかな0.csv");
    for (auto _ : state) {
        const QuestionBank bank = QuestionBank::load(caller);
        if (bank.rowCount() != 1000) {
            state.SkipWithError("the file did not load whole");
            break;
        }
        benchmark::DoNotOptimize(bank.cell(1000, 7));
    }
}
BENCHMARK(BM_LoadThousandLines)->Unit(benchmark::kMillisecond);

// The reference for the load above: the same file read, converted from Shift-JIS in one call of
// the converter, split into lines, unscrambled and split into fields, with no checks.
void BM_DecodeOnceReference(benchmark::State &state)
{
    const ScratchFolder inst;
    const ScrambleKey &key = ScrambleKey::program();
    for (auto _ : state) {
        QFile file(inst.storedPath());
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("the file could not be read");
            break;
        }
        const QString text = QStringDecoder("windows-31j").decode(file.readAll());
        qsizetype fields = 0;
        for (const QString &line : questionline::splitLines(text))
            fields += questionline::fieldsOf(key.unscramble(line).value_or(QString())).value_or(QStringList()).size();
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(BM_DecodeOnceReference)->Unit(benchmark::kMillisecond);

void BM_LoadLevelQuestions(benchmark::State &state)
{
    const ScratchFolder inst;
    for (auto _ : state) {
        const QList<Question> questions = loadLevelQuestions(inst.programFolder(), 12);
        benchmark::DoNotOptimize(questions.size());
    }
}
BENCHMARK(BM_LoadLevelQuestions)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
