#pragma once

class QApplication;
class QCoreApplication;

// Runs the whole program on an existing application object: reads the options from
// app.arguments(), opens the database, shows the windows and runs the event loop.
// Returns the exit code.
int runKaviro(QApplication& app);

// KAVIRO --copy-register FROM TO: copies a register into an empty one without a window, and
// prints the checked figures of each table. Returns the exit code.
int runCopyRegister(QCoreApplication& app);
