// Fills a fresh database with sample cheques and grabs the windows a newcomer sees.
//   kaviro_screenshots DATA_DIR OUT_DIR
#include "cheques/cheque_entry_dialog.h"
#include "cheques/main_window.h"
#include "data/clock.h"
#include "data/database.h"
#include "samples.h"
#include "settings/settings_store.h"
#include "shots.h"
#include "startup/login_window.h"
#include "ui/fonts.h"
#include "ui/record_mode.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>

#include <map>

namespace {

std::map<QString, Shot>& registry()
{
    static std::map<QString, Shot> shots;
    return shots;
}

} // namespace

ShotRegistrar::ShotRegistrar(const char* name, Shot shot)
{
    registry()[QString::fromLatin1(name)] = std::move(shot);
}

void grabInto(QWidget& window, const ShotContext& context, const QString& name)
{
    window.show();
    QApplication::processEvents();
    // A list widens a column for an amount after the painting that found it too narrow: paint
    // once, let it widen, and keep the second picture.
    window.grab();
    QApplication::processEvents();
    window.grab().save(context.out.filePath(name + QStringLiteral(".png")));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setLayoutDirection(Qt::RightToLeft);
    Fonts::install(app);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    QDir(args.at(1)).removeRecursively();
    Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 24)));
    SettingsStore::write(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("فروشگاه لوازم خانگي نمونه"));

    Database db(args.at(1));
    if (db.open() != Database::OpenResult::Created)
        return 1;
    Samples::addCheques(db);
    Samples::addArchived(db);
    Samples::addExpenses(db);

    MainWindow window(db);
    ShotContext context{db, window, QDir(args.at(2))};
    {
        LoginWindow login;
        grabInto(login, context, QStringLiteral("login"));
    }
    window.show();
    window.activate();
    grabInto(window, context, QStringLiteral("main"));
    {
        window.cheques().setCurrentRow(0);
        ChequeEntryDialog dialog(db, window.cheques(), &window);
        NewRecordMode = false;
        dialog.fillFromCurrent();
        dialog.setWindowTitle(QStringLiteral("ويرايش چک ..."));
        grabInto(dialog, context, QStringLiteral("entry"));
    }
    for (auto& [name, shot] : registry())
        shot(context);
    return 0;
}
