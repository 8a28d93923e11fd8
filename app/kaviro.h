#pragma once

class QApplication;

// Runs the whole program on an existing application object: reads the options from
// app.arguments(), opens the database, shows the windows and runs the event loop.
// Returns the exit code.
int runKaviro(QApplication& app);
