#include "namechangeeditor.h"

#include "namecheck.h"

NameChangeEditor::NameChangeEditor(QString rosterPath)
    : m_rosterPath(std::move(rosterPath))
{
}

void NameChangeEditor::load()
{
    m_loaded = namechange::load(m_rosterPath);
    const std::vector<namechange::Boxes> &boxes = m_loaded;
    m_pupils = static_cast<int>(boxes.size());
    for (std::size_t i = 0; i < m_view.rows.size(); ++i) {
        NameChangeView::Row &row = m_view.rows[i];
        row.enabled = i < boxes.size();
        row.name = row.enabled ? boxes[i].name : QString();
        row.birthYear = row.enabled ? boxes[i].birthYear : QString();
    }
}

void NameChangeEditor::setName(int row, const QString &text)
{
    if (row >= 0 && row < m_pupils)
        m_view.rows.at(row).name = text;
}

void NameChangeEditor::setBirthYear(int row, const QString &text)
{
    if (row >= 0 && row < m_pupils)
        m_view.rows.at(row).birthYear = text;
}

std::vector<namechange::Boxes> NameChangeEditor::typedBoxes() const
{
    std::vector<namechange::Boxes> boxes;
    for (int i = 0; i < m_pupils; ++i) {
        const NameChangeView::Row &row = m_view.rows.at(i);
        boxes.push_back({row.name, row.birthYear});
    }
    return boxes;
}

std::optional<NameChangeEditor::Refusal> NameChangeEditor::save()
{
    const std::vector<namechange::Boxes> boxes = typedBoxes();
    if (const auto problem = namecheck::firstProblem(boxes)) {
        m_view.status.clear();
        return Refusal{problem->message, problem->row - 1, problem->birthYear};
    }
    const namechange::SaveResult result = namechange::save(m_rosterPath, m_loaded, boxes);
    if (!result.saved) {
        m_view.status = result.changed ? QStringLiteral("変更しました。") : QString();
        if (!result.changedElsewhere.empty())
            load();
        return Refusal{result.message, std::nullopt, false};
    }
    m_view.status = result.changed ? QStringLiteral("変更しました。") : QStringLiteral("変更はありません。");
    load();
    return std::nullopt;
}
