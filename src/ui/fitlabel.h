#pragma once

#include <QLabel>

// A one-line label whose text is drawn smaller when it would not fit its width, so that a long
// name or line is never cut off. Text that fits is drawn exactly as a QLabel draws it.
class FitLabel : public QLabel
{
public:
    explicit FitLabel(QWidget *parent = nullptr);
    explicit FitLabel(const QString &text, QWidget *parent = nullptr);

    // The font the text is drawn with at the current size: the label's font, or a smaller one.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
