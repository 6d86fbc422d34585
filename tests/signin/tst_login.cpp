#include "core/app_state.h"
#include "core/data_module.h"
#include "modal_driver.h"
#include "platform/db/sql_quote.h"
#include "platform/ui/close_area.h"
#include "signin/login.h"
#include "signin/login_panel.h"
#include "message_script.h"
#include "signin/msg_form.h"
#include "signin/rights.h"
#include "test_database.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace rights;

namespace {

// A login against a real file, its messages recorded instead of shown.
struct LoginRun {
    TestDatabase d;
    TDM1 dm{d.path()};
    AppState state;
    MessageScript messages;

    void payee(const QString &name, const QString &password, qint64 bits)
    {
        d.add().add(provision::Payee{name, password, bits, {}});
    }
    qint64 stored(const QString &name)
    {
        return d.value(QStringLiteral("SELECT QXII FROM 收款人 WHERE 收款人=") + sqlQuote(name)).toLongLong();
    }
    // ShowLogin with `act` driving the dialog once it is open.
    int run(std::function<void(TMsgForm1 &, LoginPanel &)> act)
    {
        onNextModal([act](QDialog &dialog) {
            auto &form = static_cast<TMsgForm1 &>(dialog);
            act(form, *form.Panel2);
        });
        return ShowLogin(dm, state);
    }
};

void choose(LoginPanel &panel, const QString &name)
{
    const int index = panel.ComboBox1->findText(name);
    QVERIFY2(index >= 0, qPrintable(name));
    panel.ComboBox1->setCurrentIndex(index);
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY2(!dropPendingModals(), "a dialog the test drove never opened"); }

    // The three lists are parallel, in table order; nothing is chosen yet.
    void listsFollowTheTable()
    {
        LoginRun run;
        run.payee(QStringLiteral("管理员"), QStringLiteral("1234"), 63);
        run.payee(QStringLiteral("王会计"), QStringLiteral("1111"), 39);
        run.payee(QStringLiteral("李出纳"), QString(), Login | AddBill | Reports | RememberPassword);
        run.run([](TMsgForm1 &form, LoginPanel &panel) {
            QCOMPARE(form.Label44->text(), QStringLiteral("登录"));
            QVERIFY(!form.Panel1->isVisible());
            const auto items = [](QComboBox *box) {
                QStringList all;
                for (int i = 0; i < box->count(); ++i)
                    all << box->itemText(i);
                return all;
            };
            QCOMPARE(items(panel.ComboBox1), QStringList({"管理员", "王会计", "李出纳"}));
            QCOMPARE(items(panel.ComboBox2), QStringList({"63", "39", "65571"}));
            QCOMPARE(items(panel.ComboBox3), QStringList({"1234", "1111", ""}));
            QVERIFY(!panel.ComboBox2->isVisible() && !panel.ComboBox3->isVisible());
            QVERIFY(!panel.ComboBox1->isEditable());
            QCOMPARE(panel.ComboBox1->currentIndex(), -1);
            QCOMPARE(panel.Edit2->echoMode(), QLineEdit::Password);
            QVERIFY(!panel.CheckBox1->isChecked());
            QVERIFY(panel.CheckBox2->isEnabled() && !panel.CheckBox2->isChecked());
            QVERIFY(!panel.BitBtn6->isVisible());
            QVERIFY(!panel.Timer1->isActive());
            // Keyboard use starts with choosing the name.
            QCOMPARE(keyTarget(form), panel.ComboBox1);
        });
        QVERIFY(run.messages.texts.isEmpty());
    }

    // Refused attempts say why and leave the dialog waiting.
    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::newRow("no name chosen") << "" << "123" << "请选择登录用户名!";
        QTest::newRow("wrong password") << "张三" << "999" << "用户名或密码错误!";
        QTest::newRow("another payee's password") << "张三" << "it's" << "用户名或密码错误!";
        QTest::newRow("empty password") << "张三" << "" << "用户名或密码错误!";
        QTest::newRow("quote trick in the password") << "张三" << "' OR '1'='1" << "用户名或密码错误!";
        QTest::newRow("quote trick closing the bracket") << "张三" << "x') OR (1=1" << "用户名或密码错误!";
    }
    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        LoginRun run;
        run.payee(QStringLiteral("张三"), QStringLiteral("123"), 63);
        run.payee(QStringLiteral("O'Neil"), QStringLiteral("it's"), Login | AddBill);
        const int result = run.run([&](TMsgForm1 &form, LoginPanel &panel) {
            if (!name.isEmpty())
                choose(panel, name);
            panel.Edit2->setText(password);
            click(panel.BitBtn4);
            QCOMPARE(run.messages.texts, QStringList{message});
            QCOMPARE(run.messages.titles, QStringList{"提示"});
            QVERIFY(form.isVisible());
            QVERIFY(panel.BitBtn4->isEnabled());
            // The keyboard is back where the mistake is: typing replaces
            // the refused password.
            if (name.isEmpty()) {
                QCOMPARE(keyTarget(form), panel.ComboBox1);
            } else {
                QCOMPARE(keyTarget(form), panel.Edit2);
                QCOMPARE(panel.Edit2->selectedText(), password);
            }
            click(panel.BitBtn5);
        });
        QCOMPARE(result, 0);
        QCOMPARE(run.state.LoginName, QString());
        QCOMPARE(run.state.UserRights, 0);
        QCOMPARE(run.stored(QStringLiteral("张三")), 63);
    }

    // Quotes reach the database as typed: the text matches itself and only
    // itself, letter case aside.
    void quotedValues_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("logsIn");
        QTest::newRow("as stored") << "it's" << true;
        QTest::newRow("other letter case") << "IT'S" << true;
        QTest::newRow("quote left out") << "its" << false;
        QTest::newRow("quote doubled") << "it''s" << false;
    }
    void quotedValues()
    {
        QFETCH(QString, password);
        QFETCH(bool, logsIn);
        LoginRun run;
        run.payee(QStringLiteral("张三"), QStringLiteral("123"), 63);
        run.payee(QStringLiteral("O''Neil"), QStringLiteral("it's"), Login | Reports);
        run.payee(QStringLiteral("O'Neil"), QStringLiteral("it's"), Login | AddBill);
        const int result = run.run([&](TMsgForm1 &, LoginPanel &panel) {
            choose(panel, QStringLiteral("O'Neil"));
            panel.Edit2->setText(password);
            click(panel.BitBtn4);
        });
        QCOMPARE(result, logsIn ? 6 : 0);
        if (logsIn) {
            QVERIFY(run.messages.texts.isEmpty());
            QCOMPARE(run.state.LoginName, QStringLiteral("O'Neil"));
            QCOMPARE(run.state.UserRights, Login | AddBill);
            QCOMPARE(run.stored(QStringLiteral("O''Neil")), Login | Reports);
        } else {
            QCOMPARE(run.messages.texts, QStringList{"用户名或密码错误!"});
        }
    }

    // A payee without the login bit can be chosen, but neither the button
    // nor Enter logs him in.
    void loginButtonFollowsTheLoginBit()
    {
        LoginRun run;
        run.payee(QStringLiteral("张三"), QStringLiteral("123"), 63);
        run.payee(QStringLiteral("王五"), QStringLiteral("555"), Reports | ManageMasterData);
        run.run([&](TMsgForm1 &form, LoginPanel &panel) {
            choose(panel, QStringLiteral("王五"));
            QVERIFY(!panel.BitBtn4->isEnabled());
            panel.Edit2->setText(QStringLiteral("555"));
            QTest::keyClick(panel.Edit2, Qt::Key_Return);
            QVERIFY(form.isVisible());
            QVERIFY(run.messages.texts.isEmpty());
            choose(panel, QStringLiteral("张三"));
            QVERIFY(panel.BitBtn4->isEnabled());
            QCOMPARE(panel.Edit2->text(), QString());
        });
        QCOMPARE(run.state.LoginName, QString());
    }

    // Each login rewrites the payee's options from the two boxes; the
    // rights the program keeps never hold them.
    void storedOptions_data()
    {
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<bool>("remembered");
        QTest::addColumn<int>("userRights");
        QTest::addColumn<qint64>("storedAfter");
        QTest::newRow("plain") << qint64(Login | AddBill) << "pw" << QStringList() << false << 3 << qint64(3);
        QTest::newRow("remembered password")
            << qint64(Login | RememberPassword) << "" << QStringList() << true << 1 << qint64(Login | RememberPassword);
        QTest::newRow("automatic without remember")
            << qint64(Login | AutomaticLogin) << "pw" << QStringList() << false << 1 << qint64(Login);
        QTest::newRow("user ticks remember")
            << qint64(Login | ModifyBill) << "pw" << QStringList{"CheckBox1"} << false << 5
            << qint64(Login | ModifyBill | RememberPassword);
        QTest::newRow("user ticks both")
            << qint64(Login) << "pw" << QStringList{"CheckBox1", "CheckBox2"} << false << 1
            << qint64(Login | RememberPassword | AutomaticLogin);
        QTest::newRow("user unticks remember")
            << qint64(Login | DeleteBill | RememberPassword) << "" << QStringList{"CheckBox1"} << true << 9
            << qint64(Login | DeleteBill);
    }
    void storedOptions()
    {
        QFETCH(qint64, stored);
        QFETCH(QString, password);
        QFETCH(QStringList, ticks);
        QFETCH(bool, remembered);
        QFETCH(int, userRights);
        QFETCH(qint64, storedAfter);
        LoginRun run;
        run.payee(QStringLiteral("管理员"), QStringLiteral("0"), Login | ManageMasterData);
        run.payee(QStringLiteral("赵六"), QStringLiteral("pw"), stored);
        const int result = run.run([&](TMsgForm1 &, LoginPanel &panel) {
            choose(panel, QStringLiteral("赵六"));
            QCOMPARE(panel.CheckBox1->isChecked(), remembered);
            QCOMPARE(panel.Edit2->text(), remembered ? QStringLiteral("pw") : QString());
            if (!password.isEmpty())
                panel.Edit2->setText(password);
            for (const QString &box : ticks)
                click(panel.findChild<QCheckBox *>(box));
            click(panel.BitBtn4);
        });
        QCOMPARE(result, 6);
        QCOMPARE(run.state.LoginName, QStringLiteral("赵六"));
        QCOMPARE(run.state.UserRights, userRights);
        QCOMPARE(run.stored(QStringLiteral("赵六")), storedAfter);
        QVERIFY(run.messages.texts.isEmpty());
    }

    void untickingRememberDisablesAutomaticLoginButKeepsItsMark()
    {
        LoginRun run;
        run.payee(QStringLiteral("管理员"), QStringLiteral("0"), Login | ManageMasterData);
        run.payee(QStringLiteral("赵六"), QStringLiteral("pw"), Login | RememberPassword);
        const int result = run.run([&](TMsgForm1 &, LoginPanel &panel) {
            choose(panel, QStringLiteral("赵六"));
            click(panel.CheckBox2);
            QVERIFY(panel.CheckBox2->isChecked());
            click(panel.CheckBox1);
            QVERIFY(!panel.CheckBox2->isEnabled());
            QVERIFY(panel.CheckBox2->isChecked());
            click(panel.CheckBox1);
            QVERIFY(panel.CheckBox2->isEnabled());
            click(panel.CheckBox1);
            click(panel.BitBtn4);
        });
        QCOMPARE(result, 6);
        QCOMPARE(run.stored(QStringLiteral("赵六")), Login);
    }

    // With nobody able to log in and manage the accounts, the first payee
    // is offered every right and his stored password; the first login
    // makes the lent bits 1 and 16 his for good.
    void lockOutRescue_data()
    {
        QTest::addColumn<qint64>("first");
        QTest::addColumn<qint64>("second");
        QTest::addColumn<bool>("rescued");
        QTest::newRow("nobody manages") << qint64(Login | AddBill) << qint64(Login | Reports) << true;
        QTest::newRow("first payee without any right") << qint64(0) << qint64(Login) << true;
        QTest::newRow("a manager who cannot log in") << qint64(Login | AddBill) << qint64(ManageMasterData) << true;
        QTest::newRow("someone manages") << qint64(Login | AddBill) << qint64(Login | ManageMasterData) << false;
    }
    void lockOutRescue()
    {
        QFETCH(qint64, first);
        QFETCH(qint64, second);
        QFETCH(bool, rescued);
        LoginRun run;
        run.payee(QStringLiteral("甲"), QStringLiteral("a1"), first);
        run.payee(QStringLiteral("乙"), QStringLiteral("b2"), second);
        const int result = run.run([&](TMsgForm1 &, LoginPanel &panel) {
            QCOMPARE(panel.ComboBox2->itemText(0), QString::number(rescued ? 65599 : first));
            QCOMPARE(run.stored(QStringLiteral("甲")), first);
            choose(panel, QStringLiteral("甲"));
            QCOMPARE(panel.Edit2->text(), rescued ? QStringLiteral("a1") : QString());
            QCOMPARE(panel.Edit2->displayText(), rescued ? QStringLiteral("**") : QString());
            QCOMPARE(panel.CheckBox1->isChecked(), rescued);
            QCOMPARE(panel.BitBtn4->isEnabled(), rescued || (first & Login));
            if (rescued)
                click(panel.BitBtn4);
        });
        QCOMPARE(result, rescued ? 6 : 0);
        if (!rescued)
            return;
        const int lent = int(first | Login | ManageMasterData);
        QCOMPARE(run.state.UserRights, lent);
        QCOMPARE(run.stored(QStringLiteral("甲")), lent | RememberPassword);
        QCOMPARE(run.stored(QStringLiteral("乙")), second);
    }

    // Only the first payee with automatic login counts down; the login
    // happens at the third tick of 300 ms.
    void automaticLogin()
    {
        LoginRun run;
        const qint64 automatic = Login | RememberPassword | AutomaticLogin;
        run.payee(QStringLiteral("管理员"), QStringLiteral("0"), Login | ManageMasterData);
        run.payee(QStringLiteral("王会计"), QStringLiteral("1111"), automatic | AddBill);
        run.payee(QStringLiteral("李出纳"), QStringLiteral("2222"), automatic | ManageMasterData);
        qint64 elapsed = 0;
        const int result = run.run([&](TMsgForm1 &form, LoginPanel &panel) {
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(panel.ComboBox1->currentText(), QStringLiteral("王会计"));
            QCOMPARE(panel.Edit2->text(), QStringLiteral("1111"));
            QVERIFY(panel.CheckBox1->isChecked() && panel.CheckBox2->isChecked());
            QVERIFY(panel.BitBtn6->isVisible());
            QCOMPARE(panel.BitBtn6->text(), QStringLiteral("自动登录(3)...点击取消"));
            QCOMPARE(panel.Timer1->interval(), 300);
            QVERIFY(panel.Timer1->isActive());
            QTRY_COMPARE_WITH_TIMEOUT(panel.BitBtn6->text(), QStringLiteral("自动登录(2)...点击取消"), 1000);
            QTRY_COMPARE_WITH_TIMEOUT(panel.BitBtn6->text(), QStringLiteral("自动登录(1)...点击取消"), 1000);
            QVERIFY(form.isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 1000);
            elapsed = clock.elapsed();
        });
        QCOMPARE(result, 6);
        QVERIFY2(elapsed >= 800, qPrintable(QString::number(elapsed)));
        QCOMPARE(run.state.LoginName, QStringLiteral("王会计"));
        QCOMPARE(run.state.UserRights, Login | AddBill);
        QCOMPARE(run.stored(QStringLiteral("王会计")), automatic | AddBill);
        QCOMPARE(run.stored(QStringLiteral("李出纳")), automatic | ManageMasterData);
    }

    void cancellingTheCountdown()
    {
        LoginRun run;
        run.payee(QStringLiteral("管理员"), QStringLiteral("0"), Login | ManageMasterData);
        run.payee(QStringLiteral("王会计"), QStringLiteral("1111"), Login | RememberPassword | AutomaticLogin);
        const int result = run.run([&](TMsgForm1 &form, LoginPanel &panel) {
            click(panel.BitBtn6);
            QVERIFY(!panel.Timer1->isActive());
            QVERIFY(!panel.BitBtn6->isVisible());
            QVERIFY(!panel.CheckBox2->isChecked());
            QCOMPARE(panel.Edit2->text(), QStringLiteral("1111"));
            QTest::qWait(1100);
            QVERIFY(form.isVisible());
            click(panel.BitBtn4);
        });
        QCOMPARE(result, 6);
        QCOMPARE(run.stored(QStringLiteral("王会计")), Login | RememberPassword);
        QVERIFY(run.messages.texts.isEmpty());
    }

    // A remembered password that no longer matches ends the countdown with
    // the refusal; the dialog then waits for the user.
    void failedAutomaticLoginWaits()
    {
        LoginRun run;
        run.payee(QStringLiteral("管理员"), QStringLiteral("0"), Login | ManageMasterData);
        run.payee(QStringLiteral("王会计"), QStringLiteral("1111"), Login | RememberPassword | AutomaticLogin);
        run.run([&](TMsgForm1 &form, LoginPanel &panel) {
            run.d.db().execute(QStringLiteral("UPDATE 收款人 SET PASS='changed' WHERE 收款人='王会计'"));
            QTRY_COMPARE_WITH_TIMEOUT(run.messages.texts, QStringList{"用户名或密码错误!"}, 2000);
            QVERIFY(form.isVisible());
            QVERIFY(!panel.Timer1->isActive());
            QVERIFY(!panel.BitBtn6->isVisible());
            QVERIFY(panel.BitBtn4->isEnabled());
        });
        QCOMPARE(run.state.LoginName, QString());
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("退出") << "BitBtn5" << 0;
        QTest::newRow("Escape") << "escape" << 0;
        QTest::newRow("close area") << "close" << 0;
        QTest::newRow("Enter logs in") << "enter" << 6;
    }
    void leaving()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        LoginRun run;
        run.payee(QStringLiteral("张三"), QStringLiteral("123"), 63);
        const int got = run.run([&](TMsgForm1 &form, LoginPanel &panel) {
            choose(panel, QStringLiteral("张三"));
            panel.Edit2->setText(QStringLiteral("123"));
            if (how == QLatin1String("escape"))
                QTest::keyClick(panel.Edit2, Qt::Key_Escape);
            else if (how == QLatin1String("enter"))
                QTest::keyClick(panel.Edit2, Qt::Key_Return);
            else if (how == QLatin1String("close"))
                click(form.Label37);
            else
                click(panel.BitBtn5);
            QVERIFY(!form.isVisible());
        });
        QCOMPARE(got, result);
        QCOMPARE(run.state.LoginName, result == 6 ? QStringLiteral("张三") : QString());
    }

    // When the payees cannot be read the reason is shown and the dialog
    // never opens.
    void unreadablePayees_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        QTest::newRow("no file") << "remove" << "unable to open database file";
        QTest::newRow("not a database") << "garbage" << "file is encrypted or is not a database";
        QTest::newRow("no payee at all") << "empty" << "收款人资料中没有任何帐号，无法登录！";
    }
    void unreadablePayees()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Data.dx"));
        std::unique_ptr<TestDatabase> database;
        if (setup == QLatin1String("garbage")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(4096, 'x'));
        }
        if (setup == QLatin1String("empty"))
            database = std::make_unique<TestDatabase>();
        TDM1 dm(database ? database->path() : path);
        AppState state;
        MessageScript messages;
        ModalWatch watch;
        QCOMPARE(ShowLogin(dm, state), 0);
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(watch.seen(), 0);
        QVERIFY(!QFile::exists(path) || setup == QLatin1String("garbage"));
    }

    // A database failure during an attempt is shown with the engine's text;
    // the dialog stays and the user is not logged in.
    void databaseErrorWhileLoggingIn_data()
    {
        QTest::addColumn<QString>("sabotage");
        QTest::addColumn<QString>("message");
        QTest::newRow("table gone") << "DROP TABLE 收款人" << "no such table: 收款人";
        QTest::newRow("options cannot be stored")
            << "CREATE TRIGGER frozen BEFORE UPDATE ON 收款人 BEGIN SELECT RAISE(ABORT, '帐号已锁定'); END"
            << "帐号已锁定";
    }
    void databaseErrorWhileLoggingIn()
    {
        QFETCH(QString, sabotage);
        QFETCH(QString, message);
        LoginRun run;
        run.payee(QStringLiteral("张三"), QStringLiteral("123"), 63);
        const int result = run.run([&](TMsgForm1 &form, LoginPanel &panel) {
            run.d.db().execute(sabotage);
            choose(panel, QStringLiteral("张三"));
            panel.Edit2->setText(QStringLiteral("123"));
            click(panel.BitBtn4);
            QCOMPARE(run.messages.texts, QStringList{message});
            QVERIFY(form.isVisible());
            QVERIFY(panel.BitBtn4->isEnabled());
        });
        QCOMPARE(result, 0);
        QCOMPARE(run.state.LoginName, QString());
        QCOMPARE(run.state.UserRights, 0);
    }

    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("SCREENSHOT_DIR"))
            QSKIP("SCREENSHOT_DIR is not set");
        LoginRun run;
        run.payee(QStringLiteral("管理员"), QStringLiteral("1234"), 63 | RememberPassword);
        run.payee(QStringLiteral("王会计"), QStringLiteral("1111"), 39);
        run.run([](TMsgForm1 &form, LoginPanel &panel) {
            saveScreenshot(form, QStringLiteral("login_empty.png"));
            choose(panel, QStringLiteral("管理员"));
            saveScreenshot(form, QStringLiteral("login.png"));
        });
        LoginRun automatic;
        automatic.payee(QStringLiteral("管理员"), QStringLiteral("1234"), 63 | RememberPassword | AutomaticLogin);
        automatic.run([](TMsgForm1 &form, LoginPanel &panel) {
            panel.Timer1->stop();
            saveScreenshot(form, QStringLiteral("login_countdown.png"));
        });
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
