#include "binding/bound_panel.h"
#include "binding/panel_binding.h"
#include "core/data_module.h"
#include "platform/db/db_error.h"
#include "test_database.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QtTest>

namespace {

// The payee panel as the payee page lays it out: name, the seven rights
// boxes, remark, password and the report box, in this order.
struct PayeePanel {
    BoundPanel panel{QStringLiteral("收款人")};
    QLineEdit name, remark, password;
    QCheckBox boxes[8];

    PayeePanel()
    {
        const int bits[] = {65536, 131072, 1, 2, 4, 8, 16};
        panel.bind(&name, QStringLiteral("收款人"), 3);
        for (int i = 0; i < 7; ++i)
            panel.bind(&boxes[i], QStringLiteral("QXII"), bits[i]);
        panel.bind(&remark, QStringLiteral("备注"), 3);
        panel.bind(&password, QStringLiteral("PASS"), 3);
        panel.bind(&boxes[7], QStringLiteral("QXII"), 32);
    }
    void check(const QList<int> &bits)
    {
        for (QCheckBox &box : boxes)
            box.setChecked(bits.contains(controlTag(&box)));
    }
};

// A hint-bound panel with one control of each kind, as on the bill panel.
struct BillLikePanel {
    BoundPanel panel{QStringLiteral("单据明细")};
    QLineEdit rent, remark, total, words, shownNumber;
    QComboBox issuer, rounding;
    QDateTimeEdit from;

    BillLikePanel()
    {
        issuer.setEditable(true);
        rounding.addItems({"保留小数", "四舍五入", "小数全舍", "小数全入"});
        panel.bind(&rent, QStringLiteral("房租"), 3);
        panel.bind(&remark, QStringLiteral("备注"), 3);
        panel.bind(&words, QStringLiteral("合计大写"), 2);
        panel.bind(&total, QStringLiteral("合计金额"), 2);
        panel.bind(&from, QStringLiteral("租金日期"), 3);
        panel.bind(&issuer, QStringLiteral("开票人"), 3);
        panel.bind(&shownNumber, QString(), 0);
        panel.bind(&rounding, QStringLiteral("SRNUM"), 3);
        paintSilver(&total);
        paintSilver(&shownNumber);
    }
};

QList<QVariant> row(TestDatabase &d, const QString &sql)
{
    const Snapshot s = d.db().query(sql);
    return s.rows.isEmpty() ? QList<QVariant>() : s.rows.first();
}

} // namespace

class TestPanelBinding : public QObject {
    Q_OBJECT
private slots:
    void payeeInsert_data()
    {
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("stored");
        QTest::newRow("login and reports")
            << QList<int>{1, 32} << "INSERT INTO 收款人(收款人,备注,PASS,QXII) VALUES ('王五','出纳','pw',33)" << 33;
        QTest::newRow("no box checked still writes the bits")
            << QList<int>{} << "INSERT INTO 收款人(收款人,备注,PASS,QXII) VALUES ('王五','出纳','pw',0)" << 0;
    }
    void payeeInsert()
    {
        QFETCH(QList<int>, checked);
        QFETCH(QString, sql);
        QFETCH(int, stored);
        TestDatabase d;
        TDM1 dm(d.path());
        PayeePanel p;
        p.name.setText(QStringLiteral("王五"));
        p.remark.setText(QStringLiteral("出纳"));
        p.password.setText(QStringLiteral("pw"));
        p.check(checked);
        QCOMPARE(insertStatement(p.panel), sql);
        InsertFromPanel(p.panel, dm);
        QCOMPARE(row(d, "SELECT 收款人, 备注, PASS, QXII FROM 收款人"),
                 QList<QVariant>({"王五", "出纳", "pw", stored}));
        QCOMPARE(row(d, "SELECT Log_table, Log_type, Log_linkID, Log_msg FROM LOGS"),
                 QList<QVariant>({"收款人", "插入", "", QString(sql).remove('\'')}));
    }

    void payeeUpdateWritesEveryFieldAndTheBits()
    {
        TestDatabase d;
        const qint64 key = d.add().add(provision::Payee{QStringLiteral("甲"), QStringLiteral("1"), 63, {}});
        TDM1 dm(d.path());
        PayeePanel p;
        p.name.setText(QStringLiteral("甲"));
        p.remark.setText(QStringLiteral("改"));
        p.password.setText(QStringLiteral("2"));
        p.check({1, 16});
        p.panel.tag = key;
        const QString sql = updateStatement(p.panel);
        QCOMPARE(sql, QStringLiteral("update 收款人 Set 收款人='甲',备注='改',PASS='2',QXII=17 WHERE (IDS=%1)").arg(key));
        UpdateFromPanel(p.panel, dm);
        QCOMPARE(row(d, "SELECT 备注, PASS, QXII FROM 收款人"), QList<QVariant>({"改", "2", 17}));
        QCOMPARE(row(d, "SELECT Log_type, Log_linkID FROM LOGS"), QList<QVariant>({"修改", QString::number(key)}));
    }

    // A quote typed into a register field is stored as typed and changes
    // no other field; only the log drops it.
    void typedQuotesAreStoredAsTyped()
    {
        TestDatabase d;
        TDM1 dm(d.path());
        PayeePanel p;
        p.name.setText(QStringLiteral("O'Brien"));
        p.remark.setText(QStringLiteral("x',QXII=65599,备注='"));
        p.password.setText(QStringLiteral("p'w"));
        p.check({1});
        InsertFromPanel(p.panel, dm);
        QCOMPARE(row(d, "SELECT 收款人, 备注, PASS, QXII FROM 收款人"),
                 QList<QVariant>({"O'Brien", "x',QXII=65599,备注='", "p'w", 1}));
        p.panel.tag = d.value(QStringLiteral("SELECT IDS FROM 收款人")).toLongLong();
        p.remark.setText(QStringLiteral("it's"));
        UpdateFromPanel(p.panel, dm);
        QCOMPARE(row(d, "SELECT 收款人, 备注, QXII FROM 收款人"), QList<QVariant>({"O'Brien", "it's", 1}));
        QVERIFY(!d.value(QStringLiteral("SELECT group_concat(Log_msg) FROM LOGS")).toString().contains('\''));
    }

    void refusedStatementsLogNothing()
    {
        TestDatabase d;
        d.add().add(provision::Payee{QStringLiteral("甲"), QStringLiteral("1"), 1, {}});
        d.db().execute(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON 收款人 BEGIN SELECT RAISE(ABORT, '不能删除'); END"));
        TDM1 dm(d.path());
        PayeePanel p;
        p.name.setText(QStringLiteral("甲")); // a duplicate name
        QVERIFY_THROWS_EXCEPTION(DbError, InsertFromPanel(p.panel, dm));
        p.panel.tag = 1;
        try {
            DeleteFromPanel(p.panel, dm);
            QFAIL("the refusal must reach the page");
        } catch (const DbError &error) {
            QCOMPARE(error.message(), QStringLiteral("不能删除"));
        }
        QCOMPARE(d.count(QStringLiteral("收款人")), 1);
        QCOMPARE(d.count(QStringLiteral("LOGS")), 0);
    }

    void deleteLogsEvenAVanishedKey_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("existing row") << true;
        QTest::newRow("key already gone") << false;
    }
    void deleteLogsEvenAVanishedKey()
    {
        QFETCH(bool, exists);
        TestDatabase d;
        SmallLandlord::fill(d);
        TDM1 dm(d.path());
        BillLikePanel p;
        p.panel.tag = exists ? 3 : 99;
        DeleteFromPanel(p.panel, dm);
        QCOMPARE(d.count(QStringLiteral("单据明细")), exists ? 6 : 7);
        QCOMPARE(row(d, "SELECT Log_table, Log_type, Log_linkID, Log_msg FROM LOGS"),
                 QList<QVariant>({"单据明细", "删除", QString::number(p.panel.tag),
                                  QStringLiteral("DELETE from 单据明细 where ids=%1").arg(p.panel.tag)}));
    }

    void loadPanelFillsBoundControlsOnly()
    {
        TestDatabase d;
        d.add().add(provision::Payee{QStringLiteral("甲"), QStringLiteral("pw"), 1 | 16 | 65536, QStringLiteral("备")});
        TDM1 dm(d.path());
        dm.ADOSKR.open();
        PayeePanel p;
        setControlTag(&p.password, 1); // not bound: stays as it is
        p.password.setText(QStringLiteral("keep"));
        LoadPanel(p.panel, dm.ADOSKR);
        QCOMPARE(p.name.text(), QStringLiteral("甲"));
        QCOMPARE(p.remark.text(), QStringLiteral("备"));
        QCOMPARE(p.password.text(), QStringLiteral("keep"));
        QList<int> checked;
        for (QCheckBox &box : p.boxes)
            if (box.isChecked())
                checked << controlTag(&box);
        QCOMPARE(checked, QList<int>({65536, 1, 16}));
        QCOMPARE(controlTag(&p.name), 3); // loading changes no tag

        // A date picker takes the date and keeps its time of day.
        BoundPanel house(QStringLiteral("房屋资料"));
        QDateTimeEdit start(QDateTime(QDate(2000, 1, 1), QTime(14, 30)));
        QComboBox tenant; // pick-only, bound by its text
        tenant.addItems({"王五", "赵六,钱七"});
        house.bind(&start, QStringLiteral("起租日期"), 3);
        house.bind(&tenant, QStringLiteral("目前租户"), 3);
        SmallLandlord::fill(d);
        dm.ADOF.open();
        dm.ADOF.next();
        LoadPanel(house, dm.ADOF);
        QCOMPARE(start.dateTime(), QDateTime(QDate(2011, 1, 1), QTime(14, 30)));
        QCOMPARE(tenant.currentIndex(), 1);

        house.bind(new QLineEdit(&house), QStringLiteral("没有的字段"), 3);
        QVERIFY_THROWS_EXCEPTION(DbError, LoadPanel(house, dm.ADOF));
    }

    void clearAndEnable()
    {
        FixedClock fixed(SmallLandlord::now());
        BillLikePanel p;
        p.rent.setText(QStringLiteral("800"));
        p.total.setText(QStringLiteral("800.00"));
        p.from.setDateTime(QDateTime(QDate(2000, 1, 1), QTime(8, 15)));
        ClearPanel(p.panel, true);
        QCOMPARE(p.rent.text(), QString());
        QCOMPARE(p.total.text(), QString());
        QVERIFY(!p.total.isReadOnly()); // clearing unlocks every control, silver too
        QCOMPARE(p.from.dateTime(), QDateTime(SmallLandlord::now().date(), QTime(8, 15)));
        QCOMPARE(p.rounding.currentIndex(), -1);
        QCOMPARE(controlTag(&p.rent), 3);

        p.total.setReadOnly(true);
        EnablePanel(p.panel, true);
        QVERIFY(!p.rent.isReadOnly());
        QVERIFY(p.total.isReadOnly()); // silver stays display-only
        QVERIFY(p.issuer.isEnabled());
        EnablePanel(p.panel, false);
        QVERIFY(p.rent.isReadOnly());
        QVERIFY(!p.issuer.isEnabled());
        QVERIFY(!p.from.isEnabled());
    }

    void billInsertWritesEveryBoundControl()
    {
        BillLikePanel p;
        p.rent.setText(QStringLiteral("800"));
        p.remark.setText(QStringLiteral("房东's 备注"));
        p.words.setText(QStringLiteral(" 捌 佰 元 整"));
        p.total.setText(QStringLiteral("800.00"));
        p.from.setDateTime(QDateTime(QDate(2011, 4, 1), QTime(9, 30)));
        p.issuer.setEditText(QStringLiteral("张'三"));
        p.rounding.setCurrentIndex(2);
        const BillStatement s = BillInsertSQL(p.panel);
        QVERIFY(s.anyControl);
        QCOMPARE(s.sql, QStringLiteral("INSERT INTO 单据明细 (房租,备注,合计大写,合计金额,租金日期,开票人,SRNUM) VALUES "
                                       "('800','房东,s 备注',' 捌 佰 元 整','800.00','2011-04-01 09:30:00','张,三',2)"));
        QCOMPARE(p.remark.text(), QStringLiteral("房东,s 备注"));
        QCOMPARE(p.issuer.currentText(), QStringLiteral("张,三"));

        p.from.setTime(QTime(0, 0));
        p.rounding.setCurrentIndex(-1);
        QVERIFY(BillInsertSQL(p.panel).sql.endsWith(QStringLiteral("'2011-04-01','张,三',-1)")));
    }

    void billUpdateWritesChangedControlsOnly()
    {
        BillLikePanel p;
        for (const BoundPanel::Control &c : p.panel.controls())
            if (controlTag(c.widget) == 3)
                setControlTag(c.widget, 2);
        BillStatement none = BillUpdateSQL(p.panel, 7);
        QVERIFY(!none.anyControl);

        p.rent.setText(QStringLiteral("900"));
        setControlTag(&p.rent, 3);
        p.from.setDateTime(QDateTime(QDate(2011, 5, 1), QTime(9, 30)));
        setControlTag(&p.from, 3);
        p.rounding.setCurrentIndex(1);
        setControlTag(&p.rounding, 3);
        const BillStatement s = BillUpdateSQL(p.panel, 7);
        QVERIFY(s.anyControl);
        QCOMPARE(s.sql, QStringLiteral("update 单据明细 Set 房租='900',租金日期='2011-05-01',SRNUM=1 where ids=7"));
    }

    void billLoad_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("loads");
        QTest::newRow("stored bill") << "stored" << true;
        QTest::newRow("page editing") << "editing" << false;
        QTest::newRow("pending new row") << "pending" << false;
        QTest::newRow("past the end") << "end" << false;
        QTest::newRow("closed list") << "closed" << false;
    }
    void billLoad()
    {
        QFETCH(QString, situation);
        QFETCH(bool, loads);
        TestDatabase d;
        provision::Bill bill = SmallLandlord::bill(42, QStringLiteral("A101"), QDate(2011, 4, 1));
        bill.periodStart = QDateTime(QDate(2011, 4, 1), QTime(9, 30));
        bill.rounding = 2;
        bill.remark = QStringLiteral("押一付三");
        d.add().add(bill);
        TDM1 dm(d.path());
        BillLikePanel p;
        dm.CDS1.setCommandText(TDM1::billsOfHouseQuery(QStringLiteral("A101")));
        dm.CDS1.open();
        if (situation == "pending")
            dm.CDS1.insert();
        else if (situation == "end")
            dm.CDS1.next();
        else if (situation == "closed")
            dm.CDS1.close();
        setControlTag(&p.total, 3);
        setControlTag(&p.words, 3);
        CDS1AfterScroll(p.panel, dm.CDS1, situation == "editing");
        QCOMPARE(p.remark.text(), loads ? QStringLiteral("押一付三") : QString());
        if (!loads) {
            QCOMPARE(controlTag(&p.rent), 3);
            return;
        }
        QCOMPARE(p.rent.text(), QStringLiteral("800"));
        QCOMPARE(p.total.text(), QStringLiteral("800")); // stored as a number
        QCOMPARE(p.rounding.currentIndex(), 2); // the third item
        QCOMPARE(p.issuer.currentText(), QStringLiteral("张三"));
        QCOMPARE(p.from.dateTime(), QDateTime(QDate(2011, 4, 1), QTime(9, 30)));
        for (QWidget *w : {static_cast<QWidget *>(&p.rent), static_cast<QWidget *>(&p.total),
                           static_cast<QWidget *>(&p.words), static_cast<QWidget *>(&p.rounding)})
            QCOMPARE(controlTag(w), 2);
        QCOMPARE(controlTag(&p.shownNumber), 0);
        // Written back, the rounding mode is the number again, unquoted.
        setControlTag(&p.rounding, 3);
        QCOMPARE(BillUpdateSQL(p.panel, 1).sql, QStringLiteral("update 单据明细 Set SRNUM=2 where ids=1"));
    }

    void billLoadStopsAtAMissingField()
    {
        TestDatabase d;
        d.add().add(SmallLandlord::bill(1, QStringLiteral("A101"), QDate(2011, 4, 1)));
        TDM1 dm(d.path());
        BoundPanel panel(QStringLiteral("单据明细"));
        QLineEdit rent, missing, remark;
        panel.bind(&rent, QStringLiteral("房租"), 3);
        panel.bind(&missing, QStringLiteral("Prn_Count"), 3); // not in the list
        panel.bind(&remark, QStringLiteral("备注"), 3);
        remark.setText(QStringLiteral("shown before"));
        dm.CDS1.setCommandText(TDM1::billsOfHouseQuery(QStringLiteral("A101")));
        dm.CDS1.open();
        CDS1AfterScroll(panel, dm.CDS1, false);
        QCOMPARE(rent.text(), QStringLiteral("800")); // reached before the missing field
        QCOMPARE(remark.text(), QStringLiteral("shown before")); // not reached
    }
};

QTEST_MAIN(TestPanelBinding)
#include "tst_panel_binding.moc"
