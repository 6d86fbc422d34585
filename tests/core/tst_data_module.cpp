#include "core/data_module.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_quote.h"
#include "test_database.h"

#include <QApplication>
#include <QComboBox>
#include <QtTest>

// The data module over a small landlord's file, with the bill panel's
// hooks recorded instead of shown.
struct Module {
    explicit Module(TestDatabase &d) : dm(d.path())
    {
        dm.setState(&state);
        dm.setBillPanel({[this](const QString &address, const QString &tenant) {
                             houseFields = {address, tenant};
                         },
                         [this] { ++billLoads; }});
        dm.setPlainMessage([this](const QString &text) { messages << text; });
    }
    AppState state;
    TDM1 dm;
    QStringList houseFields;
    int billLoads = 0;
    QStringList messages;
};

class TestDataModule : public QObject {
    Q_OBJECT
private slots:
    void creatingOpensNoConnection()
    {
        QTemporaryDir empty;
        TDM1 dm(empty.filePath(QStringLiteral("Data.dx")));
        QVERIFY(!dm.ADOConnection1.isOpen());
        // The first query reports the engine's own message.
        try {
            dm.ADOSKR.open();
            QFAIL("a missing file must not open");
        } catch (const DbError &error) {
            QCOMPARE(error.message(), QStringLiteral("unable to open database file"));
        }
        QVERIFY(!QFile::exists(empty.filePath(QStringLiteral("Data.dx"))));
    }

    // A bill covers its house from its first day until one day after its
    // last day, measured from the values as stored.
    void paidState_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("house");
        QTest::addColumn<QString>("paid");
        const auto at = [](int m, int d, int h, int min, int s = 0) { return QDateTime(QDate(2011, m, d), QTime(h, min, s)); };
        QTest::newRow("inside April") << at(4, 15, 10, 0) << "A101" << "是";
        QTest::newRow("last day, evening") << at(4, 30, 23, 59) << "A101" << "是";
        QTest::newRow("one day after the last day, same moment") << at(5, 1, 0, 0) << "A101" << "是";
        QTest::newRow("a second later") << at(5, 1, 0, 0, 1) << "A101" << "";
        QTest::newRow("March bill ends") << at(4, 1, 0, 0) << "B202" << "是";
        QTest::newRow("March bill over") << at(4, 1, 0, 0, 1) << "B202" << "";
        QTest::newRow("before the first bill") << at(1, 1, 0, 0) << "B202" << "是";
        QTest::newRow("the day before") << at(12, 31, 0, 0).addYears(-1) << "B202" << "";
        QTest::newRow("house without bills") << at(4, 15, 10, 0) << "C303" << "";
        QTest::newRow("end with a time of day, a day later") << at(5, 1, 15, 30) << "D404" << "是";
        QTest::newRow("end with a time of day, a second more") << at(5, 1, 15, 30, 1) << "D404" << "";
        QTest::newRow("start with a time of day, before it") << at(4, 1, 13, 59, 59) << "D404" << "";
    }
    void paidState()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, house);
        QFETCH(QString, paid);
        TestDatabase d;
        SmallLandlord::fill(d);
        d.add().add(provision::House{QStringLiteral("D404"), {}, QDate(2011, 1, 1), QDate(2012, 1, 1), 0, {}});
        provision::Bill timed = SmallLandlord::bill(9, QStringLiteral("D404"), QDate(2011, 4, 1));
        timed.periodStart = QDateTime(QDate(2011, 4, 1), QTime(14, 0));
        timed.periodEnd = QDateTime(QDate(2011, 4, 30), QTime(15, 30));
        d.add().add(timed);
        FixedClock clock(now);
        Module m(d);
        for (Dataset *list : {&m.dm.ADODS2, &m.dm.ADOF}) {
            list->open();
            QVERIFY(list->locate(QStringLiteral("地址"), house));
            QCOMPARE(list->field(QStringLiteral("已交")).asString(), paid);
            QCOMPARE(list->field(QStringLiteral("已交")).isNull(), paid.isEmpty());
        }
        QVERIFY(m.dm.ADOF.fieldIndex(QStringLiteral("押金")) >= 0);
        QVERIFY(m.dm.ADODS2.fieldIndex(QStringLiteral("押金")) < 0);
    }

    void paidUntilIsTheLatestPeriodEnd()
    {
        TestDatabase d;
        SmallLandlord::fill(d);
        // A bill added with a time of day still counts by its stored value.
        provision::Bill late = SmallLandlord::bill(8, QStringLiteral("B202"), QDate(2011, 4, 1));
        late.periodEnd = QDateTime(QDate(2011, 4, 30), QTime(15, 30));
        d.add().add(late);
        FixedClock clock(SmallLandlord::now());
        Module m(d);
        m.dm.ADOF.open();
        const QStringList expected{"2011-04-30", "2011-04-30 15:30:00", ""};
        for (int row = 0; row < 3; ++row) {
            m.dm.ADOF.moveTo(row);
            QCOMPARE(m.dm.ADOF.field(QStringLiteral("租金交至")).asString(), expected.at(row));
        }
        m.dm.ADOF.moveTo(2);
        QVERIFY(m.dm.ADOF.field(QStringLiteral("租金交至")).isNull());
    }

    void choosingAHouseLoadsItsBills()
    {
        TestDatabase d;
        SmallLandlord::fill(d);
        Module m(d);
        m.dm.ADODS2.open(); // opens on A101
        QCOMPARE(m.houseFields, QStringList({"A101", "王五"}));
        QVERIFY(m.dm.CDS1.isOpen());
        QCOMPARE(m.dm.CDS1.recordCount(), 4);
        QCOMPARE(m.dm.CDS1.field(QStringLiteral("单号")).asInteger(), 4); // newest first
        QCOMPARE(m.billLoads, 1);

        m.dm.ADODS2.next(); // B202, two tenants
        QCOMPARE(m.houseFields, QStringList({"B202", "赵六,钱七"}));
        QCOMPARE(m.dm.CDS1.recordCount(), 3);
        QCOMPARE(m.billLoads, 2);

        // No bills: the hidden fields follow, the bill list is open and empty.
        m.dm.ADODS2.next();
        QCOMPARE(m.houseFields, QStringList({"C303", ""}));
        QVERIFY(m.dm.CDS1.isOpen());
        QVERIFY(m.dm.CDS1.isEmpty());
        QVERIFY(m.dm.CDS1.eof());
        QVERIFY(m.messages.isEmpty());
    }

    void addressWithAQuoteFindsItsBills()
    {
        TestDatabase d;
        const QString address = QStringLiteral("O'Hara路1号");
        d.add().add(provision::House{address, {}, QDate(2011, 1, 1), QDate(2012, 1, 1), 0, {}});
        d.add().add(SmallLandlord::bill(1, address, QDate(2011, 1, 1)));
        Module m(d);
        m.dm.ADODS2.open();
        QVERIFY(m.messages.isEmpty());
        QCOMPARE(m.dm.CDS1.recordCount(), 1);
        QCOMPARE(m.dm.CDS1.field(QStringLiteral("住址")).asString(), address);
    }

    void billQueryFailureIsShownAndLeavesTheListClosed()
    {
        TestDatabase d;
        SmallLandlord::fill(d);
        Module m(d);
        m.dm.ADODS2.open();
        d.db().execute(QStringLiteral("DROP TABLE 单据明细"));
        m.dm.ADODS2.next();
        QCOMPARE(m.messages, QStringList({"no such table: 单据明细"}));
        QVERIFY(!m.dm.CDS1.isOpen());
    }

    void nextBillNumber_data()
    {
        QTest::addColumn<bool>("fill");
        QTest::addColumn<qint64>("extraNumber"); // 0: none
        QTest::addColumn<QString>("next");
        QTest::newRow("no bills at all") << false << qint64(0) << "1";
        QTest::newRow("after the highest") << true << qint64(0) << "8";
        QTest::newRow("whatever the house") << true << qint64(41) << "42";
    }
    void nextBillNumber()
    {
        QFETCH(bool, fill);
        QFETCH(qint64, extraNumber);
        QFETCH(QString, next);
        TestDatabase d;
        if (fill)
            SmallLandlord::fill(d);
        if (extraNumber)
            d.add().add(SmallLandlord::bill(extraNumber, QStringLiteral("C303"), QDate(2010, 1, 1)));
        Module m(d);
        QCOMPARE(m.dm.CreateDH(), next);
        QVERIFY(!m.dm.ADODS10.isOpen());
        QCOMPARE(m.dm.CreateDH(), next); // drawing a number reserves nothing
    }

    void printCountNullReadsAsZero()
    {
        TestDatabase d;
        SmallLandlord::fill(d);
        Module m(d);
        Dataset &scratch = m.dm.ADODS10;
        scratch.setCommandText(QStringLiteral("SELECT 单号, Prn_Count, IFNULL(Prn_Count,0) AS 次数 FROM 单据明细 "
                                              "WHERE 住址='B202' ORDER BY 单号"));
        scratch.open();
        QCOMPARE(scratch.field(QStringLiteral("次数")).asInteger(), 2);
        scratch.next();
        QVERIFY(scratch.field(QStringLiteral("Prn_Count")).isNull());
        QCOMPARE(scratch.field(QStringLiteral("Prn_Count")).asInteger(), 0);
        QCOMPARE(scratch.field(QStringLiteral("次数")).asInteger(), 0);
        scratch.close();
        // A print raises the counter by one, from NULL to 1.
        m.dm.ADOCmd1.setCommandText(QStringLiteral(
            "UPDATE 单据明细 SET Prn_Count=IFNULL(Prn_Count,0)+1 WHERE (IDS IN (5,6))"));
        m.dm.ADOCmd1.execute();
        QCOMPARE(d.value(QStringLiteral("SELECT group_concat(Prn_Count) FROM 单据明细 WHERE IDS IN (5,6)")).toString(),
                 QStringLiteral("3,1"));
    }

    void logRows_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("linkId");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        QTest::newRow("statement with quotes")
            << "张三" << "收款人" << "17" << "update 收款人 Set 收款人='李四',备注='' WHERE (IDS=17)"
            << "update 收款人 Set 收款人=李四,备注= WHERE (IDS=17)";
        QTest::newRow("link id and table stay as given")
            << "张三" << "单据明细" << "-1" << "'1','A101'" << "1,A101";
        QTest::newRow("user name with a quote is stored as typed")
            << "O'Neil" << "租金报表" << "" << "打印时间：2011年04月15日 10:00" << "打印时间：2011年04月15日 10:00";
        QTest::newRow("cut at 250 bytes before a double-byte character")
            << "张三" << "房屋资料" << "" << QStringLiteral("x") + QString(200, QChar(0x623F))
            << QStringLiteral("x") + QString(124, QChar(0x623F));
        QTest::newRow("quotes go before the cut")
            << "张三" << "房屋资料" << "" << QString(10, '\'') + QString(250, 'a') << QString(250, 'a');
    }
    void logRows()
    {
        QFETCH(QString, user);
        QFETCH(QString, table);
        QFETCH(QString, linkId);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        TestDatabase d;
        FixedClock clock(SmallLandlord::now());
        Module m(d);
        m.state.LoginName = user;
        m.dm.AddLog(table, linkId, message, QStringLiteral("修改"));
        const Snapshot rows = d.db().query(QStringLiteral(
            "SELECT Log_date, Log_username, Log_table, Log_msg, Log_type, Log_linkID FROM LOGS"));
        QCOMPARE(rows.rows.size(), 1);
        const QList<QVariant> &row = rows.rows.first();
        QCOMPARE(row.at(0).toString(), QStringLiteral("2011-04-15 10:00:00"));
        QCOMPARE(row.at(1).toString(), user);
        QCOMPARE(row.at(2).toString(), table);
        QCOMPARE(row.at(3).toString(), stored);
        QCOMPARE(row.at(4).toString(), QStringLiteral("修改"));
        QCOMPARE(row.at(5).toString(), linkId);
    }

    void failedLogInsertIsSilent()
    {
        TestDatabase d;
        d.db().execute(QStringLiteral("DROP TABLE LOGS"));
        Module m(d);
        m.dm.AddLog(QStringLiteral("房屋资料"), QString(), QStringLiteral("x"), QStringLiteral("插入"));
        QVERIFY(m.messages.isEmpty());
    }

    void pageKeysFollowTheirLists_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("table");
        QTest::newRow("houses") << "ADOF" << "房屋资料";
        QTest::newRow("tenants") << "ADOZH" << "租户资料";
        QTest::newRow("payees") << "ADOSKR" << "收款人";
    }
    void pageKeysFollowTheirLists()
    {
        QFETCH(QString, list);
        QFETCH(QString, table);
        TestDatabase d;
        SmallLandlord::fill(d);
        Module m(d);
        Dataset *dataset = m.dm.findChild<Dataset *>(list);
        QVERIFY(dataset);
        int AppState::*key = list == "ADOF" ? &AppState::HouseKey
                             : list == "ADOZH" ? &AppState::TenantKey : &AppState::PayeeKey;

        // One record: the key is its IDS.
        d.db().execute(QStringLiteral("DELETE FROM %1 WHERE IDS > (SELECT MIN(IDS) FROM %1)").arg(table));
        const int only = d.value(QStringLiteral("SELECT IDS FROM ") + table).toInt();
        dataset->open();
        QCOMPARE(m.state.*key, only);

        // An empty list leaves the key alone.
        m.state.*key = 99;
        d.db().execute(QStringLiteral("DELETE FROM ") + table);
        dataset->close();
        dataset->open();
        QCOMPARE(m.state.*key, 99);
    }

    void fillComboLeavesPositionAndKeys()
    {
        TestDatabase d;
        SmallLandlord::fill(d);
        Module m(d);
        m.dm.ADOF.open();
        m.dm.ADOF.moveTo(2);
        const int houseKey = m.state.HouseKey;
        int scrolls = 0;
        auto handler = m.dm.ADOF.afterScroll();
        m.dm.ADOF.setAfterScroll([&](Dataset &s) { ++scrolls; handler(s); });

        QComboBox pickOnly;
        pickOnly.addItems({"old"});
        pickOnly.setCurrentIndex(0);
        QComboBox typed;
        typed.setEditable(true);
        typed.setEditText(QStringLiteral("A101"));
        int changes = 0;
        connect(&typed, &QComboBox::editTextChanged, [&] { ++changes; });

        m.dm.FillCombo(QStringLiteral("地址"), m.dm.ADOF, &pickOnly);
        m.dm.FillCombo(QStringLiteral("地址"), m.dm.ADOF, &typed);
        for (QComboBox *combo : {&pickOnly, &typed}) {
            QCOMPARE(combo->count(), 3);
            QCOMPARE(combo->itemText(1), QStringLiteral("B202"));
        }
        QCOMPARE(pickOnly.currentIndex(), -1);
        QCOMPARE(typed.currentText(), QStringLiteral("A101"));
        QCOMPARE(changes, 0);
        QCOMPARE(m.dm.ADOF.recNo(), 2);
        QCOMPARE(m.state.HouseKey, houseKey);
        QCOMPARE(scrolls, 0);

        // An empty list, or one that is not open, leaves the items.
        m.dm.ADOZH_M.setCommandText(QStringLiteral("select * from 租户资料 WHERE 1=0"));
        m.dm.ADOZH.open();
        m.dm.FillCombo(QStringLiteral("租户名称"), m.dm.ADOZH, &pickOnly);
        m.dm.FillCombo(QStringLiteral("收款人"), m.dm.ADOSKR, &pickOnly);
        QCOMPARE(pickOnly.count(), 3);
    }

    void rightsText_data()
    {
        QTest::addColumn<qint64>("bits");
        QTest::addColumn<QString>("text");
        QTest::newRow("login, add, remember") << qint64(1 | 2 | 65536) << " [登录] [添加租金单据] [记住密码]";
        QTest::newRow("everything")
            << qint64(1 | 2 | 4 | 8 | 16 | 32 | 65536 | 131072)
            << " [登录] [添加租金单据] [修改租金单据] [删除租金单据] [管理基础资料] [查询报表] [记住密码] [自动登录]";
        QTest::newRow("nothing") << qint64(0) << "";
        QTest::newRow("automatic login alone") << qint64(131072) << " [自动登录]";
    }
    void rightsText()
    {
        QFETCH(qint64, bits);
        QFETCH(QString, text);
        TestDatabase d;
        d.add().add(provision::Payee{QStringLiteral("甲"), QStringLiteral("1"), bits, {}});
        Module m(d);
        m.dm.ADOSKR.setCommandText(TDM1::payeeRightsQuery());
        m.dm.ADOSKR.open();
        QCOMPARE(m.dm.ADOSKR.field(QStringLiteral("权限")).asString(), text);
        QCOMPARE(m.dm.ADOSKR.field(QStringLiteral("PASS")).asString(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestDataModule)
#include "tst_data_module.moc"
