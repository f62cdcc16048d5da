#include "drillrun.h"

#include "installation.h"
#include "pupilsession.h"
#include "catalogue.h"
#include "clock.h"
#include "drillhost.h"
#include "questionrules.h"
#include "randomsource.h"
#include "soundeffects.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr int kSecondsPerDay = 24 * 60 * 60;
}

DrillRun::DrillRun(const Installation &install, const PupilSession &session, const Clock &clock,
                   RandomSource &random, SoundEffects &sounds, DrillHost &host)
    : m_install(install)
    , m_session(session)
    , m_clock(clock)
    , m_random(random)
    , m_sounds(sounds)
    , m_host(host)
{
}

void DrillRun::activate(QList<Question> questions, const RunHistory &history)
{
    m_view = DrillView{};
    m_questions = std::move(questions);
    m_clearCounter = QList<int>(m_questions.size() + 1, 0);
    m_current = 0;
    m_practice = catalogue::isPracticeCaption(m_install.levelName[m_session.runLevel]);

    initialSettings(history);
    m_view.remaining = QString::number(questionCount());
    start();

    m_view.practice = m_practice;
    if (m_practice)
        practice();
    else
        makeQuestion();
}

void DrillRun::initialSettings(const RunHistory &history)
{
    m_recordingDone = false;
    m_timedOut = false;
    m_verdict = AnswerVerdict::None;
    const int level = m_session.runLevel;
    const LevelTiming &timing = m_install.timingTable[static_cast<std::size_t>(level)];

    m_barSeconds = 5 * timing.limitTime;
    m_view.time = QStringLiteral("0");
    m_barScale = m_barSeconds > 0 ? m_view.barFrameWidth / m_barSeconds : 0.0;
    m_view.barElapsedWidth = 0.0;
    m_view.barPassWidth = timing.passTime * m_barScale;
    m_view.barLimitWidth = timing.limitTime * m_barScale;

    m_view.titlePoints = m_install.productTitle.size() > 9 ? 14.0 : 16.8;
    m_view.title = m_install.productTitle;
    m_view.pupilName = m_session.pupilName.trimmed();
    m_view.levelName = m_install.levelName[level];
    m_view.siteName = m_install.siteName;
    updateMinutes();

    if (m_practice) {
        m_view.todayRun = QStringLiteral("－");
        m_view.levelRun = QStringLiteral("－");
    } else {
        int today = 0;
        for (int l = 1; l < kLevelSlots; ++l)
            today += history.attemptsToday[static_cast<std::size_t>(l)];
        m_view.todayRun = QString::number(today + 1);
        m_view.levelRun = QString::number(history.attemptsToday[static_cast<std::size_t>(level)] + 1);
    }
    m_levelBestTime = history.levelBestTime;
    m_ownBestTime = history.ownBestTime;
}

void DrillRun::start()
{
    m_runStart = m_clock.monotonicSeconds();
    m_rawTime = 0;
    m_clockOn = true;
}

void DrillRun::updateMinutes()
{
    const double now = m_clock.now().time().msecsSinceStartOfDay() / 1000.0;
    auto seconds = static_cast<long long>(std::floor(now - m_session.startClock));
    // Past midnight the clock starts again from 0; the minutes since start go on.
    if (seconds < 0)
        seconds += kSecondsPerDay;
    m_view.minutes = QString::number(seconds / 60);
}

QString DrillRun::progressText(int counter) const
{
    return QStringLiteral("あと%1回でクリア").arg(1 - counter);
}

void DrillRun::makeQuestion()
{
    if (m_timedOut || m_recordingDone)
        return;
    const int n = questionCount();
    const int cleared = static_cast<int>(std::count(m_clearCounter.cbegin() + 1, m_clearCounter.cend(), 1));
    m_view.remaining = QString::number(n - cleared);
    if (cleared == n) {
        endRun();
        return;
    }

    do {
        m_current = m_random.choose(n);
    } while (m_clearCounter[m_current] == 1);
    m_view.coverVisible = true;
    m_kind = m_random.choose(2);

    const Question &q = question(m_current);
    m_view.clue = m_kind == 1 ? q.explain : q.name;
    m_view.clueSub = m_kind == 1 ? q.explainSub : q.nameSub;
    m_view.cluePoints = m_kind == 1 ? 24.0 : 36.0;

    const bool explanations = m_kind == 2;
    const QList<int> wrong = questionrules::drawDistractors(n, m_current, m_random);
    for (int slot = 1; slot <= 9; ++slot) {
        ChoiceSlot &s = m_view.choices[static_cast<std::size_t>(slot)];
        const int j = wrong[slot - 1];
        s = ChoiceSlot{};
        s.explanationStyle = explanations;
        if (j > 0) {
            s.main = explanations ? question(j).explain : question(j).name;
            s.sub = explanations ? question(j).explainSub : question(j).nameSub;
        } else {
            // A group too small to fill the slot: it stays empty and cannot be chosen.
            s.enabled = false;
        }
    }

    m_answerSlot = m_random.choose(9);
    ChoiceSlot &answer = m_view.choices[static_cast<std::size_t>(m_answerSlot)];
    answer.main = explanations ? q.explain : q.name;
    answer.sub = explanations ? q.explainSub : q.nameSub;
    answer.enabled = true;

    ChoiceSlot &prompt = m_view.choices[0];
    prompt = ChoiceSlot{};
    prompt.main = m_kind == 1 ? QStringLiteral("誰ですか") : QStringLiteral("関係あるのは");
    prompt.subVisible = false;
    m_view.choices[10] = ChoiceSlot{};

    const QStringList years = questionrules::drawCandidateYears(q.year, m_random);
    m_view.yearsVisible = false;
    m_view.yearCaptionVisible = false;
    m_view.ruleVisible = false;
    m_view.yearCaption = QStringLiteral("年代");
    m_view.yearCoverVisible = true;
    for (int k = 1; k <= DrillView::kYears; ++k) {
        m_view.yearTexts[static_cast<std::size_t>(k)] = years[k - 1];
        m_view.markerYears[static_cast<std::size_t>(k)] = years[k - 1].trimmed().toInt();
    }
    m_view.markersVisible = true;

    m_view.progress = progressText(m_clearCounter[m_current]);
    m_coverTimerOn = true;
    ++m_coverTimerStarts;
}

void DrillRun::coverTimerFired()
{
    m_coverTimerOn = false;
    m_view.coverVisible = false;
}

void DrillRun::yearCoverTimerFired()
{
    m_yearCoverTimerOn = false;
    m_view.yearCoverVisible = false;
}

void DrillRun::chooseSlot(int slot)
{
    if (m_timedOut || m_recordingDone || m_practice || slot < 0 || slot > 10)
        return;
    ChoiceSlot &s = m_view.choices[static_cast<std::size_t>(slot)];
    // Only what the pupil can see and reach can be chosen: the prompt and the grid lie under
    // the clue cover and under the year panel; the answer repeated in the year panel only shows
    // with that panel.
    const bool reachable = slot == 10 ? m_view.yearPanelVisible
                                      : !m_view.coverVisible && !m_view.yearPanelVisible;
    if (!reachable || !s.visible || !s.enabled || s.main.isEmpty())
        return;
    if (slot == m_answerSlot) {
        m_verdict = AnswerVerdict::Right;
    } else {
        m_verdict = AnswerVerdict::Wrong;
        s.enabled = false;
    }
    afterJudging();
}

void DrillRun::showAnswer(ChoiceSlot &large)
{
    const Question &q = question(m_current);
    large.explanationStyle = m_kind == 2;
    large.main = m_kind == 1 ? q.name : q.explain;
    large.sub = m_kind == 1 ? q.nameSub : q.explainSub;
    large.visible = true;
    large.subVisible = true;
    large.enabled = true;
}

void DrillRun::afterJudging()
{
    if (m_timedOut)
        return;
    int &counter = m_clearCounter[m_current];
    if (m_verdict == AnswerVerdict::Right) {
        m_verdict = AnswerVerdict::None;
        m_sounds.CorrectSound();
        if (m_timedOut || m_recordingDone)
            return;
        ++counter;
        m_view.progress = counter == 1 ? QStringLiteral("この問題クリア！") : progressText(counter);
        showAnswer(m_view.choices[0]);
        showAnswer(m_view.choices[10]);
        m_view.yearPanelVisible = true;
        m_yearCoverTimerOn = true;
        ++m_yearCoverTimerStarts;
        for (int slot = 1; slot <= 9; ++slot)
            m_view.choices[static_cast<std::size_t>(slot)].visible = false;
        m_view.yearsVisible = true;
        m_view.yearCaption = QStringLiteral("年代を答えなさい");
        m_view.yearCaptionVisible = true;
        m_view.ruleVisible = true;
        return;
    }
    m_host.letEventsRun();
    m_sounds.WrongAnswerSound();
    counter = std::max(counter - 2, -2);
    m_view.progress = progressText(counter);
}

void DrillRun::chooseYear(int index)
{
    if (m_timedOut || m_recordingDone || index < 1 || index > DrillView::kYears)
        return;
    if (!m_view.yearPanelVisible || !m_view.yearsVisible || m_view.yearCoverVisible)
        return;
    const QString &text = m_view.yearTexts[static_cast<std::size_t>(index)];
    if (text.trimmed().toInt() != question(m_current).year) {
        m_runStart -= kPenaltySeconds;
        m_sounds.WrongYearSound();
        return;
    }
    m_view.yearCaption = text.trimmed();
    m_sounds.CorrectSound();
    m_view.yearPanelVisible = false;
    m_view.yearsVisible = false;
    makeQuestion();
}

void DrillRun::pressDigit(int digit)
{
    if (m_practice) {
        chooseDisplayOrder(digit);
        return;
    }
    if (m_view.yearPanelVisible) {
        if (digit >= 1 && digit <= DrillView::kYears)
            chooseYear(digit);
        return;
    }
    if (digit >= 1 && digit <= 9)
        chooseSlot(digit);
}

int DrillRun::rawTimeNow() const
{
    // Halves go to the even second (banker's rounding), so recorded times match those of the
    // other copies of the program that share the run log.
    return static_cast<int>(std::nearbyint(m_clock.monotonicSeconds() - m_runStart));
}

void DrillRun::hideCountdown(int firstBlock, int reference, int rawTime)
{
    // One block goes each second over the last ten seconds up to the reference time. A penalty
    // can jump the clock past it; then every block up to the current second goes at once, so
    // no block is left standing for a time that has passed.
    if (reference <= 0)
        return;
    const int last = std::min(9, rawTime - reference + 9);
    for (int i = 0; i <= last; ++i)
        m_view.blockHidden[static_cast<std::size_t>(firstBlock + i)] = true;
}

void DrillRun::updateBlocks(int rawTime)
{
    const LevelTiming &timing = m_install.timingTable[static_cast<std::size_t>(m_session.runLevel)];
    hideCountdown(10, m_levelBestTime, rawTime);
    hideCountdown(20, m_ownBestTime, rawTime);
    hideCountdown(30, timing.passTime, rawTime);
    if (timing.limitTime >= rawTime) {
        for (int i = 0; i <= 9; ++i) {
            if (rawTime == timing.limitTime - i)
                m_view.blockHidden[static_cast<std::size_t>(39 - i)] = true;
        }
    }
}

void DrillRun::clockTick()
{
    if (!m_clockOn)
        return;
    const int rawTime = rawTimeNow();
    m_rawTime = rawTime;
    updateBlocks(rawTime);
    m_view.time = QString::number(rawTime);
    if (rawTime < m_barSeconds) {
        m_view.barElapsedWidth = rawTime * m_barScale;
        m_host.letEventsRun();
        return;
    }
    m_view.barElapsedWidth = m_view.barFrameWidth;
    if (!m_recordingDone) {
        m_timedOut = true;
        m_clockOn = false;
        endRun();
    }
}

RunOutcome DrillRun::outcome() const
{
    RunOutcome result;
    result.level = m_session.runLevel;
    result.timedOut = m_timedOut;
    result.seconds = m_timedOut ? RunOutcome::kTimedOutSeconds : m_rawTime;
    return result;
}

DrillRun::CloseRequest DrillRun::closeRequest() const
{
    if (m_recordingDone)
        return CloseRequest::Ignore;
    return m_practice ? CloseRequest::EndPractice : CloseRequest::AskAbandon;
}

QString DrillRun::abandonQuestion()
{
    return QStringLiteral("テストを途中でやめますか？\n"
                          "やめると、このテストの成績は記録されません。");
}

void DrillRun::abandon()
{
    if (m_recordingDone)
        return;
    halt();
    m_host.abandonRun();
}

void DrillRun::halt()
{
    // From here on nothing may answer, time out or record this run.
    m_recordingDone = true;
    m_clockOn = false;
    m_coverTimerOn = false;
    m_yearCoverTimerOn = false;
    switchPracticeTimer(PracticeStep::None);
}

void DrillRun::minutesTick()
{
    updateMinutes();
}

void DrillRun::endRun()
{
    m_host.letEventsRun();
    if (m_recordingDone)
        return;
    m_recordingDone = true;
    m_view.noticeVisible = true;
    m_view.noticeTimeUp = m_timedOut;
    m_view.noticeRecording = !m_timedOut;
    m_host.letEventsRun();

    if (m_practice) {
        m_clockOn = false;
        switchPracticeTimer(PracticeStep::None);
        m_host.showWaitScreen();
        m_host.finishPractice();
        m_host.letEventsRun();
        return;
    }
    m_clockOn = false;
    m_host.recordRun(outcome());
    m_host.showWaitScreen();
    m_host.letEventsRun();
    m_host.finishTestRun();
}

namespace {

enum class Part { Year, Explanation, Name };

// The parts of an item in the three sections, for display orders 1 to 6.
constexpr std::array<std::array<Part, 3>, 6> kOrders{{
    {Part::Year, Part::Explanation, Part::Name},
    {Part::Year, Part::Name, Part::Explanation},
    {Part::Explanation, Part::Year, Part::Name},
    {Part::Explanation, Part::Name, Part::Year},
    {Part::Name, Part::Year, Part::Explanation},
    {Part::Name, Part::Explanation, Part::Year},
}};

QString heading(Part part)
{
    switch (part) {
    case Part::Year: return QStringLiteral("年代");
    case Part::Explanation: return QStringLiteral("説明");
    case Part::Name: return QStringLiteral("人名");
    }
    return {};
}

} // namespace

void DrillRun::switchPracticeTimer(PracticeStep next)
{
    m_nextStep = next;
    if (next != PracticeStep::None)
        ++m_practiceTimerStarts;
}

void DrillRun::practice()
{
    m_cursor = 0;
    m_view.displayOrder = 1;
    setSpeed(2000);
    // One mark per question of the group, however large it is.
    m_memorized = QList<bool>(m_questions.size() + 1, false);
    clearSections();
    switchPracticeTimer(PracticeStep::Step1);
}

void DrillRun::clearSections()
{
    for (auto &section : m_view.sections)
        section = DrillView::PracticeSection{};
    m_view.practiceMarkerVisible = false;
}

void DrillRun::showPart(int section)
{
    const Part part = kOrders[static_cast<std::size_t>(m_view.displayOrder - 1)][static_cast<std::size_t>(section)];
    const Question &q = question(m_cursor);
    DrillView::PracticeSection &s = m_view.sections[static_cast<std::size_t>(section)];
    switch (part) {
    case Part::Year:
        s.main = QStringLiteral("%1年").arg(q.year);
        s.second.clear();
        m_view.practiceMarkerYear = q.year;
        m_view.practiceMarkerVisible = true;
        break;
    case Part::Explanation:
        s.main = q.explain;
        s.second = q.explainSub;
        break;
    case Part::Name:
        s.main = q.name;
        s.second = q.nameSub;
        break;
    }
}

void DrillRun::practiceTimerFired()
{
    switch (m_nextStep) {
    case PracticeStep::Step1: practiceStep1(); break;
    case PracticeStep::Step2: practiceStep2(); break;
    case PracticeStep::Step3: practiceStep3(); break;
    case PracticeStep::None: break;
    }
}

void DrillRun::practiceStep1()
{
    switchPracticeTimer(PracticeStep::None);
    clearSections();
    for (int section = 0; section < 3; ++section) {
        m_view.sections[static_cast<std::size_t>(section)].heading =
            heading(kOrders[static_cast<std::size_t>(m_view.displayOrder - 1)][static_cast<std::size_t>(section)]);
    }
    const int n = questionCount();
    const int marked = static_cast<int>(std::count(m_memorized.cbegin() + 1, m_memorized.cend(), true));
    m_view.remaining = QString::number(n - marked);
    if (marked == n) {
        endPractice();
        return;
    }
    do {
        m_cursor = m_cursor >= n ? 1 : m_cursor + 1;
    } while (m_memorized[m_cursor]);
    showPart(0);
    switchPracticeTimer(PracticeStep::Step2);
}

void DrillRun::practiceStep2()
{
    switchPracticeTimer(PracticeStep::None);
    showPart(1);
    switchPracticeTimer(PracticeStep::Step3);
}

void DrillRun::practiceStep3()
{
    switchPracticeTimer(PracticeStep::None);
    showPart(2);
    switchPracticeTimer(PracticeStep::Step1);
}

void DrillRun::chooseDisplayOrder(int order)
{
    if (!m_practice || m_recordingDone || order < 1 || order > 6)
        return;
    switchPracticeTimer(PracticeStep::None);
    clearSections();
    m_view.displayOrder = order;
    switchPracticeTimer(PracticeStep::Step1);
}

void DrillRun::markMemorised()
{
    if (!m_practice || m_recordingDone || m_cursor < 1)
        return;
    m_memorized[m_cursor] = true;
}

void DrillRun::setSpeed(int value)
{
    m_view.speed = std::clamp(value, 1000, 3000);
}

void DrillRun::endPractice()
{
    if (!m_practice || m_recordingDone)
        return;
    // The practice stops here: nothing keeps running behind the level screen, so no forgotten
    // practice can end later on top of whatever screen is then in front.
    switchPracticeTimer(PracticeStep::None);
    m_clockOn = false;
    m_recordingDone = true;
    m_host.finishPractice();
}
