#include "core/data_module.h"
#include "main/bill_calc.h"
#include "main/bill_money.h"
#include "platform/db/connection.h"
#include "platform/db/sql_quote.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode;
    QString errors;
};

Run initdb(const QString &folder, const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(qEnvironmentVariable("TENVORA_BIN_DIR") + QStringLiteral("/tenvora-initdb"), arguments);
    if (!process.waitForFinished(60000))
        return {-1, QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray fingerprint(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
}

double number(const Snapshot &s, const QList<QVariant> &row, const char *field)
{
    return row.at(s.columnIndex(QString::fromUtf8(field))).toDouble();
}

} // namespace

class TestInitdb : public QObject {
    Q_OBJECT
private slots:
    void newFileHasOneAccountAndIsNeverOverwritten()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("Data.dx"));
        QCOMPARE(initdb(dir.path(), {}).exitCode, 0);
        {
            Connection db(file, TDM1::databaseKey);
            const Snapshot login = db.query(QStringLiteral(
                "SELECT QXII FROM 收款人 WHERE (收款人=%1) AND (PASS=%2)").arg(sqlQuote("管理员"), sqlQuote("1234")));
            QCOMPARE(login.rows.size(), 1);
            QCOMPARE(login.rows.first().first().toInt(), 1 | 2 | 4 | 8 | 16 | 32);
            QCOMPARE(db.query(QStringLiteral("SELECT count(*) FROM 房屋资料")).rows.first().first().toInt(), 0);
        }
        const QByteArray before = fingerprint(file);
        const Run again = initdb(dir.path(), {QStringLiteral("--demo")});
        QCOMPARE(again.exitCode, 1);
        QVERIFY2(again.errors.contains(QStringLiteral("already exists")), qPrintable(again.errors));
        QCOMPARE(fingerprint(file), before);
    }

    void badArgumentsCreateNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("not a number") << QStringList({"--houses", "many", "--bills-per-house", "3"});
        QTest::newRow("no houses") << QStringList({"--houses", "0", "--bills-per-house", "3"});
        QTest::newRow("demo and scale") << QStringList({"--demo", "--houses", "3"});
    }
    void badArgumentsCreateNothing()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir dir;
        QCOMPARE(initdb(dir.path(), arguments).exitCode, 1);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Data.dx"))));
    }

    // The demo file must be one the program could have written: every bill
    // adds up, every house names its tenants, and the lists show both paid
    // and overdue houses.
    void demoDataIsConsistent()
    {
        QTemporaryDir dir;
        QCOMPARE(initdb(dir.path(), {QStringLiteral("--demo")}).exitCode, 0);
        Connection db(dir.filePath(QStringLiteral("Data.dx")), TDM1::databaseKey);

        const Snapshot houses = db.query(QStringLiteral("SELECT 地址, 目前租户 FROM 房屋资料"));
        QCOMPARE(houses.rows.size(), 12);
        for (const auto &house : houses.rows) {
            const Snapshot names = db.query(QStringLiteral("SELECT 租户名称 FROM 租户资料 WHERE 已租房号=%1")
                                                .arg(sqlQuote(house.at(0).toString())));
            QStringList joined;
            for (const auto &row : names.rows)
                joined << row.first().toString();
            QCOMPARE(house.at(1).toString(), joined.join(QLatin1Char(',')));
        }
        QCOMPARE(db.query(QStringLiteral("SELECT count(*) FROM 收款人")).rows.first().first().toInt(), 3);

        const Snapshot bills = db.query(QStringLiteral("SELECT * FROM 单据明细 ORDER BY 单号"));
        QVERIFY(bills.rows.size() >= 12 * 12);
        qint64 expectedNumber = 0;
        int printed = 0;
        for (const auto &bill : bills.rows) {
            QCOMPARE(bill.at(bills.columnIndex("单号")).toLongLong(), ++expectedNumber);
            const struct { const char *prefix; } meters[] = {{"水费"}, {"电费"}, {"燃气"}};
            for (const auto &m : meters) {
                const QString p = QString::fromUtf8(m.prefix);
                const auto field = [&](const QString &suffix) { return bill.at(bills.columnIndex(p + suffix)).toDouble(); };
                const UtilityCharge charge = utilityCharge(field("上月读数"), field("本月读数"), field("单价"),
                                                           field("限制"), field("超出单价"));
                QCOMPARE(field("金额"), charge.amount);
            }
            const BillParts parts{number(bills, bill, "水费金额"), number(bills, bill, "电费金额"),
                                  number(bills, bill, "房租"), number(bills, bill, "卫生费"),
                                  number(bills, bill, "电视费"), number(bills, bill, "管理费"),
                                  number(bills, bill, "网费"), number(bills, bill, "其他费用"),
                                  number(bills, bill, "燃气金额")};
            const double total = number(bills, bill, "合计金额");
            QCOMPARE(total, billTotal(parts, bill.at(bills.columnIndex("SRNUM")).toInt()));
            QCOMPARE(bill.at(bills.columnIndex("合计大写")).toString(), MoneyToDX(total));
            printed += bill.at(bills.columnIndex("Prn_Count")).isNull() ? 0 : 1;
        }
        QVERIFY(printed > 0 && printed < bills.rows.size());

        TDM1 dm(dir.filePath(QStringLiteral("Data.dx")));
        dm.ADOF.open();
        int paid = 0;
        for (int row = 0; row < dm.ADOF.recordCount(); ++row)
            paid += dm.ADOF.fieldAt(row, dm.ADOF.fieldIndex(QStringLiteral("已交"))).isNull() ? 0 : 1;
        QVERIFY2(paid > 0 && paid < 12, qPrintable(QString::number(paid)));
    }
};

QTEST_MAIN(TestInitdb)
#include "tst_initdb.moc"
