#pragma once

#include "soundplayer.h"

#include <cstdint>

// Plays .wav files through SDL's audio output, blocking until the last sample has been played.
// The output is opened once, at the first play, with a short buffer (512 sample frames), so a
// clip starts sounding within one buffer and the play returns when it has sounded for its
// length; every later sound is converted to the format the output was opened with. It is
// closed with the player.
//
// A file's header is checked before it is played (see wavheader): a damaged file is a failed
// play, never a crash or a frozen window, and no play waits longer than its clip's length plus a
// short margin.
class SdlWavPlayer : public SoundPlayer
{
public:
    enum Error {
        NoError = 0,
        AudioUnavailable = 1,
        FileUnreadable = 2,
        DeviceUnavailable = 3,
        QueueFailed = 4,
        FileDamaged = 5,
        PlayOverran = 6,
    };

    SdlWavPlayer() = default;
    ~SdlWavPlayer() override;
    SdlWavPlayer(const SdlWavPlayer &) = delete;
    SdlWavPlayer &operator=(const SdlWavPlayer &) = delete;

    PlayResult play(const QString &wavPath) override;

private:
    bool m_initialised = false;
    std::uint32_t m_device = 0;
    int m_deviceRate = 0;
    int m_deviceFormat = 0;
    int m_deviceChannels = 0;
};
