#pragma once

#include <QLabel>

#include <optional>

// A label whose text is drawn smaller when it would not fit its width or its height, so that a
// long name or line is never cut off, nor the bottom of its strokes; a word-wrapped label shrinks
// until its wrapped lines fit. Text that fits is drawn exactly as a QLabel draws it. Plain text
// only. Every label of the screens is one, so that no screen can cut a text off.
//
// A line shrinks no further than a readable size (kReadablePixels): a text that would need less,
// such as a 20-character name in a name box, is wrapped onto more lines where the box is high
// enough for them at a readable size, or else drawn condensed (narrower glyphs, down to
// kNarrowestStretch, as Japanese typesetting fits a long name: 長体), and drawn smaller than
// readable only where neither helps.
class FitLabel : public QLabel
{
public:
    // The smallest glyphs a line is shrunk to before it is wrapped: 11 pixels (8.25 points on a
    // 96-dpi screen), below which kanji lose their strokes.
    static constexpr double kReadablePixels = 11.0;
    // The narrowest condensed glyphs, in per cent of their width.
    static constexpr int kNarrowestStretch = 70;

    explicit FitLabel(QWidget *parent = nullptr);
    explicit FitLabel(const QString &text, QWidget *parent = nullptr);

    // The font the text is drawn with at the current size: the label's font, or a smaller one
    // whose text fits the contents rectangle in width and height.
    QFont fittedFont() const;
    // Whether the text is drawn wrapped: the label's own word wrap, or a line that would have
    // to go below the readable size.
    bool fittedWraps() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Fit
    {
        QFont font;
        bool wraps = false;
    };
    const Fit &fitted() const;
    Fit fit() const;

    // The last fitting, kept while the text, font and box stay the same.
    struct Fitted
    {
        QString text;
        QFont font;
        QSize box;
        int margin = 0;
        bool wordWrap = false;
        Fit fit;
    };
    mutable std::optional<Fitted> m_fitted;
};
