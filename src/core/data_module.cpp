#include "core/data_module.h"

#include "platform/db/db_error.h"
#include "platform/db/sql_quote.h"
#include "platform/text/gbk.h"

#include <QComboBox>
#include <QMessageBox>
#include <QSignalBlocker>

TDM1 *DM1 = nullptr;

namespace {

// Points a query of the module at the connection, with its fixed text
// where it has one.
void prepare(Dataset &dataset, Connection &connection, const QString &text = {})
{
    dataset.setConnection(&connection);
    dataset.setCommandText(text);
}

} // namespace

TDM1::TDM1(const QString &databasePath, QObject *parent)
    : QObject(parent),
      ADOConnection1(databasePath, QByteArray(databaseKey)),
      CDS1(QStringLiteral("CDS1"), this),
      DataSource1(&CDS1, this),
      ADOCmd1(ADOConnection1),
      ADODS2_M(QStringLiteral("ADODS2_M"), this),
      ADODS10(QStringLiteral("ADODS10"), this),
      ADOZH_M(QStringLiteral("ADOZH_M"), this),
      ADOF_M(QStringLiteral("ADOF_M"), this),
      ADOSKR(QStringLiteral("ADOSKR"), this),
      ADOZJ1(QStringLiteral("ADOZJ1"), this),
      ADOF(QStringLiteral("ADOF"), this),
      ADOZH(QStringLiteral("ADOZH"), this),
      ADODS2(QStringLiteral("ADODS2"), this),
      DataSource2(&ADODS2, this),
      DataSource3(&ADOZH, this),
      DataSource4(&ADOF, this),
      DataSource5(&ADOSKR, this)
{
    setObjectName(QStringLiteral("DM1"));
    prepare(CDS1, ADOConnection1);
    prepare(ADODS2_M, ADOConnection1, houseListQuery(false));
    prepare(ADODS10, ADOConnection1);
    prepare(ADOZH_M, ADOConnection1, QStringLiteral("select * from 租户资料 ORDER BY 已租房号"));
    prepare(ADOF_M, ADOConnection1, houseListQuery(true));
    prepare(ADOSKR, ADOConnection1, QStringLiteral("select * from 收款人"));
    prepare(ADOZJ1, ADOConnection1);
    ADOF.setProvider(&ADOF_M);
    ADOZH.setProvider(&ADOZH_M);
    ADODS2.setProvider(&ADODS2_M);

    CDS1.setAfterScroll([this](Dataset &d) { CDS1AfterScroll(d); });
    ADOZJ1.setAfterScroll([this](Dataset &d) { CDS1AfterScroll(d); });
    ADODS2.setAfterScroll([this](Dataset &d) { ADODS2_MAfterScroll(d); });
    ADOF.setAfterScroll([this](Dataset &d) { ADOF_MAfterScroll(d); });
    ADOZH.setAfterScroll([this](Dataset &d) { ADOZH_MAfterScroll(d); });
    ADOSKR.setAfterScroll([this](Dataset &d) { ADOSKRAfterScroll(d); });

    plainMessage_ = [](const QString &text) {
        QMessageBox::information(nullptr, QStringLiteral("Tenvora v1.0"), text);
    };
}

// The paid state compares julian days as the dialect requires; the text
// comparison before it only narrows the search to the periods that can
// still reach today (a stored end date begins with its day), so the index
// on (住址, 至租金日期) answers it without reading every bill.
QString TDM1::houseListQuery(bool withDeposit)
{
    return QStringLiteral("select IDS, 备注, 地址, 结束日期, 目前租户, 起租日期%1,\n"
                          "(SELECT '是' FROM 单据明细 WHERE (住址= 房屋资料.地址) AND "
                          "(至租金日期 >= date(NOW(),'-1 day')) AND "
                          "(julianday(NOW())>=julianday(租金日期)) AND "
                          "(julianday(NOW())<=julianday(至租金日期)+1) LIMIT 1) AS 已交,\n"
                          "(SELECT MAX(至租金日期) FROM 单据明细 WHERE  (住址= 房屋资料.地址) ) AS 租金交至 "
                          "from 房屋资料 order by 地址")
        .arg(withDeposit ? QStringLiteral(", 押金") : QString());
}

QString TDM1::billsOfHouseQuery(const QString &address)
{
    return QStringLiteral(
               "SELECT IDS, SRNUM, 备注, 单号, 电费本月读数, 电费单价, 电费上月读数, 电视费, 房租, 管理费, "
               "合计金额, 合计大写, 开票人, 其他费用, 身份证号, 收款人, 水费本月读数, 水费单价, 水费上月读数, "
               "添加日期, 网费, 卫生费, 至租金日期, 住址, 租户姓名, 租金日期, "
               "(电费本月读数-电费上月读数) AS 电费实用, (水费本月读数-水费上月读数) AS 水费实用,"
               "水费限制,电费限制,水费超出单价,电费超出单价,水费金额,电费金额,燃气上月读数,燃气本月读数,"
               "燃气单价,燃气金额,燃气限制,燃气超出单价 from 单据明细 WHERE (住址=%1) ORDER BY 单号 DESC")
        .arg(sqlQuote(address));
}

QString TDM1::payeeRightsQuery()
{
    return QStringLiteral(
        "select *,IIF((QXII & 1) <> 0 , ' [登录]' , '' ) ||IIF((QXII & 2) <> 0 , ' [添加租金单据]' , '' ) "
        "||IIF((QXII & 4) <> 0 , ' [修改租金单据]' , '' ) ||IIF((QXII & 8) <> 0 , ' [删除租金单据]' , '' ) "
        "||IIF((QXII & 16) <> 0 , ' [管理基础资料]' , '' ) ||IIF((QXII & 32) <> 0 , ' [查询报表]' , '' ) "
        "||IIF((QXII & 65536) <> 0 , ' [记住密码]' , '' ) ||IIF(((QXII & 131072) = 0) , '', ' [自动登录]' ) "
        "AS 权限 from 收款人");
}

QString TDM1::CreateDH()
{
    ADODS10.close();
    ADODS10.setCommandText(QStringLiteral("SELECT MAX(单号) AS DH FROM 单据明细 "));
    ADODS10.open();
    bool ok = false;
    qint64 highest = ADODS10.field(QStringLiteral("DH")).asString().toLongLong(&ok);
    if (!ok)
        highest = 0;
    ADODS10.close();
    return QString::number(highest + 1);
}

void TDM1::AddLog(const QString &table, const QString &linkId, const QString &message,
                  const QString &operation)
{
    QString text = message;
    text.remove(QLatin1Char('\''));
    text = gbk::leftBytes(text, logMessageBytes);
    const QString user = state_ ? state_->LoginName : QString();
    try {
        ADOCmd1.setCommandText(
            QStringLiteral("INSERT INTO LOGS (Log_date,Log_username,Log_table,Log_msg,Log_type,Log_linkID) "
                           "VALUES (Now(),%1,%2,%3,%4,%5)")
                .arg(sqlQuote(user), sqlQuote(table), sqlQuote(text), sqlQuote(operation), sqlQuote(linkId)));
        ADOCmd1.execute();
    } catch (const DbError &) {
        // The operation being logged has already happened; a lost log row
        // must not undo or fail it.
    }
}

void TDM1::FillCombo(const QString &fieldName, Dataset &dataset, QComboBox *combo)
{
    // The walk reads the snapshot and leaves the cursor where it is, so no
    // after-scroll handler runs and no page key changes.
    try {
        if (!dataset.isOpen() || dataset.isEmpty())
            return;
        const int column = dataset.fieldIndex(fieldName);
        if (column < 0)
            return;
        QStringList values;
        for (int row = 0; row < dataset.recordCount(); ++row)
            if (!dataset.isPendingRow(row))
                values << dataset.fieldAt(row, column).asString();
        // New items are not a new value: the text on show stays and no
        // change handler runs.
        const QSignalBlocker blocker(combo);
        const QString shown = combo->currentText();
        combo->clear();
        combo->addItems(values);
        combo->setCurrentIndex(-1);
        if (combo->isEditable())
            combo->setEditText(shown);
    } catch (const DbError &) {
    }
}

void TDM1::CDS1AfterScroll(Dataset &)
{
    if (billPanel_.loadCurrentBill)
        billPanel_.loadCurrentBill();
}

void TDM1::ADODS2_MAfterScroll(Dataset &dataset)
{
    const QString address = dataset.field(QStringLiteral("地址")).asString();
    if (billPanel_.setHouse)
        billPanel_.setHouse(address, dataset.field(QStringLiteral("目前租户")).asString());
    try {
        CDS1.close();
        CDS1.setCommandText(billsOfHouseQuery(address));
        CDS1.open();
    } catch (const DbError &error) {
        CDS1.close();
        if (plainMessage_)
            plainMessage_(error.message());
    }
}

namespace {
void keepKey(Dataset &dataset, AppState *state, int AppState::*key)
{
    if (state && !dataset.isEmpty() && dataset.onStoredRecord())
        state->*key = int(dataset.field(QStringLiteral("IDS")).asInteger());
}
} // namespace

void TDM1::ADOF_MAfterScroll(Dataset &dataset)
{
    keepKey(dataset, state_, &AppState::HouseKey);
}

void TDM1::ADOZH_MAfterScroll(Dataset &dataset)
{
    keepKey(dataset, state_, &AppState::TenantKey);
}

void TDM1::ADOSKRAfterScroll(Dataset &dataset)
{
    keepKey(dataset, state_, &AppState::PayeeKey);
}
