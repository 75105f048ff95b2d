#include "circuitpicture.h"

#include <QPainter>
#include <QPainterPath>

namespace kv
{
namespace
{

constexpr double TopRail = 20;
constexpr double BottomRail = 93;
const QColor Wire(0x15, 0x2a, 0x17);
const QColor VoltageBlue(0x1c, 0x4f, 0xd8);
const QColor CurrentRed(0xd8, 0x22, 0x1c);

void arrowHead(QPainter& p, QPointF tip, QPointF from, const QColor& colour)
{
    const QLineF line(tip, from);
    const QLineF unit = line.unitVector();
    const QPointF back = tip + (unit.p2() - unit.p1()) * 5;
    const QPointF normal(-(unit.p2() - unit.p1()).y(), (unit.p2() - unit.p1()).x());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(back + normal * 2.6);
    head.lineTo(back - normal * 2.6);
    head.closeSubpath();
    p.fillPath(head, colour);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, const QString& label,
           QPointF labelAt)
{
    p.setPen(QPen(colour, 1.6));
    p.drawLine(from, to);
    arrowHead(p, to, from, colour);
    QFont font = p.font();
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(labelAt - QPointF(12, 7), QSizeF(24, 14)), Qt::AlignCenter, label);
}

// A resistor centred on `centre`, upright or lying, labelled inside.
void resistor(QPainter& p, QPointF centre, bool upright, const QString& label)
{
    const QSizeF size = upright ? QSizeF(17, 26) : QSizeF(28, 15);
    const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
    p.setPen(QPen(Wire, 1.3));
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, label);
}

void wire(QPainter& p, QPointF a, QPointF b)
{
    p.setPen(QPen(Wire, 1.6));
    p.drawLine(a, b);
}

void frameAndSource(QPainter& p, double rightEdge)
{
    p.fillRect(QRectF(0, 0, 220, 111), QColor(0xf5, 0xdc, 0x4b));
    p.setPen(QPen(QColor(0x2c, 0x6e, 0x36), 1));
    p.setBrush(QColor(0x6c, 0xbf, 0x6f));
    p.drawRoundedRect(QRectF(4.5, 4.5, 211, 102), 5, 5);

    // Rails from the source to the right-hand end of the network.
    wire(p, QPointF(24, TopRail), QPointF(rightEdge, TopRail));
    wire(p, QPointF(24, BottomRail), QPointF(rightEdge, BottomRail));
    wire(p, QPointF(24, TopRail), QPointF(24, 43));
    wire(p, QPointF(24, 70), QPointF(24, BottomRail));
    const QRectF source(12, 43, 24, 27);
    p.setPen(QPen(Wire, 1.3));
    p.setBrush(QColor(0xee, 0xf2, 0xf7));
    p.drawRect(source);
    QFont font = p.font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(source, Qt::AlignCenter, QStringLiteral("G"));

    font.setPixelSize(10);
    p.setFont(font);
    arrow(p, QPointF(48, BottomRail - 6), QPointF(48, TopRail + 6), VoltageBlue,
          QStringLiteral("U"), QPointF(57, 56));
    arrow(p, QPointF(42, TopRail - 7), QPointF(70, TopRail - 7), CurrentRed, QStringLiteral("I"),
          QPointF(78, TopRail - 8));
    font.setBold(false);
    font.setPixelSize(9);
    p.setFont(font);
}

void seriesPicture(QPainter& p, int count)
{
    if (count == 4) {
        // R1 on the top wire, R2 and R3 on the right-hand branch, R4 at the bottom.
        const double branch = 178;
        frameAndSource(p, branch);
        wire(p, QPointF(branch, TopRail), QPointF(branch, BottomRail));
        resistor(p, QPointF(118, TopRail), false, QStringLiteral("R1"));
        resistor(p, QPointF(branch, 40), true, QStringLiteral("R2"));
        resistor(p, QPointF(branch, 73), true, QStringLiteral("R3"));
        resistor(p, QPointF(118, BottomRail), false, QStringLiteral("R4"));
        QFont font = p.font();
        arrow(p, QPointF(104, 34), QPointF(132, 34), VoltageBlue, QStringLiteral("U1"),
              QPointF(118, 42));
        arrow(p, QPointF(branch + 16, 52), QPointF(branch + 16, 28), VoltageBlue,
              QStringLiteral("U2"), QPointF(branch + 29, 40));
        arrow(p, QPointF(branch + 16, 85), QPointF(branch + 16, 61), VoltageBlue,
              QStringLiteral("U3"), QPointF(branch + 29, 73));
        p.setFont(font);
        arrow(p, QPointF(132, 79), QPointF(104, 79), VoltageBlue, QStringLiteral("U4"),
              QPointF(118, 71));
        return;
    }
    const double branch = 168;
    frameAndSource(p, branch);
    wire(p, QPointF(branch, TopRail), QPointF(branch, BottomRail));
    const double span = BottomRail - TopRail;
    for (int i = 0; i < count; ++i) {
        const double centre = TopRail + span * (i + 0.5) / count;
        resistor(p, QPointF(branch, centre), true, QStringLiteral("R%1").arg(i + 1));
        const QFont font = p.font();
        arrow(p, QPointF(branch + 17, centre + 11), QPointF(branch + 17, centre - 11), VoltageBlue,
              QStringLiteral("U%1").arg(i + 1), QPointF(branch + 31, centre));
        p.setFont(font);
    }
}

void parallelPicture(QPainter& p, int count)
{
    const double first = 100;
    const double last = 196;
    const double step = count > 1 ? (last - first) / (count - 1) : 0;
    frameAndSource(p, last);
    for (int i = 0; i < count; ++i) {
        const double x = first + step * i;
        wire(p, QPointF(x, TopRail), QPointF(x, BottomRail));
        resistor(p, QPointF(x, 64), true, QStringLiteral("R%1").arg(i + 1));
        const QFont font = p.font();
        arrow(p, QPointF(x + 7, 27), QPointF(x + 7, 45), CurrentRed,
              QStringLiteral("I%1").arg(i + 1), QPointF(x - 8, 36));
        p.setFont(font);
    }
}

} // namespace

void drawCircuitPicture(QPainter& p, int index)
{
    if (index < 0 || index >= CircuitPictureCount)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(QRect(QPoint(0, 0), CircuitPictureSize));
    if (index < 3)
        seriesPicture(p, index + 2);
    else
        parallelPicture(p, index - 1);
    p.restore();
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(int index)
{
    index_ = index;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawCircuitPicture(p, index_);
}

} // namespace kv
