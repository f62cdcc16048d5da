#pragma once

class Clock;
class RandomSource;
class SoundPlayer;

// What varies between the real program and a test: the time, the random numbers and the sound
// output. The program's main builds the real ones and hands them down; nothing below it makes
// its own, so a test can drive the whole program on a manual clock, a fixed sequence and a
// player that only records what it was asked to play. The referenced objects outlive every user.
struct Services
{
    Clock &clock;
    RandomSource &random;
    SoundPlayer &player;
};
