#pragma once

class Database;

namespace Samples {

// Three banks and a dozen cheques of both types, dated around the screenshots' today.
void addCheques(Database& db);

} // namespace Samples
