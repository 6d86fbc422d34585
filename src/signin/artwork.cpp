#include "signin/artwork.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork {

namespace {

// A transparent pixmap of size x size device-independent pixels, sharp on
// high-density screens, with a painter scaled to a design grid of `grid`.
template <typename Draw>
QPixmap paint(int size, qreal grid, Draw draw)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(int(size * ratio), int(size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / grid, size / grid);
    draw(painter);
    return pixmap;
}

// The round badge behind the information and question marks, on a 49 grid.
void badge(QPainter &p, const QColor &light, const QColor &dark)
{
    const QPointF centre(24.5, 24.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 38));
    p.drawEllipse(centre + QPointF(0.8, 1.6), 22.0, 22.0);

    QRadialGradient fill(centre + QPointF(-6, -8), 30);
    fill.setColorAt(0.0, light);
    fill.setColorAt(1.0, dark);
    p.setBrush(fill);
    p.setPen(QPen(dark.darker(135), 1.2));
    p.drawEllipse(centre, 21.5, 21.5);

    QLinearGradient gloss(QPointF(0, 4), QPointF(0, 24));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(9, 4.5, 31, 19));
}

} // namespace

QPixmap informationIcon(int size)
{
    return paint(size, 49, [](QPainter &p) {
        badge(p, QColor(120, 190, 245), QColor(22, 96, 178));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(24.5, 13.8), 3.4, 3.4);
        p.drawRoundedRect(QRectF(21.4, 19.8, 6.2, 17.5), 2.2, 2.2);
        // Serifs at the foot make it read as a letter, not a bar.
        p.drawRoundedRect(QRectF(18.8, 34.2, 11.4, 3.6), 1.4, 1.4);
    });
}

QPixmap questionIcon(int size)
{
    return paint(size, 49, [](QPainter &p) {
        badge(p, QColor(128, 206, 160), QColor(30, 128, 84));
        QPainterPath hook;
        hook.moveTo(17.6, 18.6);
        hook.cubicTo(17.6, 11.0, 31.6, 10.2, 31.6, 18.0);
        hook.cubicTo(31.6, 23.4, 24.6, 23.6, 24.6, 29.4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 5.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(hook);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(24.6, 36.4), 3.3, 3.3);
    });
}

QPixmap houseAndKey(int size)
{
    return paint(size, 128, [](QPainter &p) {
        // Ground shadow.
        QRadialGradient shadow(QPointF(64, 116), 56);
        shadow.setColorAt(0.0, QColor(20, 60, 80, 70));
        shadow.setColorAt(1.0, QColor(20, 60, 80, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(QPointF(64, 116), 58, 9);

        // Chimney, behind the roof.
        QLinearGradient brick(QPointF(84, 0), QPointF(96, 0));
        brick.setColorAt(0.0, QColor(178, 92, 64));
        brick.setColorAt(1.0, QColor(132, 60, 42));
        p.setBrush(brick);
        p.setPen(QPen(QColor(104, 46, 32), 1.2));
        p.drawRect(QRectF(83, 26, 12, 26));
        p.setBrush(QColor(96, 44, 30));
        p.drawRect(QRectF(81, 23, 16, 5));

        // Walls.
        QLinearGradient wall(QPointF(0, 56), QPointF(0, 112));
        wall.setColorAt(0.0, QColor(255, 250, 236));
        wall.setColorAt(1.0, QColor(236, 216, 176));
        p.setBrush(wall);
        p.setPen(QPen(QColor(160, 124, 74), 1.4));
        p.drawRect(QRectF(26, 56, 76, 56));

        // Roof with its eave.
        QPainterPath roof;
        roof.moveTo(10, 62);
        roof.lineTo(64, 16);
        roof.lineTo(118, 62);
        roof.lineTo(110, 66);
        roof.lineTo(64, 28);
        roof.lineTo(18, 66);
        roof.closeSubpath();
        QLinearGradient tiles(QPointF(0, 16), QPointF(0, 66));
        tiles.setColorAt(0.0, QColor(238, 96, 66));
        tiles.setColorAt(1.0, QColor(176, 44, 28));
        p.setBrush(tiles);
        p.setPen(QPen(QColor(128, 30, 18), 1.4, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        p.drawPath(roof);
        // The gable under the roof, in the wall's shade.
        QPainterPath gable;
        gable.moveTo(26, 56.5);
        gable.lineTo(64, 29.5);
        gable.lineTo(102, 56.5);
        gable.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(246, 232, 204));
        p.drawPath(gable);
        // Round attic window.
        QRadialGradient attic(QPointF(62, 44), 8);
        attic.setColorAt(0.0, QColor(196, 232, 252));
        attic.setColorAt(1.0, QColor(62, 138, 200));
        p.setBrush(attic);
        p.setPen(QPen(QColor(255, 255, 255), 1.8));
        p.drawEllipse(QPointF(64, 45), 6.5, 6.5);

        // Window with a cross frame.
        QLinearGradient glass(QPointF(34, 68), QPointF(50, 86));
        glass.setColorAt(0.0, QColor(200, 236, 255));
        glass.setColorAt(1.0, QColor(70, 146, 210));
        p.setBrush(glass);
        p.setPen(QPen(QColor(255, 255, 255), 2.2));
        p.drawRect(QRectF(34, 68, 18, 18));
        p.drawLine(QPointF(43, 68), QPointF(43, 86));
        p.drawLine(QPointF(34, 77), QPointF(52, 77));

        // Door.
        QPainterPath door;
        door.moveTo(60, 112);
        door.lineTo(60, 80);
        door.quadTo(60, 72, 70, 72);
        door.quadTo(80, 72, 80, 80);
        door.lineTo(80, 112);
        door.closeSubpath();
        QLinearGradient wood(QPointF(60, 0), QPointF(80, 0));
        wood.setColorAt(0.0, QColor(156, 100, 52));
        wood.setColorAt(1.0, QColor(112, 68, 32));
        p.setBrush(wood);
        p.setPen(QPen(QColor(86, 50, 22), 1.3));
        p.drawPath(door);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 214, 96));
        p.drawEllipse(QPointF(75.5, 94), 1.9, 1.9);

        // The key, lying in front of the house's right corner.
        p.save();
        p.translate(88, 99);
        p.rotate(28);
        QLinearGradient gold(QPointF(0, -12), QPointF(0, 12));
        gold.setColorAt(0.0, QColor(255, 236, 140));
        gold.setColorAt(0.5, QColor(240, 190, 52));
        gold.setColorAt(1.0, QColor(196, 136, 20));
        QPainterPath key;
        key.addEllipse(QPointF(0, 0), 12, 12);
        key.addRect(QRectF(9, -3.4, 30, 6.8));
        key.addRect(QRectF(28, 2, 4.5, 7));
        key.addRect(QRectF(34.5, 2, 4.5, 9.5));
        key = key.simplified();
        QPainterPath hole;
        hole.addEllipse(QPointF(-2.5, 0), 4.6, 4.6);
        key = key.subtracted(hole);
        p.setBrush(QColor(0, 0, 0, 40));
        p.setPen(Qt::NoPen);
        p.drawPath(key.translated(1.2, 2.0));
        p.setBrush(gold);
        p.setPen(QPen(QColor(150, 100, 12), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(key);
        p.setPen(QPen(QColor(255, 250, 210, 200), 1.2));
        p.drawArc(QRectF(-9, -9, 18, 18), 60 * 16, 70 * 16);
        p.restore();
    });
}

QPixmap titleEmblem(int size)
{
    return paint(size, 24, [](QPainter &p) {
        QPainterPath roof;
        roof.moveTo(2, 11.5);
        roof.lineTo(12, 3);
        roof.lineTo(22, 11.5);
        QLinearGradient orange(QPointF(0, 3), QPointF(0, 12));
        orange.setColorAt(0.0, QColor(255, 190, 92));
        orange.setColorAt(1.0, QColor(240, 128, 40));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(orange), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(roof);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        QPainterPath body;
        body.addRoundedRect(QRectF(5.5, 11, 13, 10.5), 1.2, 1.2);
        QPainterPath door;
        door.addRoundedRect(QRectF(10, 14.5, 4, 7), 1, 1);
        p.drawPath(body.subtracted(door));
    });
}

} // namespace artwork
