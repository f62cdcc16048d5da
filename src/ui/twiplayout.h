#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

class QColor;
class QScreen;
class QWidget;

// Lays a screen out as it was designed: in twips for a 1024 × 768 display (15 twips = 1 px).
// Controls are children of canvas(); the canvas keeps the designed aspect ratio and is scaled
// uniformly to fit the host widget, centred with bars on the long side. Geometry and fonts of
// every placed control follow the scale.
class TwipLayout : public QObject
{
public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr QSize kScreenTwips{1024 * kTwipsPerPixel, 768 * kTwipsPerPixel};

    explicit TwipLayout(QWidget *host, QSize designTwips = kScreenTwips);

    QWidget *canvas() const { return m_canvas; }

    // Places a child of canvas() at a rectangle given in twips, with its font given at the
    // designed point size.
    void place(QWidget *control, const QRect &twips, const QFont &font);
    void place(QWidget *control, const QRect &twips);

    // Gives a placed control another font at its designed point size.
    void setDesignFont(QWidget *control, const QFont &font);

    // Gives a control outside the canvas (a main window's menu bar, its menus) a font at the
    // designed point size that scales with the whole window as the canvas scales with its host.
    // The window's size is used, not the canvas's: a bar above the canvas takes room from it, and
    // scaling the bar with the canvas would feed its own height back into its scale.
    void scaleWithWindow(QWidget *control, const QFont &font);

    // Moves an already placed control (for controls that move while the screen is shown).
    void move(QWidget *control, const QRect &twips);

    void setBackground(const QColor &colour);

    // Current factor from designed pixels to real pixels.
    double scale() const { return m_scale; }
    QRect toPixels(const QRect &twips) const;
    double toPixels(double twips) const { return twips / kTwipsPerPixel * m_scale; }

    // The factor that fits a 1024 × 768 design to a screen (1.0 when there is no screen).
    static double screenScale(const QScreen *screen);

    // Gives the host the designed size at the given scale and keeps it there.
    void fixHostSize(double scale);

    void relayout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Placed
    {
        QPointer<QWidget> widget;
        QRect twips;
        QFont font;
        bool hasFont = false;
    };
    void apply(const Placed &p) const;
    void applyWindowScale();
    // The scale of the window the bar and menus grow with; nothing before it has a size.
    std::optional<double> windowScale() const;
    static void setScaledFont(QWidget *control, const QFont &design, double scale);

    QWidget *m_host = nullptr;
    QWidget *m_canvas = nullptr;
    QSize m_design;
    double m_scale = 1.0;
    std::vector<Placed> m_placed;
    std::vector<Placed> m_windowScaled; // twips unused
    QWidget *m_window = nullptr;
};
