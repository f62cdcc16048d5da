#pragma once

#include "clock.h"
#include "randomsource.h"
#include "sdlwavplayer.h"
#include "services.h"

// The program's real clock, random source and sound player, as main builds them.
struct RealServices
{
    SystemClock clock;
    SeededRandom random;
    SdlWavPlayer player;

    Services services() { return Services{clock, random, player}; }
};
