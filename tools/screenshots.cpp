// Fills a fresh database with a dozen sample cheques and grabs the windows a newcomer sees.
//   kaviro_screenshots DATA_DIR OUT_DIR
#include "cheques/cheque_entry_dialog.h"
#include "cheques/main_window.h"
#include "data/clock.h"
#include "data/data_control.h"
#include "data/database.h"
#include "settings/settings_store.h"
#include "startup/login_window.h"
#include "ui/fonts.h"
#include "ui/record_mode.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace {

void grabInto(QWidget& window, const QString& path)
{
    window.show();
    QApplication::processEvents();
    window.grab().save(path);
}

void addSamples(Database& db)
{
    DataControl banks(db);
    banks.setRecordSource(QStringLiteral("SELECT * FROM T3"));
    for (const char* name : {"ملت", "صادرات", "تجارت"})
        banks.addRow({{QStringLiteral("Name"), QString::fromUtf8(name)}});

    struct Sample
    {
        const char* date;
        const char* number;
        const char* bank;
        double amount;
        const char* description;
        const char* type;
        const char* status;
    };
    const Sample samples[] = {
        {"1405/09/18", "482311", "ملت", 12500000, "علي رضايي بابت خريد کالا", "دريافت", "----"},
        {"1405/09/20", "482312", "ملت", 4750000, "اجاره مغازه آذر ماه", "پرداخت", "----"},
        {"1405/09/25", "771045", "صادرات", 30000000, "شرکت پخش البرز", "دريافت", "----"},
        {"1405/10/01", "120988", "تجارت", 2200000, "قسط وام مسکن", "پرداخت", "----"},
        {"1405/10/05", "482313", "ملت", 8600000, "مريم احمدي تسويه حساب", "دريافت", "پاس شد"},
        {"1405/10/12", "771046", "صادرات", 15000000, "فروش اجناس به فروشگاه نور", "دريافت", "----"},
        {"1405/10/15", "120989", "تجارت", 950000, "قبض تلفن و اينترنت", "پرداخت", "----"},
        {"1405/10/28", "482314", "ملت", 41000000, "پيش پرداخت سفارش بهار", "پرداخت", "----"},
        {"1405/11/03", "771047", "صادرات", 6300000, "حسين کريمي", "دريافت", "برگشتي"},
        {"1405/11/10", "120990", "تجارت", 18750000, "شرکت نقش جهان", "دريافت", "----"},
        {"1405/11/21", "482315", "ملت", 3100000, "تعمير يخچال فروشگاه", "پرداخت", "----"},
        {"1405/12/01", "771048", "صادرات", 27400000, "زهرا موسوي بابت چک برگشتي", "دريافت", "----"},
    };
    DataControl cheques(db);
    cheques.setRecordSource(QStringLiteral("SELECT * FROM T1"));
    const QStringList bankNames = {QStringLiteral("ملت"), QStringLiteral("صادرات"), QStringLiteral("تجارت")};
    for (const Sample& s : samples) {
        const QString bank = QString::fromUtf8(s.bank);
        cheques.addRow({{QStringLiteral("PD"), bankNames.indexOf(bank) + 1},
                        {QStringLiteral("TV"), QStringLiteral("1405/09/16")},
                        {QStringLiteral("TCH"), QString::fromUtf8(s.date)},
                        {QStringLiteral("Num"), QString::fromUtf8(s.number)},
                        {QStringLiteral("NBank"), bank},
                        {QStringLiteral("Mab"), s.amount},
                        {QStringLiteral("SH"), QString::fromUtf8(s.description)},
                        {QStringLiteral("Prd"), QString::fromUtf8(s.type)},
                        {QStringLiteral("V"), QString::fromUtf8(s.status)},
                        {QStringLiteral("Shh"), QString()}});
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setLayoutDirection(Qt::RightToLeft);
    Fonts::install(app);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QDir out(args.at(2));
    QDir(args.at(1)).removeRecursively();
    Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 24)));
    SettingsStore::write(QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("فروشگاه لوازم خانگي نمونه"));

    Database db(args.at(1));
    if (db.open() != Database::OpenResult::Created)
        return 1;
    addSamples(db);

    {
        LoginWindow login;
        grabInto(login, out.filePath(QStringLiteral("login.png")));
    }
    MainWindow window(db);
    window.show();
    window.activate();
    grabInto(window, out.filePath(QStringLiteral("main.png")));
    {
        window.cheques().setCurrentRow(0);
        ChequeEntryDialog dialog(db, window.cheques(), &window);
        NewRecordMode = false;
        dialog.fillFromCurrent();
        dialog.setWindowTitle(QStringLiteral("ويرايش چک ..."));
        grabInto(dialog, out.filePath(QStringLiteral("entry.png")));
    }
    return 0;
}
