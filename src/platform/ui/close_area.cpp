#include "platform/ui/close_area.h"

#include "platform/ui/skin.h"

#include <QMouseEvent>
#include <QPainter>

CloseArea::CloseArea(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void CloseArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    skin::paintCloseGlyph(painter, rect(), hot_);
}

void CloseArea::enterEvent(QEnterEvent *)
{
    setHot(true);
}

void CloseArea::leaveEvent(QEvent *)
{
    setHot(false);
}

void CloseArea::mousePressEvent(QMouseEvent *event)
{
    pressed_ = true;
    setHot(false);
    event->accept();
}

// Any button closes, wherever it is released: the press on the area is
// what counts.
void CloseArea::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (!pressed_)
        return;
    pressed_ = false;
    emit closeRequested();
}

void CloseArea::setHot(bool hot)
{
    if (hot_ == hot)
        return;
    hot_ = hot;
    update();
}
