#include "main/main_form.h"

#include "core/data_module.h"
#include "platform/ui/close_area.h"
#include "platform/ui/drag_strip.h"
#include "platform/ui/frameless_window.h"
#include "platform/ui/skin.h"
#include "signin/login.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

QLabel *whiteLabel(QWidget *parent, const char *name, const QString &text, const QRect &place,
                   Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

} // namespace

TMFormX12::TMFormX12(TDM1 &dataModule, QWidget *parent)
    : QWidget(parent), dm_(dataModule)
{
    setObjectName(QStringLiteral("MFormX12"));
    makeFrameless(this, QSize(1015, 607), 20);
    dm_.setState(&state_);

    Label44 = whiteLabel(this, "Label44", QStringLiteral("★Tenvora  未登录......"), QRect(44, 12, 413, 20),
                         Qt::AlignLeft);
    Label44->setFont(skin::font(13, true));
    Label36 = whiteLabel(this, "Label36", QStringLiteral("★"), QRect(781, 70, 222, 18), Qt::AlignRight);
    Label37 = new CloseArea(this);
    Label37->setObjectName(QStringLiteral("Label37"));
    Label37->setGeometry(981, 7, 26, 24);
    connect(Label37, &CloseArea::closeRequested, this, &QWidget::close);

    auto *strip = new DragStrip(this);
    strip->addHandle(Label44);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    Timer2->setInterval(1);
    connect(Timer2, &QTimer::timeout, this, &TMFormX12::Timer2Timer);
    Timer2->start();
}

TMFormX12::~TMFormX12()
{
    dm_.setState(nullptr);
}

void TMFormX12::Timer2Timer()
{
    Timer2->stop();
    if (ShowLogin(dm_, state_) != 6) {
        close();
        return;
    }
    Label44->setText(QStringLiteral("★Tenvora v1.003   --【%1】").arg(state_.LoginName));
}

void TMFormX12::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!centred_ && screen()) {
        centred_ = true;
        move(screen()->availableGeometry().center() - rect().center());
    }
}

void TMFormX12::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    skin::paintWindowFrame(painter, rect(), 38, 10);
}
