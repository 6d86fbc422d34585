#pragma once
// The two pure routines behind the bill panel's amounts: rounding by a
// bill's rounding mode and writing an amount in Chinese capital numerals.

#include <QString>

#include <stdexcept>

// A computation on an amount that cannot be carried out. It carries the
// Chinese text shown to the user.
class MoneyError : public std::runtime_error {
public:
    explicit MoneyError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};

// Rounds x by a bill's rounding mode (the index of the "SRNUM" list):
// 0 keeps two decimals, 1 rounds half up to a whole number, 2 drops the
// decimals, 3 raises any decimals. Negative values are rounded like their
// magnitudes. Throws MoneyError for NaN, infinity and magnitudes whose
// integer part does not fit a signed 64-bit integer.
double RoundSR(int mode, double x);

// The amount in capital numerals, e.g. " 壹 佰 元 伍 角 整". Throws
// MoneyError("数值过大!") when the text would pass 67 characters, and the
// range error of RoundSR when the fen count is out of range.
QString MoneyToDX(double x);
