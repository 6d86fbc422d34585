#include "main/limit_slider.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

LimitSlider::LimitSlider(QWidget *parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(0, 100);
    setPageStep(10);
    setTickInterval(5);
    setTickPosition(QSlider::TicksAbove);
    // Mouse drags and keys alike; programmatic moves show no tip.
    connect(this, &QAbstractSlider::actionTriggered, this, &LimitSlider::showPositionTip);
}

void LimitSlider::focusOutEvent(QFocusEvent *event)
{
    QSlider::focusOutEvent(event);
    emit focusLost();
}

void LimitSlider::showPositionTip()
{
    if (!isVisible())
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect thumb = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    const QPoint above = mapToGlobal(QPoint(thumb.center().x(), thumb.top() - 24));
    // At an action the position has moved already, the value not yet.
    QToolTip::showText(above, QString::number(sliderPosition()), this);
}
