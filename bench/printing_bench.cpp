// Worksheets: building the table for 20 rows and rendering the preview box (target under 50 ms),
// and writing the sheet as a PDF (target under 200 ms).
#include "questionbank.h"
#include "questionfile.h"
#include "randomsource.h"
#include "sheetoutput.h"
#include "worksheettable.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 100 questions in group 1 with explanations long enough to wrap and shrink.
QuestionBank sampleBank()
{
    QString plain;
    for (int i = 1; i <= 100; ++i)
        plain += QStringLiteral("%1,1,%2,人物の名前%1,じんぶつのなまえ%1,"
                                "あとつぎ問題から大きな戦乱を招き、都は長い間の戦いで焼け野原となった%1,補足／ｅｎｄ／\n")
                     .arg(i)
                     .arg(600 + i);
    return QuestionBank::fromBytes(questionfile::scramble(plain).stored, QStringLiteral("bench"));
}

void BM_BuildAndPreview20Rows(benchmark::State &state)
{
    const QuestionBank bank = sampleBank();
    SeededRandom random(1);
    for (auto _ : state) {
        const Worksheet sheet = worksheettable::build(bank, {{1}, HideMode::HideRandom, true}, random);
        const QImage image = sheetoutput::preview(sheet.table, 1.0 / 15.0);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BuildAndPreview20Rows)->Unit(benchmark::kMillisecond);

void BM_WritePdf(benchmark::State &state)
{
    const QuestionBank bank = sampleBank();
    SeededRandom random(1);
    const Worksheet sheet = worksheettable::build(bank, {{1}, HideMode::ShowAll, true}, random);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        const QString error = sheetoutput::writePdf(sheet.table, path);
        if (!error.isEmpty())
            state.SkipWithError(error.toStdString().c_str());
    }
}
BENCHMARK(BM_WritePdf)->Unit(benchmark::kMillisecond);

} // namespace
