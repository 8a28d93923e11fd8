#include "kaviro.h"

#include "app_options.h"
#include "cheques/main_window.h"
#include "data/database.h"
#include "data/register_copy.h"
#include "startup/damage_warning.h"
#include "startup/leave_when_shown.h"
#include "startup/login_window.h"
#include "startup/register_choice.h"
#include "startup/reminder_window.h"
#include "startup/single_instance.h"
#include "startup/start_cleanup.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/persian_keyboard.h"
#include "ui/program_identity.h"
#include "ui/translations.h"

#include <QApplication>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <memory>

int runKaviro(QApplication& app)
{
    // A file that may not grow further (a limit on file sizes) fails its write, which the
    // program reports, instead of ending the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    app.setApplicationName(QStringLiteral("KAVIRO"));
    app.setLayoutDirection(Qt::RightToLeft);
    Translations::installQtPersian(app);
    Fonts::install(app);
    ProgramIdentity::apply(app);

    const AppOptions options = AppOptions::parse(app.arguments(), QCoreApplication::applicationDirPath(),
                                                 QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));

    SingleInstance instance;
    if (!ensureSingleCopy(instance))
        return 1;

    LoginWindow login;
    leaveWhenShownIfAsked(login);
    if (login.exec() != QDialog::Accepted)
        return 0;

    // The database is opened only after the login, so that leaving the login touches no data.
    removeLeftoversOfEarlierRuns(options.dataDir);
    RegisterLocation location;
    QString error;
    if (!RegisterChoice::chosen(options.database, &location, &error)) {
        Messages::show(nullptr, error, Messages::Icon::Critical);
        return 1;
    }
    Database database(options.dataDir, location);
    if (RegisterChoice::open(database, nullptr) == Database::OpenResult::Failed) {
        Messages::show(nullptr, database.errorText(), Messages::Icon::Critical);
        return 1;
    }

    PersianKeyboard::instance().install(app);
    MainWindow window(database);
    // A server that went away is reported once; the lists follow again when it is back.
    QObject::connect(&database.changes(), &ChangeWatcher::lost, &window,
                     [&window](const QString& text) { Messages::show(&window, text, Messages::Icon::Warning); });
    DamageWarning::watch(database, &window);
    PersianKeyboard::applyStartPreference();
    // The reminder comes before the main window, when the preferences ask for it at start.
    ReminderWindow::showAtStartIfWanted(database, &window);
    window.show();
    window.activate();
    return app.exec();
}

int runCopyRegister(QCoreApplication& app)
{
    const AppOptions options = AppOptions::parse(app.arguments(), QCoreApplication::applicationDirPath(),
                                                 QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    auto say = [](FILE* stream, const QString& text) {
        std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
    };
    Database* opened = nullptr;
    QString error;
    if (!RegisterCopy::openNamed(options.copyFrom, &opened, &error)) {
        say(stderr, error);
        return 1;
    }
    std::unique_ptr<Database> from(opened);
    if (!RegisterCopy::openNamed(options.copyTo, &opened, &error)) {
        say(stderr, error);
        return 1;
    }
    std::unique_ptr<Database> to(opened);
    QStringList report;
    if (!RegisterCopy::copy(*from, *to, RegisterCopy::Target::MustBeEmpty, &report, &error)) {
        say(stderr, error);
        return 1;
    }
    say(stdout, QStringLiteral("%1 -> %2").arg(from->filePath(), to->filePath()));
    for (const QString& line : report)
        say(stdout, line);
    return 0;
}
