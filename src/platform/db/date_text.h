#pragma once
#include <QDate>
#include <QDateTime>
#include <QString>

// The fixed text forms in which dates are written into statements and
// stored: "yyyy-MM-dd" and "yyyy-MM-dd HH:mm:ss", local time.
namespace dateText {

QString date(const QDate &day);
QString dateTime(const QDateTime &moment);
// The short date, followed by the time unless it is exactly midnight.
QString dateTimeOmitMidnight(const QDateTime &moment);
// Reads either stored form; an empty or unreadable text gives an invalid value.
QDateTime parse(const QString &text);

} // namespace dateText
