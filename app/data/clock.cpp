#include "data/clock.h"

namespace Clock {

namespace {
QDateTime fixedMoment;
}

QDateTime now()
{
    return fixedMoment.isValid() ? fixedMoment : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void set(const QDateTime& moment)
{
    fixedMoment = moment;
}

} // namespace Clock
