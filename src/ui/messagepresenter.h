#pragma once

#include <QString>

class QWidget;

// Shows a message box, or asks a yes/no question, and waits for the answer. Screens and start-up
// speak through this so that tests can read the messages and answer the questions instead of
// clicking them away.
class MessagePresenter
{
public:
    enum class Icon { Information, Warning, Critical };
    enum class Answer { Yes, No };

    virtual ~MessagePresenter() = default;
    virtual void show(Icon icon, const QString &title, const QString &text, QWidget *parent = nullptr) = 0;
    // A question with the buttons "はい" and "いいえ"; true for はい. `byDefault` is the answer
    // Return gives: いいえ where はい would lose something. Closing the box without choosing
    // counts as いいえ.
    virtual bool ask(const QString &title, const QString &text, Answer byDefault, QWidget *parent = nullptr) = 0;
};

// The real message boxes.
class BoxMessagePresenter : public MessagePresenter
{
public:
    void show(Icon icon, const QString &title, const QString &text, QWidget *parent = nullptr) override;
    bool ask(const QString &title, const QString &text, Answer byDefault, QWidget *parent = nullptr) override;
};
