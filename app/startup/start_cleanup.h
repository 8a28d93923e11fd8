#pragma once

#include <QString>

// What writes of an earlier run that was killed or lost its power left behind: the program's
// own hidden working files, beside the database, the settings, and in the folder of the last
// backup. Removed at start, once this copy holds the single-instance lock, before the database
// is opened. Returns how many files were removed.
int removeLeftoversOfEarlierRuns(const QString& dataDir);
