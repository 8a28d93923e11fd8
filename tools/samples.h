#pragma once

class Database;

namespace Samples {

// Three banks and a dozen cheques of both types, dated around the screenshots' today.
void addCheques(Database& db);
// A dozen archived cheques of both types, passed and voided.
void addArchived(Database& db);
// Seven expense kinds and a dozen entries of the year's first months.
void addExpenses(Database& db);

} // namespace Samples
