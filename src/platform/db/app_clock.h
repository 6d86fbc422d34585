#pragma once
#include <QDateTime>
#include <QString>

// The one clock of the application. The database's NOW(), the clock label,
// the colours of due rents and the log all read it, so a test that fixes it
// sees one consistent "now" everywhere.
namespace AppClock {

QDateTime now();
// "yyyy-MM-dd HH:mm:ss", the form dates are stored in.
QString nowText();

// Freezes the clock at the given local time (tests).
void setFixed(const QDateTime &moment);
// Returns to the system clock.
void useSystemClock();

} // namespace AppClock
