#pragma once

#include "data/record_source.h"

#include <QDate>
#include <QString>

#include <optional>

// What the due-cheque reminder counts: the cheques dated on the day that lies a chosen number
// of days ahead. Only the cheque date decides; a passed or voided cheque still in the list is
// counted like an open one.
namespace DueCheques {

// The day count as the preferences store it: a whole number, or nothing when the text is
// empty or not a number.
std::optional<int> dayCount(const QString& stored);

// The day `days` calendar days after `today`, in the stored date form (1405/01/01); empty when
// that day cannot be written as a Jalali date.
QString targetDay(const QDate& today, int days);

// The reminder's record source, the target day bound as a value. Without a day count the
// target day cannot be computed and the source stays on all cheques.
RecordSource source(const QDate& today, std::optional<int> days);

} // namespace DueCheques
