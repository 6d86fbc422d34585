#include "platform/dataset/field_value.h"

#include "platform/db/date_text.h"

#include <cmath>

bool FieldValue::isDateColumn() const
{
    return declaredType_.contains("DATE");
}

QString FieldValue::formatNumber(double value)
{
    return QString::number(value, 'g', 15);
}

QString FieldValue::asString() const
{
    if (isNull())
        return QString();
    if (value_.typeId() == QMetaType::Double)
        return formatNumber(value_.toDouble());
    return value_.toString();
}

qint64 FieldValue::asInteger() const
{
    if (isNull())
        return 0;
    switch (value_.typeId()) {
    case QMetaType::LongLong:
        return value_.toLongLong();
    case QMetaType::Double:
        return std::llround(value_.toDouble());
    default: {
        bool ok = false;
        const QString text = value_.toString().trimmed();
        const qint64 whole = text.toLongLong(&ok);
        if (ok)
            return whole;
        const double real = text.toDouble(&ok);
        return ok ? std::llround(real) : 0;
    }
    }
}

double FieldValue::asFloat() const
{
    if (isNull())
        return 0.0;
    bool ok = false;
    const double real = value_.typeId() == QMetaType::QString
                            ? value_.toString().trimmed().toDouble(&ok)
                            : value_.toDouble(&ok);
    return ok ? real : 0.0;
}

QDateTime FieldValue::asDateTime() const
{
    if (isNull())
        return QDateTime();
    return dateText::parse(value_.toString());
}
