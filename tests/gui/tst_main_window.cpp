#include "core/data_module.h"
#include "main/bill_page.h"
#include "main/bill_panel.h"
#include "main/format_page.h"
#include "main/house_page.h"
#include "main/main_backdrop.h"
#include "main/main_form.h"
#include "main/payee_page.h"
#include "main/tenant_page.h"
#include "modal_driver.h"
#include "signin/login_panel.h"
#include "message_script.h"
#include "signin/msg_form.h"
#include "signin/rights.h"
#include "test_database.h"

#include <QtTest>

#include <QComboBox>
#include <QPushButton>
#include <QDateTimeEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStackedWidget>
#include <QTimer>

#include <memory>

namespace {

// A main window on a real database with the small landlord's rows, its
// start-up login held back so the test logs in by calling Init itself.
struct MainWindow {
    TestDatabase database;
    std::unique_ptr<TDM1> dm;
    std::unique_ptr<TMFormX12> form;

    MainWindow()
    {
        SmallLandlord::fill(database);
        QDir::setCurrent(database.folder());
        dm = std::make_unique<TDM1>(database.path());
        form = std::make_unique<TMFormX12>(*dm);
        form->Timer2->stop();
    }

    void logIn(int userRights)
    {
        form->state().LoginName = QStringLiteral("张三");
        form->state().UserRights = userRights;
        form->EnterSession();
    }
};

QStringList items(const QComboBox *combo)
{
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << combo->itemText(i);
    return names;
}

} // namespace

class TstMainWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY2(!dropPendingModals(), "a dialog the test drove never opened"); }
    void beforeLogin();
    void startUp_data();
    void startUp();
    void pressInNavigationStrip_data();
    void pressInNavigationStrip();
    void pressSkipsHiddenPages();
    void clock();
    void initOpensListsAndFillsPayees();
    void formatPagePreviewsSelectedBill();
    void buttonBarsFollowRights_data();
    void buttonBarsFollowRights();
    void checkXGQX_data();
    void checkXGQX();
    void screenshot();
};

void TstMainWindow::beforeLogin()
{
    MainWindow w;
    // The navigation strip shows the bare background: no button is
    // painted until the pages are there.
    const QRect strip(28, 43, 750, 60);
    const auto shownStrip = [&] { return w.form->grab(strip).toImage().convertToFormat(QImage::Format_RGB32); };
    QImage bare(w.form->size(), QImage::Format_RGB32);
    {
        QPainter painter(&bare);
        mainskin::paintBackdrop(painter, bare.rect());
    }
    QCOMPARE(shownStrip(), bare.copy(strip));
    QVERIFY(w.form->Panel1->isHidden());
    QCOMPARE(w.form->Label44->text(), QStringLiteral("★Tenvora  未登录......"));
    QCOMPARE(w.form->Label36->text(), QStringLiteral("★"));
    QVERIFY(w.form->Timer1->isActive());
    QCOMPARE(w.form->Timer1->interval(), 60000);

    // No button is there to press: every slot leaves page 0 selected.
    for (int x : {100, 250, 400, 550, 700}) {
        w.form->FormMouseDown(Qt::LeftButton, QPoint(x, 70));
        QCOMPARE(w.form->CurPage, 0);
    }
    QCOMPARE(w.form->PageControl1->currentIndex(), 0);

    w.logIn(rights::Login);
    QVERIFY(shownStrip() != bare.copy(strip));
}

void TstMainWindow::startUp_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("houseTableGone");
    QTest::addColumn<bool>("session");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("login") << "123" << false << true << QStringList();
    QTest::newRow("login left") << QString() << false << false << QStringList();
    QTest::newRow("lists unreadable after login")
        << "123" << true << false << QStringList{QStringLiteral("no such table: 房屋资料")};
}

// The start-up timer's work through the real login dialog: a session
// opens only when the login succeeds and the lists can be read; otherwise
// the window closes, after saying why.
void TstMainWindow::startUp()
{
    QFETCH(QString, password);
    QFETCH(bool, houseTableGone);
    QFETCH(bool, session);
    QFETCH(QStringList, messages);

    MainWindow w;
    if (houseTableGone)
        w.database.db().execute(QStringLiteral("DROP TABLE 房屋资料"));
    w.form->show();
    MessageScript shown;
    onNextModal([&](QDialog &dialog) {
        LoginPanel &login = *static_cast<TMsgForm1 &>(dialog).Panel2;
        if (password.isNull()) {
            login.BitBtn5->click();
            return;
        }
        login.ComboBox1->setCurrentIndex(login.ComboBox1->findText(QStringLiteral("张三")));
        login.Edit2->setText(password);
        login.BitBtn4->click();
    });
    w.form->Timer2Timer();

    QCOMPARE(w.form->isVisible(), session);
    QCOMPARE(shown.texts, messages);
    if (session) {
        QVERIFY(!w.form->Panel1->isHidden());
        QCOMPARE(w.form->Label44->text(), QStringLiteral("★Tenvora v1.003   --【张三】"));
    }
}

void TstMainWindow::pressInNavigationStrip_data()
{
    QTest::addColumn<int>("startPage");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<int>("expectedPage");

    // Heights: only 51..99 is the strip.
    QTest::newRow("y 50 is above the strip") << 2 << QPoint(100, 50) << 2;
    QTest::newRow("y 51 is the strip") << 2 << QPoint(100, 51) << 0;
    QTest::newRow("y 99 is the strip") << 0 << QPoint(700, 99) << 4;
    QTest::newRow("y 100 is below the strip") << 2 << QPoint(100, 100) << 2;
    QTest::newRow("y 35 under the title") << 2 << QPoint(100, 35) << 2;
    // Columns: each slot's edges are dead.
    QTest::newRow("x 30 left of the first slot") << 2 << QPoint(30, 60) << 2;
    QTest::newRow("x 31 first slot") << 2 << QPoint(31, 60) << 0;
    QTest::newRow("x 179 first slot") << 2 << QPoint(179, 60) << 0;
    QTest::newRow("x 180 between slots") << 2 << QPoint(180, 60) << 2;
    QTest::newRow("x 181 second slot") << 0 << QPoint(181, 60) << 1;
    QTest::newRow("x 330 between slots") << 0 << QPoint(330, 60) << 0;
    QTest::newRow("x 331 third slot") << 0 << QPoint(331, 60) << 2;
    QTest::newRow("x 480 between slots") << 0 << QPoint(480, 60) << 0;
    QTest::newRow("x 481 fourth slot") << 0 << QPoint(481, 60) << 3;
    QTest::newRow("x 630 between slots") << 0 << QPoint(630, 60) << 0;
    QTest::newRow("x 631 fifth slot") << 0 << QPoint(631, 60) << 4;
    QTest::newRow("x 779 fifth slot") << 0 << QPoint(779, 60) << 4;
    QTest::newRow("x 780 right of the last slot") << 1 << QPoint(780, 60) << 1;
    QTest::newRow("x 800 right of the last slot") << 1 << QPoint(800, 60) << 1;
}

void TstMainWindow::pressInNavigationStrip()
{
    QFETCH(int, startPage);
    QFETCH(QPoint, press);
    QFETCH(int, expectedPage);

    MainWindow w;
    w.logIn(rights::Login | rights::ManageMasterData);
    // Any button selects in the strip.
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        w.form->CurPage = startPage;
        w.form->SetLVButton(startPage);
        w.form->FormMouseDown(button, press);
        QCOMPARE(w.form->CurPage, expectedPage);
        QCOMPARE(w.form->PageControl1->currentIndex(), expectedPage);
    }
}

void TstMainWindow::pressSkipsHiddenPages()
{
    MainWindow w;
    w.logIn(rights::Login);
    w.form->PageVisible = {true, false, true, false, true};
    // The visible buttons close ranks: slot 1 is page 2, slot 2 page 4.
    w.form->FormMouseDown(Qt::LeftButton, QPoint(200, 60));
    QCOMPARE(w.form->CurPage, 2);
    w.form->FormMouseDown(Qt::LeftButton, QPoint(400, 60));
    QCOMPARE(w.form->CurPage, 4);
    // A slot without a visible page keeps the selection.
    w.form->FormMouseDown(Qt::LeftButton, QPoint(550, 60));
    QCOMPARE(w.form->CurPage, 4);
    QCOMPARE(w.form->PageControl1->currentIndex(), 4);
}

void TstMainWindow::clock()
{
    FixedClock fixed(QDateTime(QDate(2011, 4, 1), QTime(9, 5)));
    MainWindow w;
    QCOMPARE(w.form->Label36->text(), QStringLiteral("★"));
    w.form->Timer1Timer();
    QCOMPARE(w.form->Label36->text(), QStringLiteral("当前时间: 2011年04月01 09:05"));

    // Init shows the time at once, without waiting for the first tick.
    MainWindow other;
    other.form->state().UserRights = rights::Login;
    other.form->Init();
    QCOMPARE(other.form->Label36->text(), QStringLiteral("当前时间: 2011年04月01 09:05"));
}

void TstMainWindow::initOpensListsAndFillsPayees()
{
    FixedClock fixed(SmallLandlord::now());
    MainWindow w;
    w.form->CurPage = 3;
    w.form->SetLVButton(3);
    w.form->state().HouseKey = w.form->state().TenantKey = w.form->state().PayeeKey = 7;
    w.form->state().UserRights = rights::Login;
    w.form->Init();

    for (bool visible : w.form->PageVisible)
        QVERIFY(visible);
    QCOMPARE(w.form->CurPage, 0);
    QCOMPARE(w.form->PageControl1->currentIndex(), 0);
    QCOMPARE(w.form->state().HouseKey, 0);
    QCOMPARE(w.form->state().TenantKey, 0);
    QCOMPARE(w.form->state().PayeeKey, 0);

    QVERIFY(w.dm->ADODS2.isOpen());
    QVERIFY(w.dm->ADOZH.isOpen());
    QVERIFY(w.dm->ADOF.isOpen());
    QVERIFY(w.dm->ADOSKR.isOpen());
    QCOMPARE(w.dm->ADOSKR.commandText(), TDM1::payeeRightsQuery());
    // The rights query's own column proves the switch took effect.
    QVERIFY(w.dm->ADOSKR.fieldIndex(QStringLiteral("权限")) >= 0);

    const QStringList payees{QStringLiteral("张三"), QStringLiteral("李四")};
    BillPanel *bill = w.form->TabSheet1->Panel5;
    for (QComboBox *combo : {bill->ComboBox1, bill->ComboBox2})
        for (const QString &name : payees)
            QVERIFY2(items(combo).contains(name), qPrintable(items(combo).join(u',')));
    QCOMPARE(items(bill->ComboBox1).size(), w.database.count(QStringLiteral("收款人")));
    // Opening the house list selects its first house; the data module
    // hands it to the bill panel, which shows that house's bill.
    QVERIFY(!w.dm->ADODS2.isEmpty());
    QCOMPARE(bill->Edit30->text(), w.dm->ADODS2.field(QStringLiteral("地址")).asString());
    QVERIFY(!bill->Edit28->text().isEmpty());
    // The bill is shown, not edited, until the user adds or modifies one.
    QVERIFY(bill->Edit11->isReadOnly());
}

void TstMainWindow::formatPagePreviewsSelectedBill()
{
    MainWindow w;
    w.logIn(rights::Login);
    FormatPage *format = w.form->TabSheet5;
    const auto selectedBill = [&] {
        return QStringLiteral(" WHERE (IDS=%1)").arg(w.dm->CDS1.field(QStringLiteral("IDS")).asInteger());
    };
    QVERIFY(!w.dm->CDS1.isEmpty());
    w.form->FormMouseDown(Qt::LeftButton, QPoint(700, 60));
    QCOMPARE(w.form->CurPage, 4);
    QCOMPARE(format->previewCondition(), selectedBill());

    // Another bill chosen meanwhile: a press beside the buttons keeps the
    // page but still shows the bill now selected.
    w.dm->CDS1.last();
    const QString other = selectedBill();
    QVERIFY(other != format->previewCondition());
    w.form->FormMouseDown(Qt::LeftButton, QPoint(800, 60));
    QCOMPARE(w.form->CurPage, 4);
    QCOMPARE(format->previewCondition(), other);

    // A house without bills leaves nothing to preview.
    QVERIFY(w.dm->ADODS2.locate(QStringLiteral("地址"), QStringLiteral("C303")));
    QVERIFY(w.dm->CDS1.isEmpty());
    w.form->SetLVButton(4);
    QCOMPARE(format->previewCondition(), QStringLiteral(" WHERE (IDS=0)"));
}

void TstMainWindow::buttonBarsFollowRights_data()
{
    QTest::addColumn<int>("userRights");
    QTest::addColumn<bool>("barsShown");
    QTest::newRow("viewer") << (rights::Login | rights::Reports) << false;
    QTest::newRow("master data") << (rights::Login | rights::ManageMasterData) << true;
    QTest::newRow("every right") << int(rights::LockOutRescue) << true;
}

void TstMainWindow::buttonBarsFollowRights()
{
    QFETCH(int, userRights);
    QFETCH(bool, barsShown);

    MainWindow w;
    w.logIn(userRights);
    QVERIFY(!w.form->Panel1->isHidden());
    QCOMPARE(w.form->Label44->text(), QStringLiteral("★Tenvora v1.003   --【张三】"));
    for (QFrame *bar : {w.form->TabSheet3->Panel2, w.form->TabSheet2->Panel3, w.form->TabSheet4->Panel6})
        QCOMPARE(!bar->isHidden(), barsShown);
}

void TstMainWindow::checkXGQX_data()
{
    QTest::addColumn<int>("userRights");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("without bit 16") << (rights::LockOutRescue & ~rights::ManageMasterData) << false;
    QTest::newRow("with bit 16") << int(rights::ManageMasterData) << true;
}

void TstMainWindow::checkXGQX()
{
    QFETCH(int, userRights);
    QFETCH(bool, allowed);

    MainWindow w;
    w.form->state().UserRights = userRights;
    MessageScript messages;
    QCOMPARE(w.form->CheckXGQX(), allowed);
    QCOMPARE(messages.texts, allowed ? QStringList() : QStringList{QStringLiteral("您没有修改权限！")});
}

void TstMainWindow::screenshot()
{
    const QString dir = qEnvironmentVariable("SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("SCREENSHOT_DIR is not set");
    FixedClock fixed(SmallLandlord::now());
    MainWindow w;
    w.logIn(rights::LockOutRescue);
    w.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    QVERIFY(w.form->grab().save(QDir(dir).filePath(QStringLiteral("main-window.png"))));
}

QTEST_MAIN(TstMainWindow)
#include "tst_main_window.moc"
