#include "schoolchooser.h"

#include <QDir>

#include <algorithm>

SchoolChooser::SchoolChooser(std::vector<SchoolChoice> choices, const QString &lastChoice, const QString &note)
    : m_choices(std::move(choices))
    , m_givenNote(note)
{
    m_view.title = QStringLiteral("Tavrel — 学校を選ぶ");
    m_view.heading = QStringLiteral("使う学校を選んで「開く」を押してください。");
    for (const SchoolChoice &c : m_choices) {
        if (c.demo)
            m_view.lines << QStringLiteral("お試し用のデモ（記録はこのアカウントだけに残ります）");
        else if (c.available)
            m_view.lines << QStringLiteral("%1　（%2）").arg(c.name, QDir::toNativeSeparators(c.programFolder));
        else
            m_view.lines << QStringLiteral("%1　（見つかりません: %2）").arg(c.name, QDir::toNativeSeparators(c.programFolder));
    }
    for (std::size_t i = 0; i < m_choices.size() && m_view.selected < 0; ++i) {
        const SchoolChoice &c = m_choices[i];
        if (c.demo ? lastChoice == demoChoice() : QDir::cleanPath(c.programFolder) == QDir::cleanPath(lastChoice))
            m_view.selected = static_cast<int>(i);
    }
    // Without a last choice, the first school that is there.
    for (std::size_t i = 0; i < m_choices.size() && m_view.selected < 0; ++i) {
        if (m_choices[i].available)
            m_view.selected = static_cast<int>(i);
    }
    refresh();
}

void SchoolChooser::refresh()
{
    const bool any = std::any_of(m_choices.begin(), m_choices.end(), [](const SchoolChoice &c) { return !c.demo; });
    QString note = m_givenNote;
    const auto add = [&note](const QString &line) {
        if (!note.isEmpty())
            note += u'\n';
        note += line;
    };
    if (!any)
        add(QStringLiteral("このコンピューターには学校が登録されていません。"
                           "先生が tavrel-admin new-school で学校を作ると、ここに出ます。"));
    if (m_choices.empty())
        add(QStringLiteral("お試し用のデモも見つかりません。"));
    const bool selectable = m_view.selected >= 0 && m_view.selected < static_cast<int>(m_choices.size());
    if (selectable && !m_choices[static_cast<std::size_t>(m_view.selected)].available)
        add(QStringLiteral("この学校のフォルダが見つかりません。ネットワークのフォルダがつながっているか、先生に確かめてもらってください。"));
    m_view.note = note;
    m_view.openEnabled = !m_view.finished && selectable && m_choices[static_cast<std::size_t>(m_view.selected)].available;
}

void SchoolChooser::select(int row)
{
    if (m_view.finished)
        return;
    m_view.selected = row >= 0 && row < static_cast<int>(m_choices.size()) ? row : -1;
    refresh();
}

void SchoolChooser::open()
{
    if (!m_view.openEnabled)
        return;
    m_opened = true;
    m_view.finished = true;
    refresh();
}

void SchoolChooser::giveUp()
{
    m_view.finished = true;
    refresh();
}

std::optional<SchoolChoice> SchoolChooser::chosen() const
{
    if (!m_opened)
        return std::nullopt;
    return m_choices[static_cast<std::size_t>(m_view.selected)];
}
