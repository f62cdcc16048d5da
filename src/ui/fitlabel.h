#pragma once

#include <QLabel>

#include <optional>

// A label whose text is drawn smaller when it would not fit its width or its height, so that a
// long name or line is never cut off, nor the bottom of its strokes; a word-wrapped label shrinks
// until its wrapped lines fit. Text that fits is drawn exactly as a QLabel draws it. Plain text
// only. Every label of the screens is one, so that no screen can cut a text off.
class FitLabel : public QLabel
{
public:
    explicit FitLabel(QWidget *parent = nullptr);
    explicit FitLabel(const QString &text, QWidget *parent = nullptr);

    // The font the text is drawn with at the current size: the label's font, or a smaller one
    // whose text fits the contents rectangle in width and height.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont fitFont() const;

    // The last fitting, kept while the text, font and box stay the same.
    struct Fitted
    {
        QString text;
        QFont font;
        QSize box;
        int margin = 0;
        bool wordWrap = false;
        QFont fitted;
    };
    mutable std::optional<Fitted> m_fitted;
};
