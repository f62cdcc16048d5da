#include "drillrun.h"

#include "installation.h"
#include "pupilsession.h"
#include "catalogue.h"
#include "clock.h"
#include "drillhost.h"
#include "questionidentity.h"
#include "questionrules.h"
#include "randomsource.h"
#include "screenpainter.h"
#include "soundeffects.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr int kSecondsPerDay = 24 * 60 * 60;
}

DrillRun::DrillRun(const Installation &install, const PupilSession &session, const Clock &clock,
                   RandomSource &random, SoundEffects &sounds, DrillHost &host, ScreenPainter &painter)
    : m_install(install)
    , m_session(session)
    , m_clock(clock)
    , m_random(random)
    , m_sounds(sounds)
    , m_host(host)
    , m_painter(painter)
{
}

void DrillRun::activate(QList<Question> questions, const RunHistory &history)
{
    m_view = DrillView{};
    m_questions = std::move(questions);
    m_clearCounter = QList<int>(m_questions.size(), 0);
    m_answers.assign(static_cast<std::size_t>(m_questions.size()), QuestionAnswers{});
    for (qsizetype i = 0; i < m_questions.size(); ++i) {
        QuestionAnswers &a = m_answers[static_cast<std::size_t>(i)];
        a.group = m_questions[i].group;
        a.line = m_questions[i].line;
        a.nameHash = questionidentity::nameHash(m_questions[i].name);
    }
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
    m_ended = false;
    m_timedOut = false;
    const int level = m_session.runLevel;
    const LevelTiming &timing = m_install.timingTable[level];

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
        m_view.todayRun = QString::number(history.runsToday + 1);
        m_view.levelRun = QString::number(history.runsTodayAtLevel + 1);
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
    if (m_ended)
        return;
    const int n = questionCount();
    const int cleared = static_cast<int>(std::count(m_clearCounter.cbegin(), m_clearCounter.cend(), 1));
    m_view.remaining = QString::number(n - cleared);
    if (cleared == n) {
        endRun();
        return;
    }

    // Draws are 1-based: the random source chooses among 1 to n.
    do {
        m_current = m_random.choose(n) - 1;
    } while (m_clearCounter[m_current] == 1);
    ++answersOf(m_current).asked;
    m_view.coverVisible = true;
    m_kind = m_random.choose(2) == 1 ? QuestionKind::PickName : QuestionKind::PickExplanation;

    const Question &q = question(m_current);
    const bool explanations = m_kind == QuestionKind::PickExplanation;
    m_view.clue = explanations ? q.name : q.explain;
    m_view.clueSub = explanations ? q.nameSub : q.explainSub;
    m_view.cluePoints = explanations ? 36.0 : 24.0;

    const ChoiceStyle style = explanations ? ChoiceStyle::Explanation : ChoiceStyle::Name;
    // Question numbers of the wrong choices, 1-based; 0 where the group is too small to fill one.
    const QList<int> wrong = questionrules::drawDistractors(n, m_current + 1, m_random);
    for (int choice = 0; choice < DrillView::kChoices; ++choice) {
        ChoiceSlot &s = m_view.choices.at(choice);
        const int number = wrong[choice];
        s = ChoiceSlot{};
        s.style = style;
        if (number > 0) {
            const Question &other = question(number - 1);
            s.main = explanations ? other.explain : other.name;
            s.sub = explanations ? other.explainSub : other.nameSub;
        } else {
            // A group too small to fill the choice: it stays empty and cannot be chosen.
            s.enabled = false;
        }
    }

    m_answerChoice = m_random.choose(DrillView::kChoices) - 1;
    ChoiceSlot &answer = m_view.choices.at(m_answerChoice);
    answer.main = explanations ? q.explain : q.name;
    answer.sub = explanations ? q.explainSub : q.nameSub;
    answer.enabled = true;

    m_view.prompt = ChoiceSlot{};
    m_view.prompt.main = explanations ? QStringLiteral("関係あるのは") : QStringLiteral("誰ですか");
    m_view.prompt.subVisible = false;
    m_view.answerInYearPanel = ChoiceSlot{};

    const QStringList years = questionrules::drawCandidateYears(q.year, m_random);
    m_view.yearsVisible = false;
    m_view.yearCaptionVisible = false;
    m_view.ruleVisible = false;
    m_view.yearCaption = QStringLiteral("年代");
    m_view.yearCoverVisible = true;
    for (std::size_t k = 0; k < m_view.yearTexts.size(); ++k) {
        m_view.yearTexts[k] = years[static_cast<qsizetype>(k)];
        m_view.markerYears[k] = m_view.yearTexts[k].trimmed().toInt();
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

// Only what the pupil can see and reach can be chosen: the prompt and the grid lie under the
// clue cover and under the year panel; the answer repeated in the year panel only shows with that
// panel. Only a choice of the grid can be the answer: the prompt and the repeated answer count as
// wrong, as every other label of the panel does.
void DrillRun::choosePrompt()
{
    judge(m_view.prompt, false, !m_view.coverVisible && !m_view.yearPanelVisible);
}

void DrillRun::chooseChoice(int choice)
{
    if (choice < 0 || choice >= DrillView::kChoices)
        return;
    judge(m_view.choices.at(choice), choice == m_answerChoice,
          !m_view.coverVisible && !m_view.yearPanelVisible);
}

void DrillRun::chooseAnswerInYearPanel()
{
    judge(m_view.answerInYearPanel, false, m_view.yearPanelVisible);
}

void DrillRun::judge(ChoiceSlot &slot, bool right, bool reachable)
{
    if (m_ended || m_practice)
        return;
    if (!reachable || !slot.visible || !slot.enabled || slot.main.isEmpty())
        return;
    if (!right)
        slot.enabled = false;
    afterJudging(right);
}

void DrillRun::showAnswer(ChoiceSlot &large)
{
    const Question &q = question(m_current);
    const bool explanations = m_kind == QuestionKind::PickExplanation;
    large.style = explanations ? ChoiceStyle::Explanation : ChoiceStyle::Name;
    large.main = explanations ? q.explain : q.name;
    large.sub = explanations ? q.explainSub : q.nameSub;
    large.visible = true;
    large.subVisible = true;
    large.enabled = true;
}

void DrillRun::afterJudging(bool right)
{
    int &counter = m_clearCounter[m_current];
    if (right) {
        m_sounds.CorrectSound();
        // A sound that fails ends the program behind a message, which halts the run.
        if (m_ended)
            return;
        ++counter;
        m_view.progress = counter == 1 ? QStringLiteral("この問題クリア！") : progressText(counter);
        showAnswer(m_view.prompt);
        showAnswer(m_view.answerInYearPanel);
        m_view.yearPanelVisible = true;
        m_yearCoverTimerOn = true;
        ++m_yearCoverTimerStarts;
        for (ChoiceSlot &choice : m_view.choices)
            choice.visible = false;
        m_view.yearsVisible = true;
        m_view.yearCaption = QStringLiteral("年代を答えなさい");
        m_view.yearCaptionVisible = true;
        m_view.ruleVisible = true;
        return;
    }
    // The wrong choice shows greyed out while its sound plays.
    m_painter.paintNow();
    ++answersOf(m_current).wrongChoices;
    m_sounds.WrongAnswerSound();
    counter = std::max(counter - 2, -2);
    m_view.progress = progressText(counter);
}

void DrillRun::chooseYear(int index)
{
    if (m_ended || index < 0 || index >= DrillView::kYears)
        return;
    if (!m_view.yearPanelVisible || !m_view.yearsVisible || m_view.yearCoverVisible)
        return;
    const QString &text = m_view.yearTexts.at(index);
    if (text.trimmed().toInt() != question(m_current).year) {
        m_runStart -= kPenaltySeconds;
        ++answersOf(m_current).wrongYears;
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
            chooseYear(digit - 1);
        return;
    }
    if (digit >= 1 && digit <= DrillView::kChoices)
        chooseChoice(digit - 1);
}

int DrillRun::rawTimeNow() const
{
    // Halves go to the even second (banker's rounding), so recorded times match those of the
    // other copies of the program that share the run log.
    return static_cast<int>(std::nearbyint(m_clock.monotonicSeconds() - m_runStart));
}

void DrillRun::hideCountdown(CountdownRow &row, int reference, int rawTime)
{
    // One block goes each second over the last ten seconds up to the reference time. A penalty
    // can jump the clock past it; then every block up to the current second goes at once, so
    // no block is left standing for a time that has passed.
    if (reference <= 0)
        return;
    const int gone = std::min(CountdownRow::kBlocks, rawTime - reference + CountdownRow::kBlocks);
    if (gone > 0)
        std::fill_n(row.hidden.begin(), gone, true);
}

void DrillRun::updateBlocks(int rawTime)
{
    const LevelTiming &timing = m_install.timingTable[m_session.runLevel];
    hideCountdown(m_view.bestRow, m_levelBestTime, rawTime);
    hideCountdown(m_view.yourBestRow, m_ownBestTime, rawTime);
    hideCountdown(m_view.passRow, timing.passTime, rawTime);
    // The last ten seconds up to the limit take the pass row's blocks from the right.
    const int toLimit = timing.limitTime - rawTime;
    if (toLimit >= 0 && toLimit < CountdownRow::kBlocks)
        m_view.passRow.hidden.at(CountdownRow::kBlocks - 1 - toLimit) = true;
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
        return;
    }
    m_view.barElapsedWidth = m_view.barFrameWidth;
    m_timedOut = true;
    endRun();
}

RunOutcome DrillRun::outcome() const
{
    RunOutcome result;
    result.level = m_session.runLevel;
    result.timedOut = m_timedOut;
    result.seconds = m_timedOut ? RunOutcome::kTimedOutSeconds : m_rawTime;
    if (!m_practice) {
        result.answers = m_answers;
        for (std::size_t i = 0; i < result.answers.size(); ++i)
            result.answers[i].cleared = m_clearCounter.at(static_cast<qsizetype>(i)) == 1;
    }
    return result;
}

DrillRun::CloseRequest DrillRun::closeRequest() const
{
    if (m_ended)
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
    if (m_ended)
        return;
    halt();
    m_host.abandonRun();
}

void DrillRun::halt()
{
    // From here on nothing may answer, time out or record this run.
    m_ended = true;
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
    m_ended = true;
    m_clockOn = false;
    switchPracticeTimer(PracticeStep::None);
    m_view.noticeVisible = true;
    m_view.noticeTimeUp = m_timedOut;
    m_view.noticeRecording = !m_timedOut;
    // The notice is on the screen before the run is recorded, which may wait for the run log.
    m_painter.paintNow();

    if (m_practice) {
        m_host.showWaitScreen();
        m_host.finishPractice();
        return;
    }
    m_host.recordRun(outcome());
    m_host.showWaitScreen();
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
    m_cursor = -1;
    m_view.displayOrder = 1;
    setSpeed(2000);
    // One mark per question of the group, however large it is.
    m_memorized = QList<bool>(m_questions.size(), false);
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
    const Part part = kOrders[m_view.displayOrder - 1][section];
    const Question &q = question(m_cursor);
    DrillView::PracticeSection &s = m_view.sections[section];
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
        m_view.sections[section].heading =
            heading(kOrders[m_view.displayOrder - 1][section]);
    }
    const int n = questionCount();
    const int marked = static_cast<int>(std::count(m_memorized.cbegin(), m_memorized.cend(), true));
    m_view.remaining = QString::number(n - marked);
    if (marked == n) {
        endPractice();
        return;
    }
    do {
        m_cursor = m_cursor + 1 >= n ? 0 : m_cursor + 1;
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
    if (!m_practice || m_ended || order < 1 || order > 6)
        return;
    switchPracticeTimer(PracticeStep::None);
    clearSections();
    m_view.displayOrder = order;
    switchPracticeTimer(PracticeStep::Step1);
}

void DrillRun::markMemorised()
{
    if (!m_practice || m_ended || m_cursor < 0)
        return;
    m_memorized[m_cursor] = true;
}

void DrillRun::setSpeed(int value)
{
    m_view.speed = std::clamp(value, 1000, 3000);
}

void DrillRun::endPractice()
{
    if (!m_practice || m_ended)
        return;
    // The practice stops here: nothing keeps running behind the level screen, so no forgotten
    // practice can end later on top of whatever screen is then in front.
    switchPracticeTimer(PracticeStep::None);
    m_clockOn = false;
    m_ended = true;
    m_host.finishPractice();
}
