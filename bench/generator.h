#pragma once

#include <QString>

class Database;

namespace Generator {

// Fills T1 of an open database with count cheques that look like a real register:
// Persian descriptions and bank names, dates over ten years, both types, a few
// statuses, and the banks themselves in T3. The same seed gives the same rows.
bool fillCheques(Database& db, int count, unsigned seed = 1);

} // namespace Generator
