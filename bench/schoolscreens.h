#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs `input`, then lets events run until a round passes with nothing painted, and on a real
// display waits for the server to have handled what was sent: the time from an input to the
// screen that shows its result. Returns the number of paints of widgets for which
// `counts` holds (all widgets when it is empty).
int paintAfter(const std::function<void()> &input, const std::function<bool(const QWidget *)> &counts = {});

// Notices paints of the widgets for which a predicate holds, while it lives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(std::function<bool(const QWidget *)> counts);
    ~PaintCounter() override;

    int paints = 0;
    int counted = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool(const QWidget *)> m_counts;
};
