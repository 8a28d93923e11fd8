#include "data/due_cheques.h"

#include "calendar/jalali.h"
#include "data/cheque_queries.h"

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

RecordSource source(const QDate& today, std::optional<int> days)
{
    if (!days)
        return ChequeQueries::all();
    const QString day = targetDay(today, *days);
    if (day.isEmpty())
        return ChequeQueries::all();
    return ChequeQueries::dated(day);
}

} // namespace DueCheques
