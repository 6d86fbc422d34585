#include "main/limit_indicator.h"

#include <QMouseEvent>

LimitIndicator::LimitIndicator(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x3a, 0x8f, 0x5c));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
}

void LimitIndicator::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a release over the caption, as with a button.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
