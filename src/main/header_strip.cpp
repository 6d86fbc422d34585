#include "main/header_strip.h"

#include <QPainter>

HeaderStrip::HeaderStrip(QWidget *parent) : QWidget(parent)
{
}

void HeaderStrip::setSections(const QList<Section> &sections)
{
    sections_ = sections;
    update();
}

QRect HeaderStrip::sectionRect(int index) const
{
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += sections_[i].width;
    const int width = sections_[index].width > 0 ? sections_[index].width : this->width() - left;
    return QRect(left, 0, qMax(0, width), height());
}

void HeaderStrip::paintEvent(QPaintEvent *)
{
    if (!draw_)
        return;
    QPainter painter(this);
    for (int i = 0; i < sections_.size(); ++i)
        draw_(painter, i, sectionRect(i));
}
