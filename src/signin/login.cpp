#include "signin/login.h"

#include "core/app_state.h"
#include "core/data_module.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_quote.h"
#include "signin/login_panel.h"
#include "signin/message_box.h"
#include "signin/msg_form.h"
#include "signin/rights.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Fills the three parallel lists and applies the lock-out rescue and the
// automatic login; throws DbError when the payees cannot be read.
void prepare(LoginPanel &login, TDM1 &dm)
{
    dm.ADODS10.close();
    dm.ADODS10.setCommandText(QStringLiteral("SELECT * From 收款人"));
    dm.ADODS10.open();
    dm.FillCombo(QStringLiteral("收款人"), dm.ADODS10, login.ComboBox1);
    dm.FillCombo(QStringLiteral("QXII"), dm.ADODS10, login.ComboBox2);
    dm.FillCombo(QStringLiteral("PASS"), dm.ADODS10, login.ComboBox3);

    // Without a payee nobody could ever log in: say so rather than open a
    // dialog with nothing to choose.
    const int payees = login.ComboBox1->count();
    if (payees == 0)
        throw DbError(QStringLiteral("收款人资料中没有任何帐号，无法登录！"));

    bool someoneManages = false;
    for (int i = 0; i < payees; ++i) {
        const int r = login.rightsAt(i);
        if ((r & rights::Login) && (r & rights::ManageMasterData))
            someoneManages = true;
    }
    if (!someoneManages)
        login.ComboBox2->setItemText(0, QString::number(rights::LockOutRescue));

    constexpr int automatic = rights::Login | rights::RememberPassword | rights::AutomaticLogin;
    for (int i = 0; i < payees; ++i) {
        if ((login.rightsAt(i) & automatic) == automatic) {
            login.selectPayee(i);
            login.startCountdown();
            break;
        }
    }
}

QString loginQuery(const QString &name, const QString &password)
{
    return QStringLiteral("SELECT * From 收款人 WHERE (收款人=") + sqlQuote(name)
           + QStringLiteral(") AND (PASS=") + sqlQuote(password) + QStringLiteral(")");
}

} // namespace

int ShowLogin(TDM1 &dm, AppState &state)
{
    TMsgForm1 form(TMsgForm1::defaultParent());
    form.Panel1->hide();
    form.setTitle(QStringLiteral("登录"));
    LoginPanel &login = *form.Panel2;
    QObject::connect(&login, &LoginPanel::loginRequested, &form, [&] { BitBtn4Click(form, dm, state); });
    try {
        prepare(login, dm);
    } catch (const DbError &error) {
        MsgInfo(error.message());
        return 0;
    }
    login.focusNextInput();
    form.exec();
    return form.Tag;
}

void BitBtn4Click(TMsgForm1 &form, TDM1 &dm, AppState &state)
{
    LoginPanel &login = *form.Panel2;
    const int index = login.ComboBox1->currentIndex();
    if (index < 0) {
        MsgInfo(QStringLiteral("请选择登录用户名!"));
        login.focusNextInput();
        return;
    }
    login.BitBtn4->setEnabled(false);
    try {
        dm.ADODS10.close();
        dm.ADODS10.setCommandText(loginQuery(login.ComboBox1->currentText(), login.Edit2->text()));
        dm.ADODS10.open();
        if (dm.ADODS10.isEmpty()) {
            MsgInfo(QStringLiteral("用户名或密码错误!"));
            login.focusNextInput();
        } else {
            const int loginRights = (login.rightsAt(index) & rights::Lendable)
                                    | int(dm.ADODS10.field(QStringLiteral("QXII")).asInteger());
            if (!(loginRights & rights::Login)) {
                MsgInfo(QStringLiteral("您没有登录权限！"));
            } else {
                const int userRights = loginRights & ~rights::Options;
                int stored = userRights;
                if (login.CheckBox1->isChecked()) {
                    stored |= rights::RememberPassword;
                    if (login.CheckBox2->isChecked())
                        stored |= rights::AutomaticLogin;
                }
                dm.ADOCmd1.setCommandText(QStringLiteral("UPDATE 收款人 SET QXII=") + QString::number(stored)
                                          + QStringLiteral(" WHERE (IDS=")
                                          + dm.ADODS10.field(QStringLiteral("IDS")).asString()
                                          + QStringLiteral(")"));
                dm.ADOCmd1.execute();
                // The user counts as logged in only once his options are
                // stored; a failed update leaves the state untouched.
                state.LoginName = dm.ADODS10.field(QStringLiteral("收款人")).asString();
                state.UserRights = userRights;
                form.Tag = TMsgForm1::yes;
                form.accept();
            }
        }
    } catch (const DbError &error) {
        MsgInfo(error.message());
    }
    login.BitBtn4->setEnabled(true);
}
