#pragma once

#include <QChar>
#include <QString>

// What the start screen holds between a click on a list line and the confirmation: the caption
// over the list and the roster number of the chosen pupil (0 when nobody is chosen).
struct NameChoice
{
    QString caption;
    int pupilNo = 0;

    bool operator==(const NameChoice &) const = default;

    // The caption while no pupil is chosen; confirming it is refused.
    static QString prompt() { return QStringLiteral("名前を選びなさい"); }
    static NameChoice none() { return NameChoice{prompt(), 0}; }

    // Confirmable: a caption other than the prompt and a roster number from 1 to 5000.
    bool confirmable() const;

    // The caption after a click on a pupil's list line: its first ten characters (grade label
    // and name, the name cut when long), without surrounding blanks.
    static QString clickCaption(const QString &lineText);
    // The caption after a double click, which confirms at once: the line up to the first "/".
    static QString doubleClickCaption(const QString &lineText);
};

// What a key pressed on the start screen does. The screen sees keys before its controls.
enum class StartKeyAction { None, Confirm, Leave };

// "1" confirms while the O.K. button is shown, "0" leaves the program while the way out is
// shown; Enter and space confirm when the list has the focus. Nothing confirms while the O.K.
// button is hidden, which it is from a confirmation until the screen is shown again, so that a
// second key press cannot start level selection twice.
StartKeyAction startScreenKey(QChar key, bool listHasFocus, bool confirmShown, bool leaveShown);
