#pragma once

#include <QString>

// Plays one .wav file to its end before returning. code is 0 on success, otherwise a
// player-specific error number, and text describes the error.
struct PlayResult
{
    int code = 0;
    QString text;
};

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual PlayResult play(const QString &wavPath) = 0;
};
