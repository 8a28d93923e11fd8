#include "data/workbook_check.h"

#include <QByteArray>
#include <QFile>

#include <unzip.h>

namespace WorkbookCheck {

namespace {

const char* const SheetMember = "xl/worksheets/sheet1.xml";
const QByteArray RowStart("<row r=\"");
const QByteArray SheetEnd("</worksheet>");
constexpr int ChunkSize = 1 << 16;
// Enough of the text before a chunk that a row's start cut by the chunk is found whole.
constexpr int Carry = 64;

// The number of the last row whose start lies wholly in text, or keeps last when there is none.
int lastRowIn(const QByteArray& text, int last)
{
    int at = text.lastIndexOf(RowStart);
    while (at >= 0) {
        const int digits = at + RowStart.size();
        const int quote = text.indexOf('"', digits);
        if (quote > digits) {
            bool ok = false;
            const int row = text.mid(digits, quote - digits).toInt(&ok);
            return ok ? row : last;
        }
        at = at > 0 ? text.lastIndexOf(RowStart, at - 1) : -1;
    }
    return last;
}

} // namespace

bool sheetEndsAtRow(const QString& path, int lastRow)
{
    unzFile zip = unzOpen64(QFile::encodeName(path).constData());
    if (!zip)
        return false;
    bool whole = false;
    if (unzLocateFile(zip, SheetMember, 1) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        QByteArray window;
        QByteArray chunk(ChunkSize, Qt::Uninitialized);
        int row = 0;
        int got = 0;
        while ((got = unzReadCurrentFile(zip, chunk.data(), unsigned(chunk.size()))) > 0) {
            window = window.right(Carry) + chunk.left(got);
            row = lastRowIn(window, row);
        }
        // Closing the member compares the data read with its checksum.
        const bool read = got == 0 && unzCloseCurrentFile(zip) == UNZ_OK;
        whole = read && window.trimmed().endsWith(SheetEnd) && row == lastRow;
    }
    unzClose(zip);
    return whole;
}

} // namespace WorkbookCheck
