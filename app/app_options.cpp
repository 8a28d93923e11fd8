#include "app_options.h"

#include "build_config.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

const QLatin1String DataDirOption("--data-dir");
const QLatin1String DatabaseOption("--database");
const QLatin1String CopyOption("--copy-register");

QString helpText()
{
    return QStringLiteral("Usage: KAVIRO [--data-dir DIR] [--database URI]\n"
                          "       KAVIRO --copy-register FROM TO\n"
                          "KAVIRO keeps received and paid cheques, bank accounts and yearly expenses,\n"
                          "with a Persian, right-to-left interface.\n"
                          "\n"
                          "Options:\n"
                          "  --data-dir DIR  keep the register (dbase.mdb) in DIR, creating it when missing;\n"
                          "                  without it an installed copy keeps it in $XDG_DATA_HOME/KAVIRO\n"
                          "                  (~/.local/share/KAVIRO), and a copy with the file\n"
                          "                  " KAVIRO_LOCAL_DATA_MARKER
                          " beside it (a build folder) in its own folder\n"
                          "  --database URI  keep the register on a PostgreSQL server that several PCs\n"
                          "                  share: postgresql://user@host:port/dbname, with libpq's\n"
                          "                  options after '?' (sslmode=require...); the password comes\n"
                          "                  from ~/.pgpass or is asked; \"local\" for this PC's file\n"
                          "  --copy-register FROM TO\n"
                          "                  copy a register into an empty one and check the copy;\n"
                          "                  each is a server URI or the folder of a dbase.mdb\n"
                          "  --version       print the version and end\n"
                          "  -h, --help      print these options and end\n");
}

} // namespace

QString AppOptions::localDataMarker()
{
    return QStringLiteral(KAVIRO_LOCAL_DATA_MARKER);
}

QString AppOptions::userDataDir(const QString& dataHome)
{
    return QDir(dataHome).filePath(QStringLiteral("KAVIRO"));
}

AppOptions AppOptions::parse(const QStringList& arguments, const QString& programDir, const QString& dataHome)
{
    AppOptions options;
    if (QFileInfo::exists(QDir(programDir).filePath(localDataMarker())))
        options.dataDir = programDir;
    else
        options.dataDir = userDataDir(dataHome);
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == DataDirOption && i + 1 < arguments.size())
            options.dataDir = arguments.at(++i);
        else if (argument.startsWith(DataDirOption + QLatin1Char('=')))
            options.dataDir = argument.mid(DataDirOption.size() + 1);
        else if (argument == DatabaseOption && i + 1 < arguments.size())
            options.database = arguments.at(++i);
        else if (argument.startsWith(DatabaseOption + QLatin1Char('=')))
            options.database = argument.mid(DatabaseOption.size() + 1);
        else if (argument == CopyOption && i + 2 < arguments.size()) {
            options.copyFrom = arguments.at(++i);
            options.copyTo = arguments.at(++i);
        }
    }
    options.dataDir = QDir(options.dataDir).absolutePath();
    return options;
}

std::optional<QString> AppOptions::terminalText(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        // The folder after --data-dir is a value, even when it is named like an option.
        if (argument == DataDirOption || argument == DatabaseOption) {
            ++i;
            continue;
        }
        if (argument == CopyOption) {
            i += 2;
            continue;
        }
        if (argument == QLatin1String("--version"))
            return QStringLiteral("KAVIRO " KAVIRO_VERSION "\n");
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return helpText();
    }
    return std::nullopt;
}

bool AppOptions::answerOnTerminal(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<QString> text = terminalText(arguments);
    if (!text)
        return false;
    std::fputs(text->toLocal8Bit().constData(), stdout);
    return true;
}
