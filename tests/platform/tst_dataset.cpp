#include "platform/dataset/cursor_link.h"
#include "platform/dataset/dataset.h"
#include "platform/dataset/dataset_model.h"
#include "platform/db/connection.h"
#include "platform/db/db_error.h"

#include <QItemSelectionModel>
#include <QTemporaryDir>
#include <QtTest>

// Five people with mixed case, a NULL and equal ages, in key order.
class TestDataset : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<Connection> db;

    std::unique_ptr<Dataset> people(QStringList *scrolls = nullptr)
    {
        auto d = std::make_unique<Dataset>(QStringLiteral("people"));
        d->setConnection(db.get());
        d->setCommandText(QStringLiteral("SELECT id, name, age, born FROM people ORDER BY id"));
        if (scrolls)
            d->setAfterScroll([scrolls](Dataset &s) {
                *scrolls << (s.onStoredRecord() ? s.field(QStringLiteral("name")).asString() : QStringLiteral("<new>"));
            });
        return d;
    }

    static QStringList names(const Dataset &d)
    {
        QStringList result;
        for (int row = 0; row < d.recordCount(); ++row)
            result << (d.isPendingRow(row) ? QStringLiteral("<new>") : d.fieldAt(row, 1).asString());
        return result;
    }

private slots:
    void initTestCase()
    {
        db = std::make_unique<Connection>(dir.filePath(QStringLiteral("t.dx")), QByteArray("k"),
                                          Connection::OpenMode::CreateIfMissing);
        db->execute(QStringLiteral(
            "CREATE TABLE people (id INTEGER PRIMARY KEY, name TEXT, age REAL, born DATETIME);"
            "INSERT INTO people VALUES (1, 'bob', 30, '2001-02-03');"
            "INSERT INTO people VALUES (2, 'Alice', 12.5, '2011-04-01 09:05:00');"
            "INSERT INTO people VALUES (3, 'carol', NULL, NULL);"
            "INSERT INTO people VALUES (12, 'Bob', 30, '1999-12-31');"
            "INSERT INTO people VALUES (120, 'dave', 7, '2000-01-01');"));
    }

    void openNotifiesAndEveryMoveNotifies()
    {
        QStringList scrolls;
        auto d = people(&scrolls);
        d->open();
        QCOMPARE(scrolls, QStringList({"bob"}));
        QVERIFY(d->bof());
        QVERIFY(!d->eof());
        d->next();
        d->next();
        d->prior();
        d->last();
        d->next(); // past the end: no move, eof
        QVERIFY(d->eof());
        QCOMPARE(d->recNo(), 4);
        d->first();
        d->moveTo(3);
        d->moveTo(3); // same row: no move
        QCOMPARE(scrolls, QStringList({"bob", "Alice", "carol", "Alice", "dave", "bob", "Bob"}));
    }

    void emptyResultOpensAtEnd()
    {
        QStringList scrolls;
        auto d = people(&scrolls);
        d->setCommandText(QStringLiteral("SELECT id, name FROM people WHERE id < 0"));
        d->open();
        QVERIFY(d->isEmpty());
        QVERIFY(d->eof());
        QCOMPARE(d->recNo(), -1);
        // Fields exist but read as their NULL defaults.
        QCOMPARE(d->field(QStringLiteral("name")).asString(), QString());
        QCOMPARE(d->field(QStringLiteral("id")).asInteger(), 0);
        QCOMPARE(scrolls, QStringList({"<new>"}));
    }

    void fieldsReadWithDefaults()
    {
        auto d = people();
        d->open();
        d->moveTo(1);
        QCOMPARE(d->field(QStringLiteral("AGE")).asString(), QStringLiteral("12.5"));
        QCOMPARE(d->field(QStringLiteral("age")).asInteger(), 13);
        QCOMPARE(d->field(QStringLiteral("born")).asDateTime(), QDateTime(QDate(2011, 4, 1), QTime(9, 5)));
        QVERIFY(d->field(QStringLiteral("born")).isDateColumn());
        d->moveTo(2);
        QVERIFY(d->field(QStringLiteral("age")).isNull());
        QCOMPARE(d->field(QStringLiteral("age")).asFloat(), 0.0);
        QCOMPARE(d->field(QStringLiteral("age")).asString(), QString());
        QVERIFY(!d->field(QStringLiteral("born")).asDateTime().isValid());
        d->moveTo(0);
        QCOMPARE(d->field(QStringLiteral("age")).asString(), QStringLiteral("30"));
        QVERIFY_THROWS_EXCEPTION(DbError, d->field(QStringLiteral("nope")));
        d->close();
        QVERIFY_THROWS_EXCEPTION(DbError, d->field(QStringLiteral("name")));
    }

    void failingQueryLeavesItClosed()
    {
        auto d = people();
        d->setCommandText(QStringLiteral("SELECT * FROM nowhere"));
        QVERIFY_THROWS_EXCEPTION(DbError, d->open());
        QVERIFY(!d->isOpen());
    }

    void locate_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("partial");
        QTest::addColumn<bool>("anyCase");
        QTest::addColumn<int>("row"); // -1: not found, cursor stays
        QTest::newRow("exact") << "name" << "Bob" << false << false << 3;
        QTest::newRow("exact is case-sensitive") << "name" << "BOB" << false << false << -1;
        QTest::newRow("any case") << "name" << "BOB" << false << true << 0;
        QTest::newRow("partial key") << "name" << "ca" << true << false << 2;
        QTest::newRow("partial key on a number finds the first prefix") << "id" << "12" << true << false << 3;
        QTest::newRow("exact number") << "id" << "120" << false << false << 4;
        QTest::newRow("not found") << "name" << "zed" << true << true << -1;
    }
    void locate()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, partial);
        QFETCH(bool, anyCase);
        QFETCH(int, row);
        auto d = people();
        d->open();
        d->moveTo(1);
        QCOMPARE(d->locate(field, value, {partial, anyCase}), row >= 0);
        QCOMPARE(d->recNo(), row >= 0 ? row : 1);
    }

    void pendingRowIsShownButNeverStored()
    {
        QStringList scrolls;
        auto d = people(&scrolls);
        DatasetModel model(d.get());
        d->open();
        d->moveTo(2);
        d->insert();
        QCOMPARE(d->state(), Dataset::State::Insert);
        QCOMPARE(names(*d), QStringList({"bob", "Alice", "<new>", "carol", "Bob", "dave"}));
        QCOMPARE(model.rowCount(), 6);
        QVERIFY(!d->onStoredRecord());
        QVERIFY(d->field(QStringLiteral("id")).isNull());
        d->cancel();
        QCOMPARE(d->state(), Dataset::State::Browse);
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(d->field(QStringLiteral("name")).asString(), QStringLiteral("carol"));
        QCOMPARE(scrolls.mid(2), QStringList({"<new>", "carol"}));

        // Moving away from a pending row drops it and lands on the row chosen.
        d->append();
        QCOMPARE(d->recNo(), 5);
        d->moveTo(4);
        QCOMPARE(d->recordCount(), 5);
        QCOMPARE(d->field(QStringLiteral("name")).asString(), QStringLiteral("dave"));
        d->insert();
        d->moveTo(3); // the row below the pending one: Bob
        QCOMPARE(d->field(QStringLiteral("name")).asString(), QStringLiteral("Bob"));
        QCOMPARE(db->query(QStringLiteral("SELECT count(*) FROM people")).rows.first().first().toInt(), 5);
    }

    void editStateMarksOnly()
    {
        auto d = people();
        d->open();
        d->edit();
        QCOMPARE(d->state(), Dataset::State::Edit);
        d->next();
        QCOMPARE(d->state(), Dataset::State::Browse);
    }

    void localIndex_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<bool>("anyCase");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("number ascending, NULL first, ties stay in order")
            << "age" << false << false << QStringList({"carol", "dave", "Alice", "bob", "Bob"});
        QTest::newRow("number descending") << "age" << true << false
                                           << QStringList({"bob", "Bob", "Alice", "dave", "carol"});
        QTest::newRow("text any case keeps equal names in order")
            << "name" << false << true << QStringList({"Alice", "bob", "Bob", "carol", "dave"});
        QTest::newRow("date descending") << "born" << true << false
                                         << QStringList({"Alice", "bob", "dave", "Bob", "carol"});
    }
    void localIndex()
    {
        QFETCH(QString, field);
        QFETCH(bool, descending);
        QFETCH(bool, anyCase);
        QFETCH(QStringList, order);
        QStringList scrolls;
        auto d = people(&scrolls);
        d->open();
        d->moveTo(1); // Alice
        d->setLocalIndex({field, descending, anyCase});
        QCOMPARE(names(*d), order);
        QCOMPARE(d->field(QStringLiteral("name")).asString(), QStringLiteral("Alice"));
        QCOMPARE(scrolls.size(), 2); // re-sorting is not a move
        d->close();
        d->open(); // the index survives a reopen
        QCOMPARE(names(*d), order);
        d->clearLocalIndex();
        QCOMPARE(names(*d), QStringList({"bob", "Alice", "carol", "Bob", "dave"}));
    }

    void localIndexOnUnknownFieldKeepsTheOldOrder()
    {
        auto d = people();
        d->open();
        d->setLocalIndex({QStringLiteral("age"), true, false});
        QVERIFY_THROWS_EXCEPTION(DbError, d->setLocalIndex({QStringLiteral("nope"), false, false}));
        QCOMPARE(names(*d).first(), QStringLiteral("bob"));
        QCOMPARE(d->localIndex()->field, QStringLiteral("age"));
    }

    void inMemoryCopyRefreshesOnlyByReopening()
    {
        auto source = people();
        Dataset copy(QStringLiteral("copy"));
        copy.setProvider(source.get());
        copy.open();
        QVERIFY(!source->isOpen());
        QCOMPARE(copy.recordCount(), 5);
        db->execute(QStringLiteral("INSERT INTO people VALUES (200, 'eve', 1, NULL)"));
        QCOMPARE(copy.recordCount(), 5);
        copy.close();
        copy.open();
        QCOMPARE(copy.recordCount(), 6);
        db->execute(QStringLiteral("DELETE FROM people WHERE id = 200"));
    }

    void gridFollowsTheCursorAndTheCursorFollowsTheGrid()
    {
        QStringList scrolls;
        auto d = people(&scrolls);
        DatasetModel model(d.get());
        QItemSelectionModel selection(&model);
        CursorLink link(d.get(), &selection);
        d->open();
        QCOMPARE(selection.currentIndex().row(), 0);
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("Alice"));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("age"));

        selection.setCurrentIndex(model.index(3, 1), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(d->recNo(), 3);
        QCOMPARE(scrolls.last(), QStringLiteral("Bob"));

        d->locate(QStringLiteral("name"), QStringLiteral("dave"));
        QCOMPARE(selection.currentIndex().row(), 4);
        d->setLocalIndex({QStringLiteral("name"), true, true});
        QCOMPARE(selection.currentIndex().row(), d->recNo());
        QCOMPARE(model.data(model.index(d->recNo(), 1)).toString(), QStringLiteral("dave"));
    }
};

QTEST_APPLESS_MAIN(TestDataset)
#include "tst_dataset.moc"
