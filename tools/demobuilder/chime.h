#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Short chimes for the demo installation, synthesised from decaying sine tones so that no
// recorded sound of unknown origin is shipped.
namespace chime {

// A whole .wav file (PCM, 16 bit, mono, 22050 Hz) for one of: correct, correct2, wrong, wrongyear, best,
// ownbest, pass, fail, click. Empty for an unknown kind.
QByteArray render(const QString &kind);

// A .wav file with the given samples (for tests and tools).
QByteArray wavFile(const QList<qint16> &samples, int sampleRate);

} // namespace chime
