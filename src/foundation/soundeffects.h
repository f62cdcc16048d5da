#pragma once

#include "soundplayer.h"

#include <QString>

#include <functional>

class RandomSource;
class SoundTable;

// The seven sound operations. Every sound plays to its end before the caller continues.
// CorrectSound, WrongYearSound and WrongAnswerSound watch for failures: three failed plays in a
// row pass silently, the fourth calls the fatal handler with the message for the pupil (the
// handler shows it and ends the program). A successful play resets the count.
class SoundEffects
{
public:
    using FatalHandler = std::function<void(const QString &title, const QString &text)>;

    SoundEffects(const SoundTable &table, QString soundFolder, SoundPlayer &player,
                 RandomSource &random, FatalHandler onFatal);

    void CorrectSound();
    void WrongYearSound();
    void WrongAnswerSound();
    void OwnBestSound();
    void FailSound();
    void BestFixedSound();
    void PassFixedSound();

    int soundFailCount() const { return m_failCount; }

private:
    PlayResult playRandom(int kind);
    PlayResult playFile(const QString &fileName);
    void checkFailure(const PlayResult &result);

    const SoundTable &m_table;
    QString m_soundFolder;
    SoundPlayer &m_player;
    RandomSource &m_random;
    FatalHandler m_onFatal;
    int m_failCount = 0;
};
