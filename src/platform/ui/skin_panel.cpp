#include "platform/ui/skin_panel.h"

#include "platform/ui/skin.h"

#include <QPainter>

SkinPanel::SkinPanel(const QColor &colour, QWidget *parent) : QWidget(parent), colour_(colour)
{
    // The colour also reaches child widgets that fill with the window role.
    QPalette p = palette();
    p.setColor(QPalette::Window, colour_);
    setPalette(p);
}

void SkinPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    skin::paintPanel(painter, rect(), colour_);
}
