#include "main/bill_money.h"

#include <QtGlobal>

#include <cmath>

// Intermediate sums are 80-bit extended (long double on x86-64), results are
// stored as double. Changing either changes which amounts land on which side
// of a threshold, and so the cents of bills already issued.

namespace {

constexpr long double twoTo63 = 9223372036854775808.0L;
constexpr int maxCapitalsLength = 67;

[[noreturn]] void throwOutOfRange()
{
    throw MoneyError(QStringLiteral("金额超出可计算的范围!"));
}

// Cuts toward zero to a signed 64-bit integer. The plain conversion is
// undefined beyond the range, so such values (NaN included) are refused.
qint64 truncToInt64(long double v)
{
    if (!(v < twoTo63 && v > -twoTo63))
        throwOutOfRange();
    return static_cast<qint64>(v);
}

// The fraction of a plus 0.0001, summed in extended and stored as double.
double nudgedFraction(double a, qint64 n)
{
    return static_cast<double>((static_cast<long double>(a) - n) + 0.0001L);
}

} // namespace

double RoundSR(int mode, double x)
{
    if (!std::isfinite(x))
        throwOutOfRange();
    const int sign = x >= 0 ? 1 : -1;
    const double a = std::fabs(x);

    long double magnitude = 0;
    switch (mode) {
    case 1: {
        const qint64 n = truncToInt64(a);
        magnitude = nudgedFraction(a, n) >= 0.5 ? n + 1 : n;
        break;
    }
    case 2:
        magnitude = truncToInt64(a);
        break;
    case 3: {
        const qint64 n = truncToInt64(a);
        magnitude = static_cast<long double>(nudgedFraction(a, n)) < 0.01L ? n : n + 1;
        break;
    }
    default:
        // Mode 0, and also any mode outside the list (a stored SRNUM the list
        // does not know): keeping the cents never loses part of the amount.
        magnitude = truncToInt64((static_cast<long double>(a) + 0.0053L) * 100) / 100.0L;
        break;
    }
    // A magnitude that rounds to nothing gives plain 0, never -0, so that a
    // small negative amount is not shown as "-0".
    if (magnitude == 0)
        return 0.0;
    return static_cast<double>(magnitude * sign);
}

QString MoneyToDX(double x)
{
    static const QString digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    static const QString largeUnits = QStringLiteral("拾佰仟万拾佰仟亿");
    static const QString smallUnits = QStringLiteral("分角元");
    static const QString zeroText = QStringLiteral("零 元 整");

    if (x == 0)
        return zeroText;
    const double fen = RoundSR(2, x > 0 ? x * 100 + 0.5 : x * 100 - 0.5);
    // Below half a fen there is nothing to write but zero.
    if (fen == 0)
        return zeroText;

    const QString s = QString::number(static_cast<qint64>(std::fabs(fen)));
    const qsizetype n = s.size();
    const bool fenIsZero = s.back() == QLatin1Char('0');

    QString out;
    if (x < 0)
        out = QStringLiteral("负");
    auto write = [&out](QChar piece) {
        out += QLatin1Char(' ');
        out += piece;
    };
    auto placeUnit = [&](qsizetype r) {
        return r < 3 ? smallUnits.at(r) : largeUnits.at((r - 3) % 8);
    };

    int zeros = 0; // zero digits since the last non-zero one
    for (qsizetype i = 0; i < n; ++i) {
        const int d = s.at(i).digitValue();
        const qsizetype r = n - 1 - i;
        if (d == 0) {
            const bool wanOrYiPlace = r > 3 && (r - 2) % 4 == 0;
            if (wanOrYiPlace && (r >= 8 || zeros < 3))
                write(placeUnit(r));
            ++zeros;
            if (n > 1 && r == 1 && !fenIsZero)
                write(digits.at(0));
        } else {
            if ((zeros > 0 && r >= 2 && (r - 1) % 4 != 0) || (zeros >= 4 && r >= 2))
                write(digits.at(0));
            write(digits.at(d));
            zeros = 0;
        }
        if (zeros == 0 || r == 2)
            write(placeUnit(r));
    }
    out += QLatin1Char(' ');
    if (fenIsZero)
        out += QStringLiteral("整");

    if (out.size() > maxCapitalsLength)
        throw MoneyError(QStringLiteral("数值过大!"));
    return out;
}
