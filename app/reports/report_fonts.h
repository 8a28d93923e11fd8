#pragma once

#include <QFont>

// The fonts of the printed reports: installed Persian faces in the places the reports were
// designed with "Tahoma" (captions and headings), "B Nazanin" (rows) and "B Titr" (titles),
// so that no text falls back to a Latin face.
namespace ReportFonts {

QFont caption(qreal points, bool bold = false);
QFont body(qreal points, bool bold = false);
QFont title(qreal points);

} // namespace ReportFonts
