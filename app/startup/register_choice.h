#pragma once

#include "data/database.h"
#include "data/register_location.h"

#include <QString>

class QWidget;

// Which register the program opens at start, and its opening with the server's password.
namespace RegisterChoice {

// The register --database names ("local" for this PC's file), else the one stored in the
// settings, else this PC's file. False with a Persian reason when the name is no register.
bool chosen(const QString& option, RegisterLocation* location, QString* error);

// Opens database. A server that wants a password which ~/.pgpass does not give is asked for it
// (up to three times); the password is kept only in memory.
Database::OpenResult open(Database& database, QWidget* parent);

} // namespace RegisterChoice
