#include "main/nav_strip.h"

#include "main/nav_icons.h"
#include "platform/ui/skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace nav {

namespace {

const QStringList captions = {QStringLiteral("单据打印"), QStringLiteral("房屋管理"),
                              QStringLiteral("租户管理"), QStringLiteral("收银管理"),
                              QStringLiteral("单据格式")};

// A tab whose lower edge opens into the white content frame below it.
QPainterPath tabOutline(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.quadTo(r.left(), r.top(), r.left() + radius, r.top());
    path.lineTo(r.right() - radius, r.top());
    path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
    path.lineTo(r.right(), r.bottom());
    return path;
}

QPixmap paint(int page, bool selected)
{
    QPixmap pixmap(pictureSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF tab(3.5, 6.5, pictureSize.width() - 7, pictureSize.height() - 6);
    QColor ink, accent, text;
    if (selected) {
        QLinearGradient fill(tab.topLeft(), tab.bottomLeft());
        fill.setColorAt(0.0, QColor(255, 255, 255));
        fill.setColorAt(0.55, QColor(236, 244, 252));
        fill.setColorAt(1.0, QColor(255, 255, 255));
        QPainterPath outline = tabOutline(tab, 7);
        p.fillPath(outline, fill);
        p.setPen(QPen(QColor(120, 160, 205), 1));
        p.drawPath(outline);
        p.setPen(QPen(QColor(255, 160, 40), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(tab.left() + 6, tab.top() + 1), QPointF(tab.right() - 6, tab.top() + 1));
        ink = QColor(22, 70, 128);
        accent = QColor(255, 165, 40);
        text = QColor(22, 62, 112);
    } else {
        // A faint glass plate, so the buttons read as buttons on the strip.
        QLinearGradient fill(tab.topLeft(), tab.bottomLeft());
        fill.setColorAt(0.0, QColor(255, 255, 255, 40));
        fill.setColorAt(1.0, QColor(255, 255, 255, 6));
        QPainterPath outline = tabOutline(tab.adjusted(0, 2, 0, -5), 7);
        outline.closeSubpath();
        p.fillPath(outline, fill);
        p.setPen(QPen(QColor(255, 255, 255, 55), 1));
        p.drawPath(outline);
        ink = QColor(240, 246, 255);
        accent = QColor(255, 214, 120);
        text = QColor(255, 255, 255);
    }

    paintIcon(p, page, QRectF(16, 15, 30, 30), ink, accent);
    p.setPen(text);
    p.setFont(skin::font(15, true));
    p.drawText(QRectF(52, 8, 94, 46), Qt::AlignVCenter | Qt::AlignLeft, captions.value(page));
    return pixmap;
}

} // namespace

int slotAt(int x)
{
    for (int slot = 0; slot < pageCount; ++slot) {
        const int left = firstPicture.x() + pictureSize.width() * slot;
        if (x >= left + 1 && x <= left + pictureSize.width() - 1)
            return slot;
    }
    return -1;
}

QPixmap picture(int page, bool selected)
{
    if (page < 0 || page >= pageCount)
        return {};
    return paint(page, selected);
}

} // namespace nav
