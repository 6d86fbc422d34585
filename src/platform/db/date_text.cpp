#include "platform/db/date_text.h"

namespace dateText {

QString date(const QDate &day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

QString dateTime(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString dateTimeOmitMidnight(const QDateTime &moment)
{
    if (moment.time() == QTime(0, 0))
        return date(moment.date());
    return dateTime(moment);
}

QDateTime parse(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() == 10)
        return QDateTime(QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    if (trimmed.size() == 19)
        return QDateTime::fromString(trimmed, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return QDateTime();
}

} // namespace dateText
