#include "platform/text/gbk.h"

#include <QtTest>

class TestGbk : public QObject {
    Q_OBJECT
private slots:
    void byteLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("ascii") << QStringLiteral("INSERT INTO") << 11;
        QTest::newRow("chinese") << QStringLiteral("房屋资料") << 8;
        QTest::newRow("mixed") << QStringLiteral("A101室") << 6;
        QTest::newRow("full-width punctuation") << QStringLiteral("￥，") << 4;
        QTest::newRow("outside the code page counts as '?'") << QStringLiteral("a😀b") << 3;
    }
    void byteLength()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QCOMPARE(gbk::byteLength(text), bytes);
        QCOMPARE(gbk::encode(text).size(), bytes);
    }

    void leftBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("expected");
        const QString hundredTwentyFive = QString(125, QChar(0x4E2D)); // 中
        QTest::newRow("fits whole") << QStringLiteral("abc") << 250 << QStringLiteral("abc");
        QTest::newRow("exactly 250 bytes") << hundredTwentyFive + QStringLiteral("x") << 250 << hundredTwentyFive;
        QTest::newRow("double-byte character across the limit is left out")
            << QStringLiteral("a") + hundredTwentyFive << 250 << QStringLiteral("a") + QString(124, QChar(0x4E2D));
        QTest::newRow("ascii tail fills up")
            << QStringLiteral("a") + QString(124, QChar(0x4E2D)) + QStringLiteral("bc") << 250
            << QStringLiteral("a") + QString(124, QChar(0x4E2D)) + QStringLiteral("b");
        QTest::newRow("surrogate pair is never split") << QStringLiteral("ab😀") << 2 << QStringLiteral("ab");
    }
    void leftBytes()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(QString, expected);
        const QString cut = gbk::leftBytes(text, limit);
        QCOMPARE(cut, expected);
        QVERIFY(gbk::byteLength(cut) <= limit);
    }

    void roundTrip()
    {
        const QString text = QStringLiteral("收款人 QXII=17 （合计：壹佰元整）€");
        const QByteArray bytes = gbk::encode(text);
        QCOMPARE(bytes.left(3), QByteArray("\xCA\xD5\xBF", 3)); // 收 is CA D5, 款 starts BF
        QCOMPARE(gbk::decode(bytes), text);
    }
};

QTEST_APPLESS_MAIN(TestGbk)
#include "tst_gbk.moc"
