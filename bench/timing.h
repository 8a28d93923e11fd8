#pragma once

#include "data/register_location.h"

#include <QString>

class QTextStream;

namespace Timing {

// The most memory the process has held so far (the kernel's high-water mark), in MB.
double peakMemoryMb();

// The register a benchmark runs on: a folder holding dbase.mdb, or a postgresql:// URI.
RegisterLocation locationOf(const QString& target, QString* dir);

// Opens the register as the main list does and types searches into it, printing the
// figures. Returns the process exit code.
int listBenchmark(const QString& target, QTextStream& out);

// Passes cheques from the top of the list one after another, each with its ledger line and
// its move to the archive, and the list read again after it, as the main window does.
int passBenchmark(const QString& target, int count, QTextStream& out);

} // namespace Timing
