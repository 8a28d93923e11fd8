#pragma once

#include "data/complete_file.h"

#include <QString>

class Database;

// Copies of the database file: a backup taken from the running program, the test that a
// file is a database of this program, and a restore that puts a backup in its place.
// Each one either completes or leaves the file it would have replaced as it was; on
// failure the error names the cause in words for the user.
namespace DatabaseCopy {

// A copy reads and writes this much at a time.
constexpr qint64 ChunkSize = 4 * 1024 * 1024;

// Copies source to target byte for byte through a working file beside target, renamed over
// it only once every byte is written and on disk and check (when given) has accepted it: a
// failed copy leaves no half file under target and leaves a file already there untouched.
bool copyFile(const QString& source, const QString& target, QString* error,
              const CompleteFile::Check& check = CompleteFile::Check());

// Copies the database file to target, readable by the owner only. The file is held under a
// read lock meanwhile, so no write can land in the middle of the copy; while a transaction of
// the program is open the backup is refused, since the file would not hold that transaction
// yet. The finished copy is opened and checked page by page before it takes target's name.
bool backup(Database& database, const QString& target, QString* error);

// True when path is a database file of this program: readable, sound, with the six tables and
// the columns the program uses in each.
bool isDatabaseFile(const QString& path, QString* error);

// Replaces the database file by a copy of backupPath and opens it again. The backup is checked
// first; whatever fails after that leaves the old file in place and open.
bool restore(Database& database, const QString& backupPath, QString* error);

} // namespace DatabaseCopy
