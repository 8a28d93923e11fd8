#pragma once

#include <QString>

// Reads back a workbook the export wrote. The spreadsheet library writes its sheet through a
// temporary file without looking at the result of those writes: when that file cannot grow,
// the rows after that point are lost, and a smaller workbook comes out with no error. So the
// sheet is read back from the finished workbook to see that it goes on to its last row.
namespace WorkbookCheck {

// True when the first sheet of the workbook at path is whole (its data matches its checksum and
// it ends as a sheet ends) and its last row is lastRow, counted from 1.
bool sheetEndsAtRow(const QString& path, int lastRow);

} // namespace WorkbookCheck
