#pragma once

#include <QDate>
#include <QDateTime>

// The one source of today's date and the time of day. Tests set it; the program
// never asks QDate::currentDate() anywhere else.
namespace Clock {

QDateTime now();
QDate today();
// Fixes the clock at the given moment; an invalid value returns it to the machine clock.
void set(const QDateTime& moment);

} // namespace Clock
