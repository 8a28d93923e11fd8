#include "cheques/export_command.h"

#include "calendar/jalali.h"
#include "data/cheque_export.h"
#include "data/clock.h"
#include "data/failure_text.h"
#include "ui/messages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString Suffix = QStringLiteral("xlsx");

ExportFileOpener& fileOpener()
{
    static ExportFileOpener opener;
    return opener;
}

bool openFile(const QUrl& url)
{
    const ExportFileOpener& opener = fileOpener();
    return opener ? opener(url) : QDesktopServices::openUrl(url);
}

// The chooser does not add the extension itself; without it the desktop would not know
// which program opens the file.
QString withSuffix(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + Suffix : path;
}

} // namespace

QString suggestedExportPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString date = JalaliDateString(Clock::today()).remove(QLatin1Char('/'));
    return QDir(folder).filePath(QStringLiteral("ليست چك ها ") + date + QLatin1Char('.') + Suffix);
}

void setExportFileOpener(ExportFileOpener opener)
{
    fileOpener() = std::move(opener);
}

void exportChequeList(Database& database, QWidget* parent)
{
    const QString chosen = Messages::saveFileName(parent, QStringLiteral("انتقال اطلاعات به اكسل"),
                                                  suggestedExportPath(), QStringLiteral("فايل اكسل (*.xlsx)"));
    if (chosen.isEmpty())
        return;
    const QString path = withSuffix(chosen);
    QString error;
    if (!ChequeExport::write(database, path, &error)) {
        Messages::show(parent, error, Messages::Icon::Critical);
        return;
    }
    if (!openFile(QUrl::fromLocalFile(path))) {
        Messages::show(parent,
                       QStringLiteral("فايل %1 ذخيره شد، ولي برنامه اي براي باز كردن آن پيدا نشد.")
                           .arg(FailureText::quotedPath(path)),
                       Messages::Icon::Information);
    }
}
