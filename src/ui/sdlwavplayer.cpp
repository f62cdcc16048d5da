#include "sdlwavplayer.h"

#include "wavheader.h"
#include "systemerror.h"

#include <QDir>
#include <QFile>

#include <SDL.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace {

constexpr Uint16 kBufferFrames = 512;
// Beyond the clip's length, what a play may take for the output's own buffer and scheduling.
constexpr Uint64 kMarginMs = 500;

PlayResult failure(SdlWavPlayer::Error code, const QString &what)
{
    return {code, what + QStringLiteral(" (") + QString::fromUtf8(SDL_GetError()) + u')'};
}

// Frees the loaded samples whatever way play() leaves.
struct WavBuffer
{
    Uint8 *data = nullptr;
    Uint32 length = 0;
    ~WavBuffer()
    {
        if (data)
            SDL_FreeWAV(data);
    }
};

} // namespace

SdlWavPlayer::~SdlWavPlayer()
{
    if (m_device != 0)
        SDL_CloseAudioDevice(m_device);
    if (m_initialised)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

PlayResult SdlWavPlayer::play(const QString &wavPath)
{
    if (!m_initialised) {
        // SDL would otherwise take SIGINT and SIGTERM for its own event queue, and the program
        // would no longer end on them.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return failure(AudioUnavailable, QStringLiteral("音声装置を使えません"));
        m_initialised = true;
    }
    const QString native = QDir::toNativeSeparators(wavPath);
    QFile file(wavPath);
    if (!file.exists())
        return {FileUnreadable, QStringLiteral("音声ファイルがありません: ") + native};
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return {FileUnreadable,
                QStringLiteral("音声ファイルを読めません: %1 (%2)").arg(native, systemerror::describe(file, errno))};
    // Far more than any clip the header check lets through may hold.
    if (file.size() > (std::int64_t{1} << 29))
        return {FileDamaged, QStringLiteral("音声ファイルが大きすぎます: ") + native};
    const QByteArray bytes = file.readAll();
    const wavheader::Check header = wavheader::check(bytes);
    if (!header.ok)
        return {FileDamaged, QStringLiteral("音声ファイルが壊れています: %1 (%2)").arg(native, header.problem)};

    SDL_AudioSpec spec{};
    WavBuffer wav;
    if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size())), 1, &spec, &wav.data,
                        &wav.length))
        return failure(FileUnreadable, QStringLiteral("音声ファイルを読めません: ") + native);

    if (m_device == 0) {
        SDL_AudioSpec wanted = spec;
        wanted.samples = kBufferFrames;
        wanted.callback = nullptr;
        SDL_AudioSpec obtained{};
        m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
        if (m_device == 0)
            return failure(DeviceUnavailable, QStringLiteral("音声装置を開けません"));
        m_deviceRate = obtained.freq;
        m_deviceFormat = obtained.format;
        m_deviceChannels = obtained.channels;
    }

    // Sounds in another format than the first are converted to the output's.
    SDL_AudioCVT cvt{};
    const int needed = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq,
                                         static_cast<SDL_AudioFormat>(m_deviceFormat),
                                         static_cast<Uint8>(m_deviceChannels), m_deviceRate);
    if (needed < 0)
        return failure(QueueFailed, QStringLiteral("音声を変換できません: ") + native);
    std::unique_ptr<Uint8, decltype(&SDL_free)> converted(nullptr, &SDL_free);
    const Uint8 *samples = wav.data;
    Uint32 length = wav.length;
    if (needed == 1) {
        cvt.len = static_cast<int>(wav.length);
        converted.reset(static_cast<Uint8 *>(SDL_malloc(static_cast<std::size_t>(cvt.len) * static_cast<std::size_t>(cvt.len_mult))));
        if (!converted)
            return failure(QueueFailed, QStringLiteral("音声を変換できません: ") + native);
        SDL_memcpy(converted.get(), wav.data, wav.length);
        cvt.buf = converted.get();
        if (SDL_ConvertAudio(&cvt) != 0)
            return failure(QueueFailed, QStringLiteral("音声を変換できません: ") + native);
        samples = converted.get();
        length = static_cast<Uint32>(cvt.len_cvt);
    }

    SDL_ClearQueuedAudio(m_device);
    if (SDL_QueueAudio(m_device, samples, length) != 0)
        return failure(QueueFailed, QStringLiteral("音声を再生できません"));
    // Synchronous by design: the caller continues only when the sound has ended. The clip starts
    // sounding when the output takes its first buffer from the queue and ends clipMs later;
    // waiting for that moment, rather than a whole buffer after the queue drains, returns within
    // a millisecond or two of the clip's end.
    const Uint64 clipMs = static_cast<Uint64>(header.format.lengthMs());
    const Uint64 start = SDL_GetTicks64();
    Uint64 sounding = 0;
    SDL_PauseAudioDevice(m_device, 0);
    PlayResult result;
    for (;;) {
        const Uint32 queued = SDL_GetQueuedAudioSize(m_device);
        const Uint64 now = SDL_GetTicks64();
        if (sounding == 0 && queued < length)
            sounding = now;
        if (sounding != 0 && queued == 0 && now >= sounding + clipMs)
            break;
        if (now - start > clipMs + kMarginMs) {
            result = {PlayOverran, QStringLiteral("音声の再生が終わりません: ") + native};
            break;
        }
        const Uint64 end = sounding + clipMs;
        SDL_Delay(sounding != 0 && now < end ? static_cast<Uint32>(std::min<Uint64>(end - now, 20)) : 1);
    }
    SDL_PauseAudioDevice(m_device, 1);
    SDL_ClearQueuedAudio(m_device);
    return result;
}
