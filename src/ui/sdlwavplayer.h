#pragma once

#include "soundplayer.h"

// Plays .wav files through SDL's audio output, blocking until the last sample has been played.
// The audio subsystem is opened at the first play and closed with the player.
class SdlWavPlayer : public SoundPlayer
{
public:
    enum Error { NoError = 0, AudioUnavailable = 1, FileUnreadable = 2, DeviceUnavailable = 3, QueueFailed = 4 };

    SdlWavPlayer() = default;
    ~SdlWavPlayer() override;
    SdlWavPlayer(const SdlWavPlayer &) = delete;
    SdlWavPlayer &operator=(const SdlWavPlayer &) = delete;

    PlayResult play(const QString &wavPath) override;

private:
    bool m_initialised = false;
};
