#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>

// Checks a .wav file's header before anything plays it, so that a damaged sound can neither
// overflow the player's arithmetic nor claim a length that would hold the program for minutes.
// Accepted: a RIFF/WAVE file with a "fmt " chunk of PCM (8, 16, 24 or 32 bit) or 32-bit float
// samples, 1 to 8 channels at 8,000 to 192,000 Hz, a block size that matches, and a "data"
// chunk that lies wholly inside the file, holds whole sample frames and lasts at most
// kMaxSeconds.
namespace wavheader {

inline constexpr double kMaxSeconds = 60.0;

struct Format
{
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    std::int64_t dataBytes = 0;

    // The play time of the data in milliseconds.
    std::int64_t lengthMs() const;
};

struct Check
{
    bool ok = false;
    QString problem; // what is wrong, when not ok
    Format format;
};

Check check(QByteArrayView file);

} // namespace wavheader
