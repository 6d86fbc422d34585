// The bill panel's statements run against a real file: a loaded bill, an
// edit of one field, a new bill of every bound control, and the values the
// panel shows afterwards.

#include "binding/panel_binding.h"
#include "core/data_module.h"
#include "main/bill_panel.h"
#include "test_database.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QtTest>

namespace {

struct LoadedBill {
    TestDatabase d;
    TDM1 dm{d.path()};
    BillPanel panel;
    qint64 key = 0;

    LoadedBill()
    {
        provision::Bill bill = SmallLandlord::bill(42, QStringLiteral("A101"), QDate(2011, 4, 1));
        bill.rounding = 2;
        bill.water = {100, 130, 2, 20, 3, 70};
        bill.total = 870;
        bill.totalInWords = QStringLiteral(" 捌 佰 柒 拾 元 整");
        key = d.add().add(bill);
        dm.CDS1.setCommandText(TDM1::billsOfHouseQuery(QStringLiteral("A101")));
        dm.CDS1.setAfterScroll([this](Dataset &bills) { CDS1AfterScroll(panel, bills, panel.isEditing()); });
        dm.CDS1.open();
    }

    void run(const QString &sql)
    {
        dm.ADOCmd1.setCommandText(sql);
        dm.ADOCmd1.execute();
    }
    QList<QVariant> stored(const QString &fields)
    {
        return d.db().query(QStringLiteral("SELECT %1 FROM 单据明细 WHERE IDS=%2").arg(fields).arg(key)).rows.first();
    }
};

} // namespace

class TestBillStatements : public QObject {
    Q_OBJECT
private slots:
    void loadingShowsTheBillAsStored()
    {
        LoadedBill b;
        QCOMPARE(b.panel.Edit2->text(), QStringLiteral("130"));
        QCOMPARE(b.panel.Edit3->text(), QStringLiteral("30"));
        QCOMPARE(b.panel.Edit5->text(), QStringLiteral("70"));
        QCOMPARE(b.panel.ComboBox5->currentIndex(), 2);
        QCOMPARE(b.panel.Edit32->text(), QStringLiteral("000042"));
        QCOMPARE(b.panel.Edit18->text(), QStringLiteral(" 捌 佰 柒 拾 元 整"));
        QVERIFY(!BillUpdateSQL(b.panel, b.key).anyControl); // nothing changed yet
    }

    void editingOnlyTheRentWritesRentAndTotal()
    {
        LoadedBill b;
        b.panel.setEditing(true);
        b.panel.Edit11->setText(QStringLiteral("900"));
        const BillStatement s = BillUpdateSQL(b.panel, b.key);
        QVERIFY(s.anyControl);
        QCOMPARE(s.sql, QStringLiteral("update 单据明细 Set 房租='900',合计大写=' 玖 佰 柒 拾 元 整',合计金额='970.00' where ids=%1")
                            .arg(b.key));
        b.run(s.sql);
        QCOMPARE(b.stored("房租, 合计金额, 合计大写, SRNUM, 水费金额"),
                 QList<QVariant>({900.0, 970.0, " 玖 佰 柒 拾 元 整", 2, 70.0}));
    }

    // An amount stored out of step with its readings (30 t at 2 is 60, not
    // 55) is shown recomputed; saving any change writes it with the total.
    void amountOutOfStepWithItsReadingsIsWrittenOnTheNextSave()
    {
        TestDatabase d;
        TDM1 dm{d.path()};
        provision::Bill bill = SmallLandlord::bill(7, QStringLiteral("A101"), QDate(2011, 4, 1));
        bill.water = {100, 130, 2, 0, 0, 55};
        bill.total = 855;
        bill.totalInWords = QStringLiteral(" 捌 佰 伍 拾 伍 元 整");
        const qint64 key = d.add().add(bill);
        BillPanel panel;
        dm.CDS1.setCommandText(TDM1::billsOfHouseQuery(QStringLiteral("A101")));
        dm.CDS1.setAfterScroll([&](Dataset &bills) { CDS1AfterScroll(panel, bills, panel.isEditing()); });
        dm.CDS1.open();
        QCOMPARE(panel.Edit5->text(), QStringLiteral("60"));

        panel.setEditing(true);
        panel.Edit17->setText(QStringLiteral("核对"));
        QCOMPARE(BillUpdateSQL(panel, key).sql,
                 QStringLiteral("update 单据明细 Set 水费金额='60',备注='核对',合计大写=' 捌 佰 陆 拾 元 整',"
                                "合计金额='860.00' where ids=%1")
                     .arg(key));
    }

    void loadingIsIgnoredWhileEditing()
    {
        LoadedBill b;
        b.panel.setEditing(true);
        b.panel.Edit17->setText(QStringLiteral("正在改"));
        b.dm.CDS1.first(); // a move of the list while editing
        QCOMPARE(b.panel.Edit17->text(), QStringLiteral("正在改"));
    }

    void apostropheBecomesACommaInPanelAndFile()
    {
        LoadedBill b;
        b.panel.setEditing(true);
        b.panel.Edit17->setText(QStringLiteral("it's paid"));
        const BillStatement s = BillUpdateSQL(b.panel, b.key);
        QCOMPARE(b.panel.Edit17->text(), QStringLiteral("it,s paid"));
        b.run(s.sql);
        QCOMPARE(b.stored("备注").first().toString(), QStringLiteral("it,s paid"));
    }

    // A new bill writes every bound control; the file must take each of
    // them as the panel shows it.
    void newBillOfEveryBoundControlIsAccepted()
    {
        LoadedBill b;
        b.panel.setEditing(true);
        b.panel.Edit28->setText(b.dm.CreateDH());
        b.panel.Edit33->setText(QStringLiteral("2011-05-01"));
        b.panel.Edit1->setText(QStringLiteral("130"));
        b.panel.Edit2->setText(QStringLiteral("152.5"));
        b.panel.DateTimePicker1->setDateTime(QDateTime(QDate(2011, 5, 1), QTime(0, 0)));
        b.panel.DateTimePicker2->setDateTime(QDateTime(QDate(2011, 5, 31), QTime(18, 5)));
        b.panel.ComboBox5->setCurrentIndex(1);
        const BillStatement s = BillInsertSQL(b.panel);
        QVERIFY(s.anyControl);
        b.run(s.sql);
        const Snapshot row = b.d.db().query(QStringLiteral(
            "SELECT 单号, 水费金额, 合计金额, SRNUM, 租金日期, 至租金日期, 住址, 添加日期 FROM 单据明细 WHERE 单号=43"));
        QCOMPARE(row.rows.size(), 1);
        // 22.5 t: 20 at 2 and 2.5 at 3 = 47.5; with the rent 800 the total rounds half up.
        QCOMPARE(row.rows.first(), QList<QVariant>({43, 47.5, 848.0, 1, "2011-05-01", "2011-05-31 18:05:00",
                                                    "A101", "2011-05-01"}));
    }
};

QTEST_MAIN(TestBillStatements)
#include "tst_bill_statements.moc"
