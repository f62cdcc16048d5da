#pragma once

#include "messagepresenter.h"

#include <QString>

#include <cstdio>

// Messages of a program run by a benchmark: the last one is kept (and written to standard error
// when `echo` is set) instead of shown, and every question is answered no.
class SilentPresenter : public MessagePresenter
{
public:
    explicit SilentPresenter(bool echo = false)
        : m_echo(echo)
    {
    }

    void show(Icon, const QString &, const QString &text, QWidget *) override
    {
        last = text;
        if (m_echo)
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
    bool ask(const QString &, const QString &, Answer, QWidget *) override { return false; }

    QString last;

private:
    bool m_echo = false;
};
