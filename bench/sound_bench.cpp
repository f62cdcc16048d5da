// How long a sound holds the caller beyond the clip's own length: a clip of known length is
// played through the real player on SDL's dummy driver (which consumes samples at the real
// rate), and the time past the clip's end is reported as beyond_ms.
#include "chime.h"
#include "sdlwavplayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

namespace {

constexpr int kRate = 22050;
constexpr int kClipMs = 470;

QByteArray clip()
{
    QList<qint16> samples(kRate * kClipMs / 1000);
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<qint16>(8000.0 * std::sin(static_cast<double>(i) * 0.06));
    return chime::wavFile(samples, kRate);
}

void BM_SoundHoldsTheCaller(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clip.wav"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(clip()) < 0) {
        state.SkipWithError("cannot write the clip");
        return;
    }
    f.close();
    SdlWavPlayer player;
    if (player.play(path).code != 0) { // opens the audio output, as the program's first sound does
        state.SkipWithError("the player cannot play");
        return;
    }
    double beyondMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const PlayResult result = player.play(path);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (result.code != 0) {
            state.SkipWithError("a play failed");
            return;
        }
        state.SetIterationTime(elapsed.count());
        beyondMs += elapsed.count() * 1000.0 - kClipMs;
    }
    state.counters["clip_ms"] = kClipMs;
    state.counters["beyond_ms"] = benchmark::Counter(beyondMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SoundHoldsTheCaller)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
