#include "skin.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>

#include <algorithm>

#include <functional>

namespace kv
{
namespace
{

using Drawing = std::function<void(QPainter&)>; // draws into a 32 x 32 box

// Renders a drawing at whatever size and device pixel ratio is asked for.
class VectorIconEngine : public QIconEngine
{
public:
    explicit VectorIconEngine(Drawing draw) : draw_(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 32.0, rect.height() / 32.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        draw_(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels already.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QIconEngine* clone() const override { return new VectorIconEngine(draw_); }

private:
    Drawing draw_;
};

QIcon vectorIcon(Drawing draw)
{
    return QIcon(new VectorIconEngine(std::move(draw)));
}

void drawBin(QPainter& p, bool full)
{
    const QColor outline(0x3c, 0x4a, 0x5c);
    p.setPen(QPen(outline, 1.6));
    if (full) {
        // Crumpled papers above the rim.
        p.setBrush(QColor(0xf4, 0xf1, 0xe4));
        p.drawEllipse(QRectF(8, 5, 9, 7));
        p.setBrush(QColor(0xe8, 0xd9, 0x8c));
        p.drawEllipse(QRectF(14, 4, 10, 8));
    }
    p.setBrush(QColor(0xc9, 0xd3, 0xdf));
    p.drawRoundedRect(QRectF(5.5, 9, 21, 3.5), 1.2, 1.2); // rim
    QPainterPath body;
    body.moveTo(7.5, 12.5);
    body.lineTo(9.5, 28.5);
    body.lineTo(22.5, 28.5);
    body.lineTo(24.5, 12.5);
    body.closeSubpath();
    p.setBrush(full ? QColor(0x9f, 0xb8, 0xd6) : QColor(0xe6, 0xec, 0xf3));
    p.drawPath(body);
    p.setPen(QPen(outline, 1.2));
    for (const double x : {12.5, 16.0, 19.5})
        p.drawLine(QPointF(x, 15), QPointF(x, 26));
}

void drawCalculator(QPainter& p)
{
    p.setPen(QPen(QColor(0x27, 0x3b, 0x58), 1.4));
    p.setBrush(QColor(0x4f, 0x73, 0xa6));
    p.drawRoundedRect(QRectF(6, 2.5, 20, 27), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0xf0, 0xc8));
    p.drawRect(QRectF(9, 5.5, 14, 6)); // display
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool operatorKey = column == 2;
            p.setBrush(operatorKey ? QColor(0xf2, 0xa5, 0x3c) : QColor(0xf5, 0xf7, 0xfa));
            p.drawRoundedRect(QRectF(9 + column * 5, 14 + row * 3.7, 3.6, 2.7), 0.6, 0.6);
        }
    }
}

void drawCross(QPainter& p)
{
    p.setPen(QPen(QColor(0x8e, 0x10, 0x10), 1.4));
    p.setBrush(QColor(0xd9, 0x2b, 0x2b));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

void drawInfo(QPainter& p)
{
    p.setPen(QPen(QColor(0x1d, 0x4f, 0x91), 1.4));
    p.setBrush(QColor(0x3b, 0x7d, 0xd8));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 7.5, 4, 4));
    p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
}

void drawClock(QPainter& p)
{
    p.setPen(QPen(QColor(0x27, 0x3b, 0x58), 2));
    p.setBrush(QColor(0xfa, 0xfb, 0xfd));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(QPen(QColor(0x27, 0x3b, 0x58), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(16, 8));
    p.drawLine(QPointF(16, 16), QPointF(22, 19));
}

} // namespace

QIcon buttonImage(int index)
{
    switch (index) {
    case TrashEmpty:
        return vectorIcon([](QPainter& p) { drawBin(p, false); });
    case TrashFull:
        return vectorIcon([](QPainter& p) { drawBin(p, true); });
    case Calculate:
        return vectorIcon(drawCalculator);
    case Delete:
        return vectorIcon(drawCross);
    case Info:
        return vectorIcon(drawInfo);
    }
    return {};
}

QIcon statusImage(int index)
{
    switch (index) {
    case StatusInfo:
        return vectorIcon(drawInfo);
    case StatusClock:
        return vectorIcon(drawClock);
    }
    return {};
}

QIcon captionGlyph(int glyph)
{
    return vectorIcon([glyph](QPainter& p) {
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        switch (glyph) {
        case GlyphMinimise:
            p.drawLine(QPointF(9, 22), QPointF(23, 22));
            break;
        case GlyphRollUp:
            p.drawPolyline(QPolygonF({QPointF(9, 20), QPointF(16, 12), QPointF(23, 20)}));
            break;
        case GlyphRollDown:
            p.drawPolyline(QPolygonF({QPointF(9, 12), QPointF(16, 20), QPointF(23, 12)}));
            break;
        case GlyphClose:
            p.drawLine(QPointF(10, 10), QPointF(22, 22));
            p.drawLine(QPointF(22, 10), QPointF(10, 22));
            break;
        }
    });
}

namespace
{

// Fusion with lower page tabs, so the pages keep their designed height.
class SkinStyle : public QProxyStyle
{
public:
    SkinStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_TabBarTab)
            result.setHeight(std::min(result.height(), 21));
        return result;
    }
};

} // namespace

// No style sheet: it would cost every widget a second polish at start-up.
// Fusion with the skin's palette draws the standard controls; the skin's own
// controls paint themselves.
void applySkin(QApplication& app)
{
    app.setStyle(new SkinStyle);

    QPalette palette;
    const QColor face(skin::Face);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, QColor(0xe9, 0xee, 0xf5));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xf1, 0xf4, 0xf9));
    palette.setColor(QPalette::Highlight, QColor(0x3b, 0x5f, 0x94));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(0x1c, 0x26, 0x33));
    palette.setColor(QPalette::Text, QColor(0x1c, 0x26, 0x33));
    palette.setColor(QPalette::ButtonText, QColor(0x1c, 0x26, 0x33));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x7d, 0x86, 0x92));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x7d, 0x86, 0x92));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x7d, 0x86, 0x92));
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(0xee, 0xf0, 0xf3));
    app.setPalette(palette);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    app.setFont(font);
}

void paintFramedBackground(QPainter& painter, const QRect& rect, bool enabled)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(enabled ? QColor(0xa3, 0xb1, 0xc6) : QColor(0xc2, 0xca, 0xd6));
    painter.setBrush(enabled ? QColor(0xee, 0xf2, 0xf8) : QColor(0xf1, 0xf3, 0xf6));
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.restore();
}

} // namespace kv
