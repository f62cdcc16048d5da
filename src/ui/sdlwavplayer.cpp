#include "sdlwavplayer.h"

#include <QDir>
#include <QFile>

#include <SDL.h>

namespace {
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
    if (!QFile::exists(wavPath))
        return {FileUnreadable, QStringLiteral("音声ファイルがありません: ") + native};

    SDL_AudioSpec spec{};
    WavBuffer wav;
    if (!SDL_LoadWAV(QFile::encodeName(wavPath).constData(), &spec, &wav.data, &wav.length))
        return failure(FileUnreadable, QStringLiteral("音声ファイルを読めません: ") + native);

    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0);
    if (device == 0)
        return failure(DeviceUnavailable, QStringLiteral("音声装置を開けません"));
    PlayResult result;
    if (SDL_QueueAudio(device, wav.data, wav.length) != 0) {
        result = failure(QueueFailed, QStringLiteral("音声を再生できません"));
    } else {
        SDL_PauseAudioDevice(device, 0);
        // Synchronous by design: the caller continues only when the sound has ended.
        while (SDL_GetQueuedAudioSize(device) > 0)
            SDL_Delay(5);
        // The device still holds the last buffer it took from the queue.
        const int bytesPerSecond = spec.freq * spec.channels * (SDL_AUDIO_BITSIZE(spec.format) / 8);
        if (bytesPerSecond > 0)
            SDL_Delay(static_cast<Uint32>(1000LL * spec.samples * spec.channels
                                          * (SDL_AUDIO_BITSIZE(spec.format) / 8) / bytesPerSecond));
    }
    SDL_CloseAudioDevice(device);
    return result;
}
