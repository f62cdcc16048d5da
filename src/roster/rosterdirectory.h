#pragma once

#include "pupildirectory.h"

class Roster;

// What the level screen and the pupil report know of the roster, copied from its tables: every
// pupil's name, birth year and grade label, the listed pupils in start-screen order, and the
// pupils the report offers (list flag 0, in file order).
PupilDirectory rosterDirectory(const Roster &roster);
