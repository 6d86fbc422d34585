#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

// One field of one record, read with the defaults a form expects: NULL
// reads as empty text, as 0, or as no date.
class FieldValue {
public:
    FieldValue() = default;
    FieldValue(QVariant value, QByteArray declaredType)
        : value_(std::move(value)), declaredType_(std::move(declaredType)) {}

    bool isNull() const { return !value_.isValid() || value_.isNull(); }
    const QVariant &value() const { return value_; }
    // The column's declared type in upper case ("DATETIME", "REAL"); empty
    // for computed columns.
    const QByteArray &declaredType() const { return declaredType_; }
    bool isDateColumn() const;

    // Numbers in their shortest form, up to 15 significant digits.
    QString asString() const;
    // Unreadable text reads as 0; a fraction is rounded.
    qint64 asInteger() const;
    double asFloat() const;
    // Dates stored as "yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss"; anything else
    // gives an invalid value.
    QDateTime asDateTime() const;

    // The general number format: shortest form, up to 15 significant digits.
    static QString formatNumber(double value);

private:
    QVariant value_;
    QByteArray declaredType_;
};
