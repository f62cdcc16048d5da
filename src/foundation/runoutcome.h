#pragma once

#include <cstdint>
#include <vector>

// How one question of a test run went: which question (its group, its line in the question file
// and the short hash of its name, see questionidentity in the bank) and how many wrong answers
// the pupil gave on it.
struct QuestionAnswers
{
    int group = 0;
    int line = 0;              // 1-based line of the question file; 0 when not known
    std::uint32_t nameHash = 0;
    int wrongChoices = 0;      // wrong labels chosen while it was up, over all the times it was asked
    int wrongYears = 0;        // wrong years chosen in its year panel
    int asked = 0;             // times it was put up
    bool cleared = false;      // it was cleared before the run ended

    bool operator==(const QuestionAnswers &) const = default;
};

// How a finished test run ended, as the drill hands it to recording and to the result screen.
struct RunOutcome
{
    int level = 0;
    std::int32_t seconds = 0; // the run's time in whole seconds; kTimedOutSeconds after a time-out
    bool timedOut = false;
    // One entry per question of the level, in the order the run was given them.
    std::vector<QuestionAnswers> answers;

    // The time stored for a run that hit its limit: larger than any real result, so it never
    // counts as a best time.
    static constexpr std::int32_t kTimedOutSeconds = 99999;
};
