#pragma once

#include "reports/report_definition.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace ReportValues {

// The number a value stands for: a number, or a text of digits that may be grouped with ","
// (the expense book stores its amounts so). Nothing for an empty value or other text.
std::optional<double> number(const QVariant& value);

// A value as printed: as it is, or grouped "#,##0" when it is a number; empty for NULL.
QString format(const QVariant& value, ReportItem::Format format);

// A total grouped "#,##0", exact to the rial up to 18 digits.
QString groupedSum(long double sum);

} // namespace ReportValues
