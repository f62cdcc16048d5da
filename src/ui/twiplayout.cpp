#include "twiplayout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

TwipLayout::TwipLayout(QWidget *host, QSize designTwips)
    : QObject(host)
    , m_host(host)
    , m_canvas(new QWidget(host))
    , m_design(designTwips)
{
    m_canvas->setAutoFillBackground(true);
    host->installEventFilter(this);
    relayout();
}

void TwipLayout::place(QWidget *control, const QRect &twips, const QFont &font)
{
    m_placed.push_back({control, twips, font, true});
    apply(m_placed.back());
}

void TwipLayout::place(QWidget *control, const QRect &twips)
{
    m_placed.push_back({control, twips, control->font(), false});
    apply(m_placed.back());
}

void TwipLayout::move(QWidget *control, const QRect &twips)
{
    for (Placed &p : m_placed) {
        if (p.widget == control) {
            p.twips = twips;
            apply(p);
            return;
        }
    }
    place(control, twips);
}

void TwipLayout::setDesignFont(QWidget *control, const QFont &font)
{
    for (Placed &p : m_placed) {
        if (p.widget == control) {
            p.font = font;
            p.hasFont = true;
            apply(p);
            return;
        }
    }
}

void TwipLayout::scaleWithWindow(QWidget *control, const QFont &font)
{
    if (!m_window) {
        m_window = m_host->window();
        if (m_window != m_host)
            m_window->installEventFilter(this);
    }
    m_windowScaled.push_back({control, QRect(), font, true});
    if (const std::optional<double> scale = windowScale())
        setScaledFont(control, font, *scale);
}

std::optional<double> TwipLayout::windowScale() const
{
    if (!m_window)
        return std::nullopt;
    const QSize size = m_window->size();
    if (size.width() <= 0 || size.height() <= 0)
        return std::nullopt;
    return std::min(size.width() * double(kTwipsPerPixel) / kScreenTwips.width(),
                    size.height() * double(kTwipsPerPixel) / kScreenTwips.height());
}

void TwipLayout::applyWindowScale()
{
    const std::optional<double> scale = windowScale();
    if (!scale)
        return;
    for (const Placed &p : m_windowScaled) {
        if (p.widget)
            setScaledFont(p.widget, p.font, *scale);
    }
}

void TwipLayout::setScaledFont(QWidget *control, const QFont &design, double scale)
{
    QFont f = design;
    // Designed sizes are points at 96 dpi; keep the same pixel size on any display.
    const double dpi = control->logicalDpiY() > 0 ? control->logicalDpiY() : 96.0;
    f.setPointSizeF(design.pointSizeF() * scale * 96.0 / dpi);
    control->setFont(f);
}

void TwipLayout::setBackground(const QColor &colour)
{
    for (QWidget *w : {m_host, m_canvas}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, colour);
        w->setPalette(pal);
        w->setAutoFillBackground(true);
    }
}

QRect TwipLayout::toPixels(const QRect &twips) const
{
    const auto px = [this](int t) { return static_cast<int>(std::lround(toPixels(static_cast<double>(t)))); };
    const int left = px(twips.x());
    const int top = px(twips.y());
    // Edges are rounded, not sizes, so neighbouring controls meet without gaps.
    return QRect(QPoint(left, top), QPoint(px(twips.x() + twips.width()) - 1, px(twips.y() + twips.height()) - 1));
}

double TwipLayout::screenScale(const QScreen *screen)
{
    if (!screen)
        return 1.0;
    const QSize size = screen->availableGeometry().size();
    return std::min(size.width() / 1024.0, size.height() / 768.0);
}

void TwipLayout::fixHostSize(double scale)
{
    const QSize px(static_cast<int>(std::lround(m_design.width() / double(kTwipsPerPixel) * scale)),
                   static_cast<int>(std::lround(m_design.height() / double(kTwipsPerPixel) * scale)));
    m_host->setFixedSize(px);
    relayout();
}

void TwipLayout::relayout()
{
    const double designW = m_design.width() / double(kTwipsPerPixel);
    const double designH = m_design.height() / double(kTwipsPerPixel);
    const QSize host = m_host->size();
    if (host.width() <= 0 || host.height() <= 0)
        return;
    m_scale = std::min(host.width() / designW, host.height() / designH);
    const int w = static_cast<int>(std::lround(designW * m_scale));
    const int h = static_cast<int>(std::lround(designH * m_scale));
    m_canvas->setGeometry((host.width() - w) / 2, (host.height() - h) / 2, w, h);
    for (const Placed &p : m_placed)
        apply(p);
}

void TwipLayout::apply(const Placed &p) const
{
    if (!p.widget)
        return;
    p.widget->setGeometry(toPixels(p.twips));
    if (p.hasFont)
        setScaledFont(p.widget, p.font, m_scale);
}

bool TwipLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_host)
            relayout();
        if (watched == m_window || (watched == m_host && m_window == m_host))
            applyWindowScale();
    }
    return QObject::eventFilter(watched, event);
}
