#pragma once
#include "core/app_state.h"
#include "main/nav_strip.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class BillPage;
class CloseArea;
class FormatPage;
class HousePage;
class MainPage;
class PayeePage;
class QFrame;
class QLabel;
class QStackedWidget;
class QTimer;
class TDM1;
class TenantPage;

// The program's one long-lived window: frameless, 1015 x 607, with the
// title strip that drags it, the navigation strip whose picture buttons
// choose one of five pages, the close area and the clock. It owns the
// state the pages share and hands it to the data module. Its start-up
// timer runs the login; a failed or abandoned login closes it, which ends
// the program. Until the login succeeds no page and no button is shown.
class TMFormX12 : public QWidget {
    Q_OBJECT
public:
    static constexpr int pageCount = nav::pageCount;

    explicit TMFormX12(TDM1 &dataModule, QWidget *parent = nullptr);
    ~TMFormX12() override;

    AppState &state() { return state_; }

    QLabel *Label44; // title
    QLabel *Label36; // status line: the clock
    CloseArea *Label37;
    QFrame *Panel1;  // holds the pages; hidden until login
    QStackedWidget *PageControl1;
    BillPage *TabSheet1;
    HousePage *TabSheet3;
    TenantPage *TabSheet2;
    PayeePage *TabSheet4;
    FormatPage *TabSheet5;
    QTimer *Timer1;  // the clock, every minute
    QTimer *Timer2;  // start-up: login, once

    int CurPage = 0;
    std::array<bool, pageCount> PageVisible{};

    // Login, then EnterSession; closes the window when the login fails.
    void Timer2Timer();
    // What follows a successful login: the pages appear and fill, the
    // master-data button bars go for users without the right to change
    // master data, and the title names the user.
    void EnterSession();
    // Fills the pages after login; runs once.
    void Init();
    // Shows page `index` (0..4, in PageControl1's order).
    void SetLVButton(int index);
    // A press on the window or the title, in the pressed widget's
    // coordinates: the title strip drags, the navigation strip selects.
    void FormMouseDown(Qt::MouseButton button, QPoint pos);
    void Timer1Timer();
    // Whether the user may change master data; says so when not.
    bool CheckXGQX();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createPages();

    TDM1 &dm_;
    AppState state_;
    bool centred_ = false;
    std::array<MainPage *, pageCount> pages_{}; // in PageControl1's order
    std::array<std::array<QPixmap, 2>, pageCount> pictures_; // normal, selected
};
