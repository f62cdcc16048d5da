#pragma once

#include <QWidget>

struct AppState;
class TwipLayout;

// The start screen, on which a pupil picks their name. It fills the whole display.
class NameSel : public QWidget
{
public:
    explicit NameSel(AppState &state, QWidget *parent = nullptr);

    TwipLayout *layoutHelper() const { return m_layout; }

private:
    AppState &m_state;
    TwipLayout *m_layout = nullptr;
};
