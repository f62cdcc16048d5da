#pragma once

#include <QString>

class QWidget;

// Shows a message box and waits until it is closed. Screens and start-up speak through this so
// that tests can read the messages instead of clicking them away.
class MessagePresenter
{
public:
    enum class Icon { Information, Warning, Critical };

    virtual ~MessagePresenter() = default;
    virtual void show(Icon icon, const QString &title, const QString &text, QWidget *parent = nullptr) = 0;
};

// The real message boxes.
class BoxMessagePresenter : public MessagePresenter
{
public:
    void show(Icon icon, const QString &title, const QString &text, QWidget *parent = nullptr) override;
};
