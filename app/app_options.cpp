#include "app_options.h"

#include <QDir>

AppOptions AppOptions::parse(const QStringList& arguments, const QString& programDir)
{
    AppOptions options;
    options.dataDir = programDir;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--data-dir") && i + 1 < arguments.size())
            options.dataDir = arguments.at(++i);
        else if (argument.startsWith(QLatin1String("--data-dir=")))
            options.dataDir = argument.mid(int(sizeof("--data-dir=")) - 1);
    }
    options.dataDir = QDir(options.dataDir).absolutePath();
    return options;
}
