#include "data/due_cheques.h"

#include "calendar/jalali.h"

namespace DueCheques {

std::optional<int> dayCount(const QString& stored)
{
    bool ok = false;
    const int days = stored.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return days;
}

QString targetDay(const QDate& today, int days)
{
    return JalaliDateString(today.addDays(days), 0);
}

ChequeQueries::Source source(const QDate& today, std::optional<int> days)
{
    if (!days)
        return {ChequeQueries::All, {}};
    const QString day = targetDay(today, *days);
    if (day.isEmpty())
        return {ChequeQueries::All, {}};
    return ChequeQueries::dated(day);
}

} // namespace DueCheques
