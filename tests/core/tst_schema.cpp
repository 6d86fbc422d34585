#include "core/data_module.h"
#include "core/schema.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_quote.h"
#include "test_database.h"

#include <QtTest>

namespace {
QString refusal(Connection &db, const QString &sql)
{
    try {
        db.execute(sql);
    } catch (const DbError &error) {
        return error.message();
    }
    return QString();
}
} // namespace

class TestSchema : public QObject {
    Q_OBJECT
private slots:
    void versionAndTables()
    {
        TestDatabase d;
        QCOMPARE(d.value(QStringLiteral("PRAGMA user_version")).toInt(), schema::userVersion);
        const Snapshot tables = d.db().query(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite%' ORDER BY name"));
        QStringList names;
        for (const auto &row : tables.rows)
            names << row.first().toString();
        QCOMPARE(names, QStringList({"LOGS", "单据明细", "房屋资料", "收款人", "租户资料"}));
    }

    // Statements write every value as quoted text; the engine converts what
    // it can and refuses the rest, on INSERT and UPDATE alike.
    void typedColumns_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        QTest::newRow("number as text") << "INSERT INTO 单据明细 (房租) VALUES ('1200.5')" << "";
        QTest::newRow("negative number") << "INSERT INTO 单据明细 (其他费用) VALUES ('-15')" << "";
        QTest::newRow("letters in a reading") << "INSERT INTO 单据明细 (水费本月读数) VALUES ('12a')"
                                              << "“水费本月读数”必须是数字";
        QTest::newRow("empty number") << "INSERT INTO 单据明细 (网费) VALUES ('')" << "“网费”必须是数字";
        QTest::newRow("two points") << "INSERT INTO 单据明细 (房租) VALUES ('1.2.3')" << "“房租”必须是数字";
        QTest::newRow("whole number") << "INSERT INTO 房屋资料 (押金) VALUES ('2000')" << "";
        QTest::newRow("fraction in a whole-number column")
            << "INSERT INTO 房屋资料 (押金) VALUES ('2000.5')" << "“押金”必须是整数";
        QTest::newRow("unquoted rights bits") << "INSERT INTO 收款人 (收款人,QXII) VALUES ('x', 33)" << "";
        QTest::newRow("update checked too") << "UPDATE 单据明细 SET 电费单价='abc'" << "“电费单价”必须是数字";
        QTest::newRow("short date") << "INSERT INTO 房屋资料 (起租日期) VALUES ('2011-02-28')" << "";
        QTest::newRow("date and time") << "INSERT INTO 单据明细 (租金日期) VALUES ('2011-02-28 13:45:00')" << "";
        QTest::newRow("no such day") << "INSERT INTO 房屋资料 (起租日期) VALUES ('2011-02-30')" << "CHECK";
        QTest::newRow("unpadded date") << "INSERT INTO 房屋资料 (起租日期) VALUES ('2011-1-1')" << "CHECK";
        QTest::newRow("not a date") << "INSERT INTO 房屋资料 (结束日期) VALUES ('明年')" << "CHECK";
        QTest::newRow("date as a number") << "INSERT INTO 单据明细 (添加日期) VALUES (2455622.5)" << "CHECK";
        QTest::newRow("leap day") << "INSERT INTO 单据明细 (至租金日期) VALUES ('2012-02-29')" << "";
    }
    void typedColumns()
    {
        QFETCH(QString, sql);
        QFETCH(QString, refusal);
        TestDatabase d;
        SmallLandlord::fill(d);
        const int bills = d.count(QStringLiteral("单据明细"));
        const QString message = ::refusal(d.db(), sql);
        if (refusal.isEmpty()) {
            QCOMPARE(message, QString());
        } else {
            QVERIFY2(message.contains(refusal), qPrintable(message));
            // A refused statement changes nothing, not even the rows it reached first.
            QCOMPARE(d.count(QStringLiteral("单据明细")), bills);
            QCOMPARE(d.value(QStringLiteral("SELECT count(*) FROM 单据明细 WHERE typeof(电费单价)='text'")).toInt(), 0);
        }
    }

    void payeeNamesAreUniqueWhateverTheCase()
    {
        TestDatabase d;
        d.db().execute(QStringLiteral("INSERT INTO 收款人 (收款人,PASS,QXII) VALUES ('Admin','1',1)"));
        QVERIFY(refusal(d.db(), QStringLiteral("INSERT INTO 收款人 (收款人,PASS,QXII) VALUES ('ADMIN','2',1)"))
                    .contains(QStringLiteral("UNIQUE")));
        // The login's comparison ignores case too.
        QCOMPARE(d.value(QStringLiteral("SELECT count(*) FROM 收款人 WHERE (收款人='admin') AND (PASS='1')")).toInt(), 1);
    }

    void deletedKeysAreNeverHandedOutAgain()
    {
        TestDatabase d;
        const qint64 first = d.add().add(provision::House{QStringLiteral("A"), {}, QDate(2011, 1, 1), QDate(2011, 1, 1), 0, {}});
        const qint64 second = d.add().add(provision::House{QStringLiteral("B"), {}, QDate(2011, 1, 1), QDate(2011, 1, 1), 0, {}});
        d.db().execute(QStringLiteral("DELETE from 房屋资料 where ids=%1").arg(second));
        const qint64 third = d.add().add(provision::House{QStringLiteral("C"), {}, QDate(2011, 1, 1), QDate(2011, 1, 1), 0, {}});
        QCOMPARE(second, first + 1);
        QCOMPARE(third, second + 1);
    }

    // The lists the program opens most must not scan the whole bill table.
    void frequentQueriesUseAnIndex_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("index");
        QTest::newRow("bills of a house, newest first")
            << "SELECT * FROM 单据明细 WHERE (住址='A101') ORDER BY 单号 DESC" << "单据明细_住址_单号";
        QTest::newRow("next bill number") << "SELECT MAX(单号) AS DH FROM 单据明细" << "单据明细_单号";
        QTest::newRow("bills issued in a period")
            << "SELECT * FROM 单据明细 WHERE 添加日期 between '2011-01-01' and '2011-01-31'" << "单据明细_添加日期";
        QTest::newRow("tenants of a house") << "SELECT * FROM 租户资料 WHERE 已租房号='A101'" << "租户资料_已租房号";
        QTest::newRow("house list: paid state and paid until")
            << TDM1::houseListQuery(true) << "COVERING INDEX 单据明细_住址_至租金日期 (住址=? AND 至租金日期>?)";
        QTest::newRow("paid until") << "SELECT MAX(至租金日期) FROM 单据明细 WHERE (住址='A101')"
                                    << "单据明细_住址_至租金日期";
    }
    void frequentQueriesUseAnIndex()
    {
        QFETCH(QString, sql);
        QFETCH(QString, index);
        TestDatabase d;
        QString plan;
        for (const auto &row : d.db().query("EXPLAIN QUERY PLAN " + sql).rows)
            plan += row.last().toString() + '\n';
        QVERIFY2(plan.contains(index), qPrintable(plan));
    }
};

QTEST_APPLESS_MAIN(TestSchema)
#include "tst_schema.moc"
