#include "platform/db/app_clock.h"
#include "platform/db/connection.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_quote.h"
#include "platform/db/transaction.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <functional>
#include <thread>

namespace {
const QByteArray key("Kv7mQp2Lw9Tz");

QString engineMessageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const DbError &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}
} // namespace

class TestConnection : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Data.dx")); }

    void makeFile()
    {
        QFile::remove(path());
        Connection db(path(), key, Connection::OpenMode::CreateIfMissing);
        db.execute(QStringLiteral("CREATE TABLE t (a TEXT, b REAL)"));
    }

private slots:
    void init() { makeFile(); }

    void creatingOpensNothing()
    {
        Connection db(dir.filePath(QStringLiteral("absent.dx")), key);
        QVERIFY(!db.isOpen());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("absent.dx"))));
    }

    void openFailuresCarryTheEngineMessage_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong key") << "key" << "file is encrypted or is not a database";
        QTest::newRow("missing file") << "missing" << "unable to open database file";
        QTest::newRow("damaged file") << "damaged" << "file is encrypted or is not a database";
        QTest::newRow("empty file name") << "folder" << "unable to open database file";
    }
    void openFailuresCarryTheEngineMessage()
    {
        QFETCH(QString, problem);
        QFETCH(QString, message);
        QString file = path();
        QByteArray useKey = key;
        if (problem == "key") {
            useKey = "wrong";
        } else if (problem == "missing") {
            file = dir.filePath(QStringLiteral("none.dx"));
        } else if (problem == "damaged") {
            QFile f(path());
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(100);
            f.write(QByteArray(2000, '\x5a'));
            f.close();
        } else {
            file = dir.path(); // a folder, not a file
        }
        Connection db(file, useKey);
        QCOMPARE(engineMessageOf([&] { db.query(QStringLiteral("SELECT * FROM t")); }), message);
        QVERIFY(!db.isOpen());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("none.dx"))));
    }

    void textIsStoredExactlyAsGiven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quotes") << QStringLiteral("O'Brien's \"room\" ''");
        QTest::newRow("backslashes") << QStringLiteral("C:\\租户\\资料\\");
        QTest::newRow("percent and underscore") << QStringLiteral("100% _x_ %%");
        QTest::newRow("statement look-alike") << QStringLiteral("'); DROP TABLE t; --");
        QTest::newRow("ten thousand characters") << QString(10000, QChar(0x623F)) + QStringLiteral("'end");
        QTest::newRow("line breaks") << QStringLiteral("第一行\r第二行\n");
    }
    void textIsStoredExactlyAsGiven()
    {
        QFETCH(QString, text);
        Connection db(path(), key);
        db.execute(QStringLiteral("INSERT INTO t (a) VALUES (%1)").arg(sqlQuote(text)));
        const Snapshot back = db.query(QStringLiteral("SELECT a FROM t WHERE a = %1").arg(sqlQuote(text)));
        QCOMPARE(back.rows.size(), 1);
        QCOMPARE(back.rows.first().first().toString(), text);
        QCOMPARE(db.query(QStringLiteral("SELECT count(*) FROM t")).rows.first().first().toInt(), 1);
    }

    void statementErrorsCarryTheEngineMessage()
    {
        Connection db(path(), key);
        QCOMPARE(engineMessageOf([&] { db.execute(QStringLiteral("INSERT INTO nowhere VALUES (1)")); }),
                 QStringLiteral("no such table: nowhere"));
        QVERIFY(engineMessageOf([&] { db.query(QStringLiteral("SELEC 1")); }).contains("syntax error"));
        // The connection stays usable after a refused statement.
        QCOMPARE(db.query(QStringLiteral("SELECT 1")).rows.first().first().toInt(), 1);
    }

    void snapshotIsStatic()
    {
        Connection db(path(), key);
        db.execute(QStringLiteral("INSERT INTO t (a, b) VALUES ('x', 1.5)"));
        const Snapshot before = db.query(QStringLiteral("SELECT a, b, NULL AS c FROM t"));
        db.execute(QStringLiteral("INSERT INTO t (a) VALUES ('y')"));
        QCOMPARE(before.rows.size(), 1);
        QCOMPARE(before.columns, QStringList({"a", "b", "c"}));
        QCOMPARE(before.declaredTypes.at(1), QByteArray("REAL"));
        QCOMPARE(before.rows.first().at(1).toDouble(), 1.5);
        QVERIFY(before.rows.first().at(2).isNull());
    }

    void registeredFunctions_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("result");
        QTest::newRow("IIF true") << "IIF(1 <> 0, 'a', 'b')" << "a";
        QTest::newRow("IIF false") << "IIF((6 & 1) <> 0, 'a', 'b')" << "b";
        QTest::newRow("IIF NULL is false") << "IIF(NULL, 'a', 'b')" << "b";
        QTest::newRow("NOW reads the application clock") << "NOW()" << "2011-04-01 09:05:00";
        QTest::newRow("date arithmetic in days")
            << "julianday('2011-04-01') + 1 = julianday(date(NOW(), '+1 day'))" << "1";
        QTest::newRow("Now() in any case") << "Now()" << "2011-04-01 09:05:00";
    }
    void registeredFunctions()
    {
        QFETCH(QString, expression);
        QFETCH(QString, result);
        AppClock::setFixed(QDateTime(QDate(2011, 4, 1), QTime(9, 5)));
        Connection db(path(), key);
        QCOMPARE(db.query("SELECT " + expression).rows.first().first().toString(), result);
        AppClock::useSystemClock();
    }

    void secondConnectionWaitsForAWriter()
    {
        Connection first(path(), key), second(path(), key);
        second.open();
        auto writing = std::make_unique<Transaction>(first);
        first.execute(QStringLiteral("INSERT INTO t (a) VALUES ('first')"));
        std::thread committer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            writing->commit();
        });
        QElapsedTimer waited;
        waited.start();
        second.execute(QStringLiteral("INSERT INTO t (a) VALUES ('second')"));
        committer.join();
        QVERIFY(waited.elapsed() >= 200);
        QCOMPARE(second.query(QStringLiteral("SELECT count(*) FROM t")).rows.first().first().toInt(), 2);
    }

    void uncommittedTransactionLeavesNothing()
    {
        Connection db(path(), key);
        try {
            Transaction transaction(db);
            db.execute(QStringLiteral("INSERT INTO t (a) VALUES ('half')"));
            db.execute(QStringLiteral("INSERT INTO nowhere VALUES (1)"));
            transaction.commit();
        } catch (const DbError &) {
        }
        QCOMPARE(db.query(QStringLiteral("SELECT count(*) FROM t")).rows.first().first().toInt(), 0);
    }
};

QTEST_APPLESS_MAIN(TestConnection)
#include "tst_connection.moc"
