#include "main/main_backdrop.h"

#include "platform/ui/skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace mainskin {

namespace {

// A line drawing of a house in the frame's lower right, so pale that it
// only shows where no page covers it.
void paintHouse(QPainter &p, const QRectF &frame)
{
    p.save();
    const qreal w = 300, h = 230;
    p.translate(frame.right() - w - 40, frame.bottom() - h - 24);
    p.setPen(QPen(QColor(208, 222, 238), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(244, 248, 253));

    QPainterPath roof;
    roof.moveTo(0, 100);
    roof.lineTo(w / 2, 0);
    roof.lineTo(w, 100);
    p.drawRect(QRectF(205, 20, 28, 55)); // chimney
    p.drawRect(QRectF(30, 90, w - 60, h - 90)); // walls
    p.setBrush(Qt::NoBrush);
    p.drawPath(roof);
    p.drawRect(QRectF(125, 150, 50, 80)); // door
    p.drawEllipse(QPointF(166, 192), 2.5, 2.5);
    for (qreal x : {55.0, 195.0}) { // windows with their crosses
        const QRectF window(x, 120, 50, 45);
        p.drawRect(window);
        p.drawLine(QPointF(window.center().x(), window.top()), QPointF(window.center().x(), window.bottom()));
        p.drawLine(QPointF(window.left(), window.center().y()), QPointF(window.right(), window.center().y()));
    }
    p.drawLine(QPointF(-30, h), QPointF(w + 30, h)); // ground
    p.restore();
}

} // namespace

void paintBackdrop(QPainter &painter, const QRect &window)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    skin::paintWindowFrame(painter, window, titleHeight, 10);

    // The navigation strip: lighter than the title, fading into the body.
    const QRect strip(window.left() + 1, titleHeight, window.width() - 2, contentFrame.top() + 4 - titleHeight);
    QLinearGradient stripFill(strip.topLeft(), strip.bottomLeft());
    stripFill.setColorAt(0.0, QColor(74, 138, 200));
    stripFill.setColorAt(1.0, QColor(44, 100, 162));
    painter.fillRect(strip, stripFill);
    painter.setPen(QColor(140, 190, 235, 160));
    painter.drawLine(strip.topLeft(), strip.topRight());

    // The frame, on a faint drop shadow.
    const QRectF frame = QRectF(contentFrame).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawRoundedRect(frame.translated(0, 2), 8, 8);
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(150, 182, 216), 1));
    painter.drawRoundedRect(frame, 8, 8);
    paintHouse(painter, frame);
    painter.restore();
}

} // namespace mainskin
