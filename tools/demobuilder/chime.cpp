#include "chime.h"

#include <QtEndian>

#include <cmath>
#include <numbers>
#include <vector>

namespace chime {

namespace {
constexpr int kRate = 22050;

struct Note
{
    double startSeconds;
    double frequency;
    double lengthSeconds;
    double loudness;
};

void appendLE32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void appendLE16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

QList<qint16> mix(const std::vector<Note> &notes)
{
    double total = 0.0;
    for (const Note &n : notes)
        total = std::max(total, n.startSeconds + n.lengthSeconds);
    std::vector<double> buffer(static_cast<std::size_t>(total * kRate) + 1, 0.0);
    for (const Note &n : notes) {
        const auto first = static_cast<std::size_t>(n.startSeconds * kRate);
        const auto count = static_cast<std::size_t>(n.lengthSeconds * kRate);
        for (std::size_t i = 0; i < count && first + i < buffer.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, t / 0.006);
            const double release = std::min(1.0, (n.lengthSeconds - t) / 0.02);
            const double envelope = attack * release * std::exp(-4.0 * t / n.lengthSeconds);
            const double phase = 2.0 * std::numbers::pi * n.frequency * t;
            buffer[first + i] += n.loudness * envelope * (std::sin(phase) + 0.3 * std::sin(2.0 * phase)
                                                          + 0.1 * std::sin(3.0 * phase));
        }
    }
    QList<qint16> samples;
    samples.reserve(static_cast<qsizetype>(buffer.size()));
    for (double v : buffer)
        samples.append(static_cast<qint16>(std::lround(std::clamp(v, -1.0, 1.0) * 24000.0)));
    return samples;
}

std::vector<Note> notesFor(const QString &kind)
{
    // Frequencies of the notes used, in Hz.
    constexpr double C4 = 261.63, E4 = 329.63, G4 = 392.00, A4 = 440.0, C5 = 523.25, E5 = 659.25,
                     G5 = 783.99, B5 = 987.77, C6 = 1046.50, D6 = 1174.66, E6 = 1318.51;
    if (kind == u"correct")
        return {{0.0, C6, 0.22, 0.45}, {0.12, E6, 0.35, 0.45}};
    if (kind == u"correct2")
        return {{0.0, D6, 0.2, 0.45}, {0.1, G5 * 2.0, 0.35, 0.4}};
    if (kind == u"wrong")
        return {{0.0, A4 * 0.5, 0.25, 0.5}, {0.2, G4 * 0.5, 0.4, 0.5}};
    if (kind == u"wrongyear")
        return {{0.0, E4, 0.18, 0.5}, {0.16, C4, 0.3, 0.5}};
    if (kind == u"best")
        return {{0.0, C5, 0.3, 0.35}, {0.12, E5, 0.3, 0.35}, {0.24, G5, 0.3, 0.35}, {0.36, C6, 0.6, 0.4}};
    if (kind == u"ownbest")
        return {{0.0, G5, 0.25, 0.4}, {0.12, B5, 0.25, 0.4}, {0.24, D6, 0.5, 0.4}};
    if (kind == u"pass")
        return {{0.0, C5, 0.16, 0.35}, {0.16, C5, 0.16, 0.35}, {0.32, G5, 0.7, 0.35}, {0.32, E5, 0.7, 0.25}};
    if (kind == u"fail")
        return {{0.0, G4, 0.3, 0.45}, {0.25, E4, 0.3, 0.45}, {0.5, C4, 0.6, 0.45}};
    return {};
}
} // namespace

QByteArray wavFile(const QList<qint16> &samples, int sampleRate)
{
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF", 4);
    appendLE32(out, 36 + dataBytes);
    out.append("WAVEfmt ", 8);
    appendLE32(out, 16);
    appendLE16(out, 1); // PCM
    appendLE16(out, 1); // mono
    appendLE32(out, static_cast<quint32>(sampleRate));
    appendLE32(out, static_cast<quint32>(sampleRate * 2));
    appendLE16(out, 2);
    appendLE16(out, 16);
    out.append("data", 4);
    appendLE32(out, dataBytes);
    for (qint16 s : samples)
        appendLE16(out, static_cast<quint16>(s));
    return out;
}

QByteArray render(const QString &kind)
{
    const std::vector<Note> notes = notesFor(kind);
    if (notes.empty())
        return {};
    return wavFile(mix(notes), kRate);
}

} // namespace chime
