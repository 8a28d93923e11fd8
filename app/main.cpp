#include "app_options.h"
#include "kaviro.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // --version and --help answer on the terminal, with no display to connect to.
    if (AppOptions::answerOnTerminal(argc, argv))
        return 0;
    QApplication app(argc, argv);
    return runKaviro(app);
}
