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
    if (p.hasFont) {
        QFont f = p.font;
        // Designed sizes are points at 96 dpi; keep the same pixel size on any display.
        const double dpi = p.widget->logicalDpiY() > 0 ? p.widget->logicalDpiY() : 96.0;
        f.setPointSizeF(p.font.pointSizeF() * m_scale * 96.0 / dpi);
        p.widget->setFont(f);
    }
}

bool TwipLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host && event->type() == QEvent::Resize)
        relayout();
    return QObject::eventFilter(watched, event);
}
