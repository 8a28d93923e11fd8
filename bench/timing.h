#pragma once

#include <QString>

class QTextStream;

namespace Timing {

// The most memory the process has held so far (the kernel's high-water mark), in MB.
double peakMemoryMb();

// Opens the database in dir as the main list does and types searches into it,
// printing the figures. Returns the process exit code.
int listBenchmark(const QString& dir, QTextStream& out);

} // namespace Timing
