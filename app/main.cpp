#include "app_options.h"
#include "kaviro.h"

#include <QApplication>
#include <QByteArray>

int main(int argc, char* argv[])
{
    // --version and --help answer on the terminal, with no display to connect to.
    if (AppOptions::answerOnTerminal(argc, argv))
        return 0;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--copy-register") {
            QCoreApplication app(argc, argv);
            return runCopyRegister(app);
        }
    }
    QApplication app(argc, argv);
    return runKaviro(app);
}
