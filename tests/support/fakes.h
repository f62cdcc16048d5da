#pragma once

#include "corefakes.h"
#include "messagepresenter.h"

#include <QList>
#include <QString>

#include <functional>

struct ShownMessage
{
    MessagePresenter::Icon icon;
    QString title;
    QString text;
};

class FakeMessagePresenter : public MessagePresenter
{
public:
    // Keeps the message; `whileShowing` runs then, as ticks would while a real box is up.
    void show(Icon icon, const QString &title, const QString &text, QWidget * = nullptr) override
    {
        shown.append({icon, title, text});
        if (whileShowing)
            whileShowing();
    }
    // Keeps the question and gives `answer`; `whileAsking` runs first, as ticks or clicks would
    // while a real question waits.
    bool ask(const QString &title, const QString &text, Answer byDefault, QWidget * = nullptr) override
    {
        asked.append({Icon::Information, title, text});
        askedDefaults.append(byDefault);
        if (whileAsking)
            whileAsking();
        return answer;
    }
    QList<ShownMessage> shown;
    QList<ShownMessage> asked;
    QList<Answer> askedDefaults; // the default answer of each question asked
    bool answer = true;
    std::function<void()> whileAsking;
    std::function<void()> whileShowing;
};
