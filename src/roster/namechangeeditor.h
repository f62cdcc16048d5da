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
// (namecheck), then saved and read back (namechange): only the rows the pupil edited are written,
// each against what was loaded into its boxes. The screen forwards every change of a box and the
// two buttons, and renders view().
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
    // "変更": checks every box, writes the edited rows and reads the boxes back; nothing when it
    // was saved, otherwise why not. A box at fault writes nothing and empties the status line; a
    // save that could not take every edit (a row another writer changed since it was loaded, a
    // roster that cannot be read or locked) says so, with "変更しました。" for what it did write,
    // and shows the file as it is now when rows changed elsewhere.
    std::optional<Refusal> save();

    const NameChangeView &view() const { return m_view; }

private:
    std::vector<namechange::Boxes> typedBoxes() const;

    QString m_rosterPath;
    std::vector<namechange::Boxes> m_loaded; // what the boxes were filled with from the file
    int m_pupils = 0;                        // rows with a pupil
    NameChangeView m_view;
};
