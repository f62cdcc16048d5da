#pragma once

#include "namechange.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// Everything the name-change screen shows: the boxes of the first three pupils of the roster and
// the line under the buttons.
struct NameChangeView
{
    struct Row
    {
        QString name;
        QString birthYear;
        bool enabled = false; // there is a pupil for this row
    };
    std::array<Row, namechange::kEditableEntries> rows{};
    QString status; // "変更しました。", "変更はありません。" or empty

    bool operator==(const NameChangeView &) const = default;
};

// The name change apart from any widget: the boxes as typed, checked before anything is written
// (namecheck), then saved and read back (namechange). The screen forwards every change of a box
// and the two buttons, and renders view().
class NameChangeEditor
{
public:
    // Why a save wrote nothing: the message to show and, when a box breaks its rule, the box to
    // put the cursor in.
    struct Refusal
    {
        QString message;
        std::optional<int> row; // 0-based row of the box at fault
        bool birthYear = false; // the birth-year box of that row, else the name box

        bool operator==(const Refusal &) const = default;
    };

    explicit NameChangeEditor(QString rosterPath);

    // Reads the boxes from the roster afresh; rows without a pupil are empty and disabled.
    void load();
    // A box's text changed (typed or pasted); rows without a pupil keep their empty boxes.
    void setName(int row, const QString &text);
    void setBirthYear(int row, const QString &text);
    // "変更": checks every box, writes the roster and reads the boxes back; nothing when it was
    // saved, otherwise why not (the roster is then as it was and the status line is empty).
    std::optional<Refusal> save();

    const NameChangeView &view() const { return m_view; }

private:
    std::vector<namechange::Boxes> typedBoxes() const;

    QString m_rosterPath;
    int m_pupils = 0; // rows with a pupil
    NameChangeView m_view;
};
