#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class Database;
class QWidget;

// The menu command "انتقال اطلاعات به اكسل": asks where to save the active cheques as a
// spreadsheet (suggesting the documents folder and a name with today's date), writes the file
// and opens it with the desktop's program for spreadsheets. A cancelled chooser does nothing;
// a file that cannot be written is reported and nothing is opened.
void exportChequeList(Database& database, QWidget* parent);

// The path the chooser suggests: "ليست چك ها " and today's date without separators, in the
// user's documents folder (the home folder when there is none).
QString suggestedExportPath();

// What opens the written file; true when a program took it. Tests replace it so that nothing is
// launched; an empty function brings back the desktop's default (QDesktopServices::openUrl).
using ExportFileOpener = std::function<bool(const QUrl&)>;
void setExportFileOpener(ExportFileOpener opener);
