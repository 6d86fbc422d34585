#include "main/main_form.h"

#include "core/data_module.h"

#include <QPainter>
#include <QPainterPath>

TMFormX12::TMFormX12(TDM1 &dataModule, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint), dm_(dataModule)
{
    setObjectName(QStringLiteral("MFormX12"));
    setFixedSize(1015, 607);
    dm_.setState(&state_);
}

TMFormX12::~TMFormX12()
{
    dm_.setState(nullptr);
}

void TMFormX12::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0xe9, 0xee, 0xf3));
    painter.fillRect(QRect(0, 0, width(), 38), QColor(0x1f, 0x33, 0x4d));
    painter.setPen(Qt::white);
    painter.drawText(QRect(44, 12, 413, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("★Tenvora  未登录......"));
}
