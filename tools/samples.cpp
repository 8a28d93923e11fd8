#include "samples.h"

#include "data/data_control.h"
#include "data/database.h"

void Samples::addCheques(Database& db)
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

void Samples::addArchived(Database& db)
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

void Samples::addExpenses(Database& db)
{
    DataControl kinds(db);
    kinds.setRecordSource(QStringLiteral("SELECT * FROM T5"));
    for (const char* name : {"اجاره", "برق", "آب", "گاز", "تلفن و اینترنت", "تعمیرات", "حقوق"})
        kinds.addRow({{QStringLiteral("Name"), QString::fromUtf8(name)}});

    struct Sample
    {
        const char* date;
        const char* kind;
        const char* description;
        const char* amount;
    };
    const Sample samples[] = {
        {"1405/01/05", "اجاره", "اجاره فروردین مغازه", "45,000,000"},
        {"1405/01/18", "برق", "قبض برق اسفند و فروردین", "1,240,000"},
        {"1405/01/25", "حقوق", "حقوق فروردین فروشنده", "18,500,000"},
        {"1405/02/03", "آب", "قبض آب دوره اول", "380,000"},
        {"1405/02/05", "اجاره", "اجاره اردیبهشت مغازه", "45,000,000"},
        {"1405/02/12", "تلفن و اینترنت", "اینترنت سه ماهه", "1,650,000"},
        {"1405/02/20", "تعمیرات", "تعمیر کولر آبی", "2,300,000"},
        {"1405/02/28", "گاز", "قبض گاز زمستان", "970,000"},
        {"1405/03/05", "اجاره", "اجاره خرداد مغازه", "45,000,000"},
        {"1405/03/09", "برق", "قبض برق اردیبهشت", "1,085,000"},
        {"1405/03/14", "تعمیرات", "رنگ آمیزی ویترین", "6,800,000"},
        {"1405/03/25", "حقوق", "حقوق خرداد فروشنده", "18,500,000"},
    };
    DataControl entries(db);
    entries.setRecordSource(QStringLiteral("SELECT * FROM T6"));
    int id = 0;
    for (const Sample& s : samples)
        entries.addRow({{QStringLiteral("ID"), ++id},
                        {QStringLiteral("Date"), QString::fromUtf8(s.date)},
                        {QStringLiteral("Noh"), QString::fromUtf8(s.kind)},
                        {QStringLiteral("SH"), QString::fromUtf8(s.description)},
                        {QStringLiteral("MB"), QString::fromUtf8(s.amount)}});
}
