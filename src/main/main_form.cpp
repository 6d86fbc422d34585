#include "main/main_form.h"

#include "core/data_module.h"
#include "main/bill_page.h"
#include "main/format_page.h"
#include "main/house_page.h"
#include "main/main_backdrop.h"
#include "main/nav_strip.h"
#include "main/payee_page.h"
#include "main/tenant_page.h"
#include "platform/db/app_clock.h"
#include "platform/db/db_error.h"
#include "platform/ui/close_area.h"
#include "platform/ui/drag_strip.h"
#include "platform/ui/frameless_window.h"
#include "platform/ui/skin.h"
#include "signin/login.h"
#include "signin/message_box.h"
#include "signin/rights.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

namespace {

constexpr int clockInterval = 60000;
// The part of the navigation strip that a change of selection repaints.
const QRect navigationArea(QPoint(28, 43), QPoint(784, 104));

} // namespace

TMFormX12::TMFormX12(TDM1 &dataModule, QWidget *parent)
    : QWidget(parent), dm_(dataModule)
{
    setObjectName(QStringLiteral("MFormX12"));
    setWindowTitle(QStringLiteral("Tenvora v1.0"));
    setFont(skin::font(12));
    makeFrameless(this, QSize(1015, 607), 20);
    dm_.setState(&state_);
    for (int page = 0; page < pageCount; ++page)
        for (bool selected : {false, true})
            pictures_[page][selected] = nav::picture(page, selected);

    Label44 = skin::makeStripLabel(QStringLiteral("★Tenvora  未登录......"), QRect(44, 12, 413, 20), this, "Label44");
    Label44->setFont(skin::font(13, true));
    Label36 = skin::makeStripLabel(QStringLiteral("★"), QRect(781, 70, 222, 18), this, "Label36", Qt::AlignRight);
    Label37 = new CloseArea(this);
    Label37->setObjectName(QStringLiteral("Label37"));
    Label37->setGeometry(981, 7, 26, 24);
    connect(Label37, &CloseArea::closeRequested, this, &QWidget::close);

    auto *strip = new DragStrip(this);
    strip->addHandle(Label44);

    createPages();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(clockInterval);
    connect(Timer1, &QTimer::timeout, this, &TMFormX12::Timer1Timer);
    Timer1->start();

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setSingleShot(true);
    Timer2->setInterval(1);
    connect(Timer2, &QTimer::timeout, this, &TMFormX12::Timer2Timer);
    Timer2->start();
}

TMFormX12::~TMFormX12()
{
    // The data module outlives the window; it must not use the destroyed
    // state.
    dm_.setState(nullptr);
}

void TMFormX12::createPages()
{
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(19, 101, 976, 485);
    Panel1->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: white; border: none; }"));
    Panel1->hide();

    // A stacked widget has no tabs: pages are chosen by the navigation strip.
    PageControl1 = new QStackedWidget(Panel1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, 976, 485);
    TabSheet1 = new BillPage(dm_);
    TabSheet3 = new HousePage(dm_);
    TabSheet2 = new TenantPage(dm_);
    TabSheet4 = new PayeePage(dm_);
    TabSheet5 = new FormatPage(dm_);
    pages_ = {TabSheet1, TabSheet3, TabSheet2, TabSheet4, TabSheet5};
    for (MainPage *page : pages_)
        PageControl1->addWidget(page);
    PageControl1->setCurrentIndex(0);
}

void TMFormX12::Timer2Timer()
{
    Timer2->stop();
    if (ShowLogin(dm_, state_) != 6) {
        close();
        return;
    }
    try {
        EnterSession();
    } catch (const DbError &error) {
        // The lists could not be read: say why and end, rather than leave
        // a window with empty pages that would mislead.
        MsgInfo(error.message());
        close();
    }
}

void TMFormX12::EnterSession()
{
    Panel1->show();
    Init();
    const bool mayChange = (state_.UserRights & rights::ManageMasterData) != 0;
    for (QFrame *bar : {TabSheet4->Panel6, TabSheet3->Panel2, TabSheet2->Panel3})
        bar->setVisible(mayChange);
    Label44->setText(QStringLiteral("★Tenvora v1.003   --【%1】").arg(state_.LoginName));
}

void TMFormX12::Init()
{
    PageVisible.fill(true);
    CurPage = 0;
    SetLVButton(0);
    repaint();

    const QDate today = AppClock::now().date();
    for (MainPage *page : pages_)
        page->setDatesToToday(today);

    dm_.ADODS2.open();
    dm_.ADOZH.open();
    dm_.ADOF.open();
    dm_.ADOSKR.close();
    dm_.ADOSKR.setCommandText(TDM1::payeeRightsQuery());
    dm_.ADOSKR.open();
    for (MainPage *page : pages_)
        page->fillChoices();

    state_.TenantKey = 0;
    state_.HouseKey = 0;
    state_.PayeeKey = 0;
    for (MainPage *page : pages_)
        page->lockPanels();
    Timer1Timer();
}

void TMFormX12::SetLVButton(int index)
{
    if (index < 0 || index >= pageCount)
        return;
    PageControl1->setCurrentIndex(index);
    pages_[size_t(index)]->pageSelected();
}

void TMFormX12::FormMouseDown(Qt::MouseButton, QPoint pos)
{
    // The title strip: a left press there has already been taken by the
    // drag strip, which moves the window; other buttons do nothing.
    if (pos.y() < DragStrip::defaultHeight)
        return;
    if (pos.y() <= 50 || pos.y() >= 100)
        return;

    const int slot = nav::slotAt(pos.x());
    const int oldPage = CurPage;
    if (slot >= 0) {
        int shown = 0;
        for (int page = 0; page < pageCount; ++page) {
            if (!PageVisible[page])
                continue;
            if (shown == slot) {
                CurPage = page;
                break;
            }
            ++shown;
        }
    }
    if (CurPage != oldPage)
        update(navigationArea);
    // Also when unchanged: a page refreshes what it shows on every press.
    SetLVButton(CurPage);
}

void TMFormX12::mousePressEvent(QMouseEvent *event)
{
    FormMouseDown(event->button(), event->position().toPoint());
}

void TMFormX12::Timer1Timer()
{
    Label36->setText(QStringLiteral("当前时间: ") + AppClock::now().toString(QStringLiteral("yyyy年MM月dd hh:mm")));
}

bool TMFormX12::CheckXGQX()
{
    if (state_.UserRights & rights::ManageMasterData)
        return true;
    MsgInfo(QStringLiteral("您没有修改权限！"));
    return false;
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
    mainskin::paintBackdrop(painter, rect());
    int shown = 0;
    for (int page = 0; page < pageCount; ++page) {
        if (!PageVisible[page])
            continue;
        const QPoint at = nav::firstPicture + QPoint(nav::pictureSize.width() * shown, 0);
        painter.drawPixmap(at, pictures_[page][page == CurPage]);
        ++shown;
    }
}
