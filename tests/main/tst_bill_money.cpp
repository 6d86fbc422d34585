#include "main/bill_money.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

constexpr double largestBelowTwoTo63 = 9223372036854774784.0;
constexpr double twoTo63 = 9223372036854775808.0;
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

const QString rangeMessage = QStringLiteral("金额超出可计算的范围!");

QString exact(double v)
{
    return QString::number(v, 'g', 17);
}

} // namespace

class TstBillMoney : public QObject {
    Q_OBJECT
private slots:
    void roundSR_data();
    void roundSR();
    void roundSRZeroHasNoSign_data();
    void roundSRZeroHasNoSign();
    void roundSROutOfRange_data();
    void roundSROutOfRange();
    void moneyToDX_data();
    void moneyToDX();
    void moneyToDXTooLong_data();
    void moneyToDXTooLong();
    void moneyToDXOutOfRange_data();
    void moneyToDXOutOfRange();
};

void TstBillMoney::roundSR_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");

    QTest::newRow("0: 3.14159") << 0 << 3.14159 << 3.14;
    QTest::newRow("0: 0.125 raised") << 0 << 0.125 << 0.13;
    QTest::newRow("0: 1.005 raised, 1.0103") << 0 << 1.005 << 1.01;
    QTest::newRow("0: 1.0046 kept") << 0 << 1.0046 << 1.0;
    QTest::newRow("0: -1.005 like its magnitude") << 0 << -1.005 << -1.01;
    QTest::newRow("0: 0.0148 past 0.0047") << 0 << 0.0148 << 0.02;
    // On the threshold: the sum in extended stays just below 0.02 (in
    // double it would reach it).
    QTest::newRow("0: 0.0147 on threshold") << 0 << 0.0147 << 0.01;
    QTest::newRow("0: whole") << 0 << 30.0 << 30.0;
    QTest::newRow("0: negative whole") << 0 << -30.0 << -30.0;
    QTest::newRow("0: large, x*100 fits") << 0 << 9.2e16 << 9.2e16;

    QTest::newRow("1: 12.49995 raised") << 1 << 12.49995 << 13.0;
    QTest::newRow("1: 12.4997 dropped") << 1 << 12.4997 << 12.0;
    QTest::newRow("1: 12.5 raised") << 1 << 12.5 << 13.0;
    QTest::newRow("1: 12.4999 on threshold") << 1 << 12.4999 << 13.0;
    QTest::newRow("1: -12.5") << 1 << -12.5 << -13.0;
    QTest::newRow("1: -12.4997") << 1 << -12.4997 << -12.0;
    QTest::newRow("1: largest magnitude") << 1 << largestBelowTwoTo63 << largestBelowTwoTo63;

    QTest::newRow("2: 12.99") << 2 << 12.99 << 12.0;
    QTest::newRow("2: -12.99") << 2 << -12.99 << -12.0;
    QTest::newRow("2: largest magnitude") << 2 << -largestBelowTwoTo63 << -largestBelowTwoTo63;

    QTest::newRow("3: 12.0097 dropped") << 3 << 12.0097 << 12.0;
    QTest::newRow("3: 12.0099 raised") << 3 << 12.0099 << 13.0;
    QTest::newRow("3: 12.01 raised") << 3 << 12.01 << 13.0;
    QTest::newRow("3: whole kept") << 3 << 12.0 << 12.0;
    QTest::newRow("3: -12.3") << 3 << -12.3 << -13.0;
    QTest::newRow("3: largest magnitude") << 3 << largestBelowTwoTo63 << largestBelowTwoTo63;

    // A mode outside the list keeps two decimals, like mode 0.
    QTest::newRow("4 as 0") << 4 << 3.14159 << 3.14;
    QTest::newRow("-1 as 0") << -1 << 0.125 << 0.13;
    QTest::newRow("99 as 0") << 99 << -1.005 << -1.01;
}

void TstBillMoney::roundSR()
{
    QFETCH(int, mode);
    QFETCH(double, x);
    QFETCH(double, expected);

    const double actual = RoundSR(mode, x);
    QVERIFY2(actual == expected, qPrintable(exact(actual) + " != " + exact(expected)));
}

void TstBillMoney::roundSRZeroHasNoSign_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("x");

    QTest::newRow("0") << 0 << -0.001;
    QTest::newRow("1") << 1 << -0.3;
    QTest::newRow("2") << 2 << -0.99;
    QTest::newRow("3") << 3 << -0.0;
}

void TstBillMoney::roundSRZeroHasNoSign()
{
    QFETCH(int, mode);
    QFETCH(double, x);

    const double actual = RoundSR(mode, x);
    QCOMPARE(actual, 0.0);
    QVERIFY(!std::signbit(actual));
}

void TstBillMoney::roundSROutOfRange_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("x");

    QTest::newRow("0: x*100 beyond") << 0 << 9.3e16;
    QTest::newRow("0: negative x*100 beyond") << 0 << -9.3e16;
    QTest::newRow("1: 2^63") << 1 << twoTo63;
    QTest::newRow("2: 2^63") << 2 << twoTo63;
    QTest::newRow("2: -2^63") << 2 << -twoTo63;
    QTest::newRow("3: 1e19") << 3 << 1e19;
    QTest::newRow("0: NaN") << 0 << notANumber;
    QTest::newRow("1: NaN") << 1 << notANumber;
    QTest::newRow("2: NaN") << 2 << notANumber;
    QTest::newRow("3: NaN") << 3 << notANumber;
    QTest::newRow("0: inf") << 0 << infinity;
    QTest::newRow("3: -inf") << 3 << -infinity;
}

void TstBillMoney::roundSROutOfRange()
{
    QFETCH(int, mode);
    QFETCH(double, x);

    try {
        RoundSR(mode, x);
        QFAIL("no error");
    } catch (const MoneyError &e) {
        QCOMPARE(e.message(), rangeMessage);
    }
}

void TstBillMoney::moneyToDX_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0") << 0.0 << QStringLiteral("零 元 整");
    QTest::newRow("-0") << -0.0 << QStringLiteral("零 元 整");
    QTest::newRow("1") << 1.0 << QStringLiteral(" 壹 元 整");
    QTest::newRow("10") << 10.0 << QStringLiteral(" 壹 拾 元 整");
    QTest::newRow("0.5") << 0.5 << QStringLiteral(" 伍 角 整");
    QTest::newRow("0.01") << 0.01 << QStringLiteral(" 壹 分 ");
    QTest::newRow("1.05") << 1.05 << QStringLiteral(" 壹 元 零 伍 分 ");
    QTest::newRow("100.5") << 100.5 << QStringLiteral(" 壹 佰 元 伍 角 整");
    QTest::newRow("101") << 101.0 << QStringLiteral(" 壹 佰 零 壹 元 整");
    QTest::newRow("1010") << 1010.0 << QStringLiteral(" 壹 仟 零 壹 拾 元 整");
    QTest::newRow("2500") << 2500.0 << QStringLiteral(" 贰 仟 伍 佰 元 整");
    QTest::newRow("10000") << 10000.0 << QStringLiteral(" 壹 万 元 整");
    QTest::newRow("101000") << 101000.0 << QStringLiteral(" 壹 拾 万 壹 仟 元 整");
    QTest::newRow("100010000") << 100010000.0 << QStringLiteral(" 壹 亿 零 壹 万 元 整");
    QTest::newRow("1234.56") << 1234.56
                             << QStringLiteral(" 壹 仟 贰 佰 叁 拾 肆 元 伍 角 陆 分 ");
    QTest::newRow("-12.3") << -12.3 << QStringLiteral("负 壹 拾 贰 元 叁 角 整");
    QTest::newRow("-1.05") << -1.05 << QStringLiteral("负 壹 元 零 伍 分 ");

    // The 万 place is written after fewer than three zeros, and left out
    // after a run of them below 亿.
    QTest::newRow("10000001") << 10000001.0 << QStringLiteral(" 壹 仟 万 零 壹 元 整");
    QTest::newRow("100000001") << 100000001.0 << QStringLiteral(" 壹 亿 零 壹 元 整");
    // 零 before a 仟 place only after four or more zeros.
    QTest::newRow("100001000") << 100001000.0 << QStringLiteral(" 壹 亿 零 壹 仟 元 整");
    QTest::newRow("1001000") << 1001000.0 << QStringLiteral(" 壹 佰 万 壹 仟 元 整");

    QTest::newRow("half fen away from zero") << 0.125 << QStringLiteral(" 壹 角 叁 分 ");
    QTest::newRow("negative half fen") << -0.125 << QStringLiteral("负 壹 角 叁 分 ");
    QTest::newRow("below half a fen") << 0.004 << QStringLiteral("零 元 整");
    QTest::newRow("below half a fen, negative") << -0.004 << QStringLiteral("零 元 整");

    QTest::newRow("10^14") << 1e14 << QStringLiteral(" 壹 佰 万 亿 元 整");
    // The double nearest -99999999999999.99 has fen count 9999999999999998.
    QTest::newRow("longest below 10^14, 66 characters")
        << -99999999999999.99
        << QStringLiteral("负 玖 拾 玖 万 玖 仟 玖 佰 玖 拾 玖 亿 玖 仟 玖 佰 玖 拾 玖 万"
                          " 玖 仟 玖 佰 玖 拾 玖 元 玖 角 捌 分 ");
    QTest::newRow("67 characters still fit")
        << -111111111111111.1
        << QStringLiteral("负 壹 佰 壹 拾 壹 万 壹 仟 壹 佰 壹 拾 壹 亿 壹 仟 壹 佰 壹 拾 壹 万"
                          " 壹 仟 壹 佰 壹 拾 壹 元 壹 角 整");
}

void TstBillMoney::moneyToDX()
{
    QFETCH(double, x);
    QFETCH(QString, expected);

    QCOMPARE(MoneyToDX(x), expected);
}

void TstBillMoney::moneyToDXTooLong_data()
{
    QTest::addColumn<double>("x");

    QTest::newRow("69 characters") << 123456789123456.78;
    QTest::newRow("negative") << -999999999999999.9;
    QTest::newRow("18 digits of fen") << 1234567891234567.8;
}

void TstBillMoney::moneyToDXTooLong()
{
    QFETCH(double, x);

    try {
        const QString text = MoneyToDX(x);
        QFAIL(qPrintable("no error, text: " + text));
    } catch (const MoneyError &e) {
        QCOMPARE(e.message(), QStringLiteral("数值过大!"));
    }
}

void TstBillMoney::moneyToDXOutOfRange_data()
{
    QTest::addColumn<double>("x");

    QTest::newRow("fen count beyond") << 9.3e16;
    QTest::newRow("negative fen count beyond") << -1e17;
    QTest::newRow("NaN") << notANumber;
    QTest::newRow("inf") << infinity;
    QTest::newRow("-inf") << -infinity;
}

void TstBillMoney::moneyToDXOutOfRange()
{
    QFETCH(double, x);

    try {
        MoneyToDX(x);
        QFAIL("no error");
    } catch (const MoneyError &e) {
        QCOMPARE(e.message(), rangeMessage);
    }
}

QTEST_APPLESS_MAIN(TstBillMoney)
#include "tst_bill_money.moc"
