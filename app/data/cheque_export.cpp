#include "data/cheque_export.h"

#include "data/complete_file.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/workbook_check.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace ChequeExport {

namespace {

// The first two physical columns of T1 (the bank key and the entry date) are not exported;
// every column from TCH on goes to the sheet column of its own position.
const QString Source = QStringLiteral("select * from T1 ORDER BY Tch");
constexpr int FirstExportedField = 2;
// The longest text one cell holds.
constexpr int MaxCellText = 32767;
constexpr qint64 CopyChunk = 1 << 20;

// reason goes on the sentence's first line; a detail under it stays on its own line.
QString failure(const QString& path, const QString& reason)
{
    return QStringLiteral("فايل %1 ساخته نشد: %2").arg(FailureText::quotedPath(path), reason);
}

QString writeFailure(lxw_error error)
{
    if (error == LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE)
        return QStringLiteral("تعداد چك ها از گنجايش يك برگه اكسل بيشتر است.");
    return FailureText::withDetail(QStringLiteral("نوشتن برگه اكسل ناتمام ماند."),
                                   QString::fromUtf8(lxw_strerror(error)));
}

QString readFailure(const QSqlQuery& query)
{
    return FailureText::withDetail(QStringLiteral("چك ها از بانك اطلاعاتي خوانده نشدند."), query.lastError().text());
}

lxw_error writeText(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const QString& text)
{
    if (text.isEmpty())
        return LXW_NO_ERROR;
    const QByteArray utf8 = text.left(MaxCellText).toUtf8();
    return worksheet_write_string(sheet, row, column, utf8.constData(), nullptr);
}

// Numbers stay numbers, so that the amounts can be added up in the sheet; dates are stored as
// text and stay text, so that the sheet does not turn them into fractions or calendar dates.
lxw_error writeValue(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const QVariant& value)
{
    if (value.isNull())
        return LXW_NO_ERROR;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return worksheet_write_number(sheet, row, column, value.toDouble(), nullptr);
    default:
        return writeText(sheet, row, column, value.toString());
    }
}

// Fills the one sheet of the workbook; returns why it stopped, or "" when all rows are in, and
// the number of the sheet's last row in lastRow. The workbook writes each row out when the
// next begins, so rows go strictly top to bottom.
QString fillSheet(lxw_workbook* workbook, Database& database, int* lastRow)
{
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, QStringLiteral("ليست چك ها").toUtf8().constData());
    if (!sheet)
        return QStringLiteral("برگه اكسل ساخته نشد.");
    worksheet_right_to_left(sheet);

    const QStringList captions = headerCaptions();
    for (int i = 0; i < captions.size(); ++i) {
        const lxw_error error = writeText(sheet, HeaderRow - 1, lxw_col_t(FirstColumn - 1 + i), captions.at(i));
        if (error != LXW_NO_ERROR)
            return writeFailure(error);
    }

    QSqlQuery query(database.connection());
    query.setForwardOnly(true);
    if (!query.exec(Source))
        return readFailure(query);
    const int fields = query.record().count();
    *lastRow = HeaderRow;
    lxw_row_t row = FirstChequeRow - 1;
    while (query.next()) {
        for (int field = FirstExportedField; field < fields; ++field) {
            const lxw_error error = writeValue(sheet, row, lxw_col_t(field), query.value(field));
            if (error != LXW_NO_ERROR)
                return writeFailure(error);
        }
        ++row;
        *lastRow = int(row);
    }
    if (query.lastError().isValid())
        return readFailure(query);
    return QString();
}

bool copyInto(const QString& from, CompleteFile& to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(CopyChunk);
        if (chunk.isEmpty() || !to.write(chunk))
            return false;
    }
    return to.written() == in.size();
}

} // namespace

QStringList headerCaptions()
{
    return {QStringLiteral("تاريخ چك"), QStringLiteral("شماره چك"), QStringLiteral("نام بانك"),
            QStringLiteral("مبلغ چك"),  QStringLiteral("شرح چك"),   QStringLiteral("نوع چك"),
            QStringLiteral("وضعيت چك"), QStringLiteral("توضيحات")};
}

bool write(Database& database, const QString& path, QString* error)
{
    auto fail = [&](const QString& reason) {
        if (error)
            *error = failure(path, reason);
        return false;
    };

    // Opened first, so that a folder that cannot be written to is reported before the work.
    CompleteFile out(path);
    if (!out.open()) {
        if (error)
            *error = out.errorText();
        return false;
    }

    // The workbook is assembled in a folder of its own; only the finished file is copied out.
    QTemporaryDir work;
    if (!work.isValid())
        return fail(QStringLiteral("پوشه موقت براي ساختن فايل در دسترس نيست."));
    const QString workbookPath = work.filePath(QStringLiteral("cheques.xlsx"));
    QByteArray tempFolder = QFile::encodeName(work.path());
    lxw_workbook_options options{};
    // Rows are written once, in order: the workbook keeps one row in memory instead of the
    // whole list, which matters for a register of hundreds of thousands of cheques.
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tempFolder.data();
    lxw_workbook* workbook = workbook_new_opt(QFile::encodeName(workbookPath).constData(), &options);
    if (!workbook)
        return fail(QStringLiteral("حافظه كافي براي ساختن فايل اكسل نيست."));

    int lastRow = HeaderRow;
    const QString stopped = fillSheet(workbook, database, &lastRow);
    // Closing writes the file and frees the workbook; its errors show only here.
    const lxw_error closed = workbook_close(workbook);
    if (!stopped.isEmpty())
        return fail(stopped);
    if (closed != LXW_NO_ERROR)
        return fail(writeFailure(closed));

    // The temporary folder may be on a disk of its own, full while the target's is not.
    if (!WorkbookCheck::sheetEndsAtRow(workbookPath, lastRow))
        return fail(QStringLiteral("نوشتن برگه اكسل در پوشه موقت %1 ناتمام ماند؛ شاید ديسك آن پر باشد.")
                        .arg(FailureText::quotedPath(work.path())));
    if (!copyInto(workbookPath, out) || !out.commit()) {
        if (error)
            *error = out.errorText().isEmpty() ? failure(path, QStringLiteral("برگه اكسل تا آخر خوانده نشد."))
                                               : out.errorText();
        return false;
    }
    return true;
}

} // namespace ChequeExport
