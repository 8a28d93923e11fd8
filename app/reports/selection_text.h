#pragma once

#include "data/report_queries.h"

#include <QString>

// What chose the rows of a printed list, in words: on the list itself under its title, and in
// the print settings before the preview, so that a list of one bank's cheques is not taken for
// all of them and a choice that will not count does not pass unnoticed.
namespace SelectionText {

// "انتخاب: بانک «ملت»، وضعيت «پاس شد» ؛ ترتيب: تاريخ چک"; empty when no rule holds.
QString describe(const ReportQueries::Selection& selection, bool archive);

// The rule that will decide, and the choices made that it puts aside.
QString deciding(const ReportQueries::ReportChoice& choice, bool archive);

// The line of the expense list, which always prints the whole book.
QString wholeExpenseBook();

} // namespace SelectionText
