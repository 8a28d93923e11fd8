#include "kaviro.h"

#include "app_options.h"
#include "cheques/main_window.h"
#include "data/database.h"
#include "startup/damage_warning.h"
#include "startup/leave_when_shown.h"
#include "startup/login_window.h"
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
    Database database(options.dataDir);
    if (database.open() == Database::OpenResult::Failed) {
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
