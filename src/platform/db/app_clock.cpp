#include "platform/db/app_clock.h"

#include "platform/db/date_text.h"

namespace AppClock {
namespace {
QDateTime fixedMoment;
}

QDateTime now()
{
    return fixedMoment.isValid() ? fixedMoment : QDateTime::currentDateTime();
}

QString nowText()
{
    return dateText::dateTime(now());
}

void setFixed(const QDateTime &moment)
{
    fixedMoment = moment;
}

void useSystemClock()
{
    fixedMoment = QDateTime();
}

} // namespace AppClock
