#include "Glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace Glyphs {

namespace {

using Drawing = std::function<void(QPainter &)>;

// Renders a drawing made on a 16 × 16 grid at 16, 24 and 32 pixels.
QIcon render(const Drawing &draw)
{
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// An arc on the circle around (8, 8) with radius r, from `start` sweeping `sweep` degrees
// (counter-clockwise for positive sweeps), ending in an arrowhead.
void arcArrow(QPainter &p, qreal start, qreal sweep, const QColor &colour)
{
    const qreal r = 5.2;
    const QRectF circle(8 - r, 8 - r, 2 * r, 2 * r);
    QPainterPath arc;
    arc.arcMoveTo(circle, start);
    arc.arcTo(circle, start, sweep);
    p.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    // The head: a triangle at the arc's end, pointing along the direction of travel.
    const QPointF tip = arc.currentPosition();
    const qreal angle = arc.angleAtPercent(1.0); // degrees, counter-clockwise
    QTransform t;
    t.translate(tip.x(), tip.y());
    t.rotate(-angle);
    const QPolygonF head = t.map(QPolygonF({QPointF(2.8, 0), QPointF(-1.2, -3.0), QPointF(-1.2, 3.0)}));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

void drawRefresh(QPainter &p)
{
    const QColor blue(24, 92, 204);
    arcArrow(p, 200, -130, blue); // upper arrow, left to right over the top
    arcArrow(p, 20, -130, blue);  // lower arrow, right to left under the bottom
}

void drawPrint(QPainter &p)
{
    const QPen outline(QColor(70, 70, 70), 0.8);
    // Sheet feeding in at the back.
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 0.9, 7, 5.5));
    // Printer body.
    QLinearGradient body(0, 5, 0, 12);
    body.setColorAt(0, QColor(215, 215, 215));
    body.setColorAt(1, QColor(140, 140, 140));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(0.9, 5.5, 14.2, 6.5), 1.2, 1.2);
    // Paper coming out at the front, with lines of print.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 9.5, 9, 5.6));
    p.setPen(QPen(QColor(60, 90, 160), 0.8));
    for (qreal y : {11.2, 12.6, 14.0})
        p.drawLine(QPointF(5, y), QPointF(11, y));
    // A green light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 190, 60));
    p.drawEllipse(QPointF(13, 7.4), 0.8, 0.8);
}

void drawDiskette(QPainter &p)
{
    QPainterPath shell;
    shell.moveTo(1, 1);
    shell.lineTo(13, 1);
    shell.lineTo(15, 3);
    shell.lineTo(15, 15);
    shell.lineTo(1, 15);
    shell.closeSubpath();
    QLinearGradient fill(0, 0, 16, 16);
    fill.setColorAt(0, QColor(70, 110, 200));
    fill.setColorAt(1, QColor(25, 55, 140));
    p.setPen(QPen(QColor(15, 35, 90), 0.8));
    p.setBrush(fill);
    p.drawPath(shell);
    // Metal shutter with its window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 210, 220));
    p.drawRect(QRectF(4, 1.4, 7.5, 4.6));
    p.setBrush(QColor(40, 50, 70));
    p.drawRect(QRectF(8.6, 2.2, 1.8, 3.0));
    // Label with writing.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 8.2, 10, 6.4));
    p.setPen(QPen(QColor(200, 60, 60), 0.7));
    p.drawLine(QPointF(4, 9.8), QPointF(12, 9.8));
    p.setPen(QPen(QColor(120, 120, 120), 0.7));
    p.drawLine(QPointF(4, 11.6), QPointF(12, 11.6));
    p.drawLine(QPointF(4, 13.2), QPointF(10, 13.2));
}

void drawHelp(QPainter &p)
{
    QLinearGradient tile(0, 0, 0, 16);
    tile.setColorAt(0, QColor(90, 150, 235));
    tile.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(15, 45, 120), 0.8));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.9, 0.9, 14.2, 14.2), 2.5, 2.5);

    // The question mark: a hook and a dot, red with a light rim so it reads on the blue.
    QPainterPath mark;
    mark.moveTo(5.3, 5.9);
    mark.cubicTo(5.3, 2.6, 10.9, 2.6, 10.9, 5.7);
    mark.cubicTo(10.9, 7.7, 8.2, 7.9, 8.2, 10.2);
    for (const QPen &pen : {QPen(QColor(255, 255, 255, 210), 3.4, Qt::SolidLine, Qt::RoundCap),
                            QPen(QColor(220, 20, 20), 2.0, Qt::SolidLine, Qt::RoundCap)}) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(mark);
        p.drawPoint(QPointF(8.2, 12.9));
    }
}

void drawWindowIcon(QPainter &p)
{
    // A white card with a chart of three bars in the share colours.
    p.setPen(QPen(QColor(40, 70, 130), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2, 2);
    const struct { qreal x, top; QColor colour; } bars[] = {
        {2.5, 9.0, QColor(230, 80, 80)},
        {6.5, 6.0, QColor(235, 200, 40)},
        {10.5, 2.5, QColor(50, 180, 70)},
    };
    p.setPen(QPen(QColor(60, 60, 60), 0.6));
    for (const auto &bar : bars) {
        p.setBrush(bar.colour);
        p.drawRect(QRectF(bar.x, bar.top, 3, 13.5 - bar.top));
    }
}

} // namespace

QIcon refresh() { return render(drawRefresh); }
QIcon print() { return render(drawPrint); }
QIcon exportFile() { return render(drawDiskette); }
QIcon help() { return render(drawHelp); }
QIcon window() { return render(drawWindowIcon); }

} // namespace Glyphs
