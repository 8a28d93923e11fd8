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

