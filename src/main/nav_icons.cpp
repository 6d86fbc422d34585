#include "main/nav_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace nav {

namespace {

// All glyphs are drawn on a 32 x 32 grid scaled into the box.
void printer(QPainter &p, const QColor &ink, const QColor &accent)
{
    p.drawRect(QRectF(9, 4, 14, 8));                       // paper feed
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 3, 3);        // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 18, 16, 10));                     // printed sheet
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(11, 22), QPointF(21, 22));
    p.drawLine(QPointF(11, 25), QPointF(18, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(24.5, 15), 1.6, 1.6);            // power light
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void house(QPainter &p, const QColor &, const QColor &accent)
{
    QPainterPath roof;
    roof.moveTo(2, 16);
    roof.lineTo(16, 4);
    roof.lineTo(30, 16);
    p.drawPath(roof);
    p.drawLine(QPointF(23, 10), QPointF(23, 5));           // chimney
    p.drawLine(QPointF(23, 5), QPointF(26, 5));
    p.drawLine(QPointF(26, 5), QPointF(26, 12.5));
    p.drawRect(QRectF(6, 14, 20, 15));                     // walls
    p.drawRect(QRectF(13.5, 20, 5, 9));                    // door
    p.fillRect(QRectF(8.5, 17.5, 3.5, 3.5), accent);       // lit windows
    p.fillRect(QRectF(20, 17.5, 3.5, 3.5), accent);
}

void person(QPainter &p, qreal shift)
{
    p.drawEllipse(QPointF(13 + shift, 10), 5.5, 5.5);
    QPainterPath body;
    body.moveTo(2 + shift, 29);
    body.cubicTo(2 + shift, 19, 8 + shift, 17.5, 13 + shift, 17.5);
    body.cubicTo(18 + shift, 17.5, 24 + shift, 19, 24 + shift, 29);
    body.closeSubpath();
    p.drawPath(body);
}

void tenant(QPainter &p, const QColor &, const QColor &accent)
{
    person(p, 3);
    p.setPen(QPen(accent, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 21), QPointF(16, 26));          // tie
}

void payee(QPainter &p, const QColor &ink, const QColor &accent)
{
    person(p, -1);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(22, 20), 5.5, 5.5);              // magnifier glass
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 24), QPointF(30, 28.5));        // handle
    p.setPen(QPen(accent, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(18.5, 16.5, 7, 7), 100 * 16, 70 * 16); // glint
}

void format(QPainter &p, const QColor &ink, const QColor &accent)
{
    QPainterPath sheet;                                    // sheet with a folded corner
    sheet.moveTo(4, 3);
    sheet.lineTo(18, 3);
    sheet.lineTo(24, 9);
    sheet.lineTo(24, 29);
    sheet.lineTo(4, 29);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.drawLine(QPointF(18, 3), QPointF(18, 9));
    p.drawLine(QPointF(18, 9), QPointF(24, 9));
    p.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {13.0, 17.0, 21.0})
        p.drawLine(QPointF(8, y), QPointF(19, y));
    // The pencil across the sheet's lower right corner.
    p.save();
    p.translate(22, 22);
    p.rotate(-45);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(accent);
    p.drawRect(QRectF(-3, -11, 6, 15));
    QPainterPath tip;
    tip.moveTo(-3, 4);
    tip.lineTo(0, 9);
    tip.lineTo(3, 4);
    tip.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(tip);
    p.restore();
}

} // namespace

void paintIcon(QPainter &painter, int page, const QRectF &box, const QColor &ink, const QColor &accent)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 32.0, box.height() / 32.0);
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (page) {
    case 0: printer(painter, ink, accent); break;
    case 1: house(painter, ink, accent); break;
    case 2: tenant(painter, ink, accent); break;
    case 3: payee(painter, ink, accent); break;
    case 4: format(painter, ink, accent); break;
    default: break;
    }
    painter.restore();
}

} // namespace nav
