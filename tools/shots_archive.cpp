// The archive list with a dozen archived cheques of both types, passed and voided.
#include "cheques/archive_window.h"
#include "cheques/main_window.h"
#include "data/data_control.h"
#include "shots.h"

namespace {

void addArchived(Database& db)
{
    struct Sample
    {
        const char* date;
        const char* name;
        double amount;
        const char* bank;
        const char* number;
        const char* type;
        const char* status;
    };
    const Sample samples[] = {
        {"1405/08/28", "رضا محمدي بابت فروش اقساطي", 7200000, "ملت", "482290", "دريافت", "پاس شد"},
        {"1405/09/01", "اجاره مغازه آبان ماه", 4750000, "ملت", "482291", "پرداخت", "پاس شد"},
        {"1405/09/02", "شرکت پخش البرز", 18500000, "صادرات", "771030", "دريافت", "پاس شد"},
        {"1405/09/03", "قبض برق فروشگاه", 1350000, "تجارت", "120970", "پرداخت", "پاس شد"},
        {"1405/09/05", "سارا نوري تسويه حساب", 5600000, "صادرات", "771031", "دريافت", "باطل شد"},
        {"1405/09/06", "خريد قفسه و ويترين", 23000000, "ملت", "482292", "پرداخت", "پاس شد"},
        {"1405/09/08", "فروشگاه نور بابت کالا", 9800000, "تجارت", "120971", "دريافت", "پاس شد"},
        {"1405/09/09", "بيمه کارکنان", 3250000, "ملت", "482293", "پرداخت", "باطل شد"},
        {"1405/09/10", "محمد حسيني", 2100000, "صادرات", "771032", "دريافت", "پاس شد"},
        {"1405/09/12", "پيش پرداخت سفارش زمستان", 36000000, "تجارت", "120972", "پرداخت", "پاس شد"},
        {"1405/09/14", "شرکت نقش جهان", 12400000, "ملت", "482294", "دريافت", "باطل شد"},
        {"1405/09/15", "قسط وام مسکن", 2200000, "تجارت", "120973", "پرداخت", "پاس شد"},
    };
    DataControl archive(db);
    archive.setRecordSource(QStringLiteral("SELECT * FROM T2"));
    for (const Sample& s : samples) {
        archive.addRow({{QStringLiteral("Date"), QString::fromUtf8(s.date)},
                        {QStringLiteral("Name"), QString::fromUtf8(s.name)},
                        {QStringLiteral("MB"), s.amount},
                        {QStringLiteral("NB"), QString::fromUtf8(s.bank)},
                        {QStringLiteral("SHCH"), QString::fromUtf8(s.number)},
                        {QStringLiteral("V"), QString::fromUtf8(s.status)},
                        {QStringLiteral("prd"), QString::fromUtf8(s.type)}});
    }
}

const ShotRegistrar archiveShot("archive", [](ShotContext& context) {
    addArchived(context.db);
    ArchiveWindow window(context.db, &context.main);
    grabInto(window, context, QStringLiteral("archive"));
});

} // namespace
