#include "samples.h"

#include "data/cheque_status.h"
#include "data/database.h"
#include "data/table_writer.h"
#include "data/tables.h"

void Samples::addCheques(Database& db)
{
    TableWriter banks(db, BankTable::Name);
    for (const char* name : {"ملت", "صادرات", "تجارت"})
        banks.insert({{BankTable::BankName, QString::fromUtf8(name)}});

    struct Sample
    {
        const char* date;
        const char* number;
        const char* bank;
        double amount;
        const char* description;
        QString type;
        QString status;
    };
    const Sample samples[] = {
        {"1405/09/18", "482311", "ملت", 12500000, "علي رضايي بابت خريد کالا", ChequeStatus::Received,
         ChequeStatus::Initial},
        {"1405/09/20", "482312", "ملت", 4750000, "اجاره مغازه آذر ماه", ChequeStatus::Paid, ChequeStatus::Initial},
        {"1405/09/25", "771045", "صادرات", 30000000, "شرکت پخش البرز", ChequeStatus::Received, ChequeStatus::Initial},
        {"1405/10/01", "120988", "تجارت", 2200000, "قسط وام مسکن", ChequeStatus::Paid, ChequeStatus::Initial},
        {"1405/10/05", "482313", "ملت", 8600000, "مريم احمدي تسويه حساب", ChequeStatus::Received, ChequeStatus::Passed},
        {"1405/10/12", "771046", "صادرات", 15000000, "فروش اجناس به فروشگاه نور", ChequeStatus::Received,
         ChequeStatus::Initial},
        {"1405/10/15", "120989", "تجارت", 950000, "قبض تلفن و اينترنت", ChequeStatus::Paid, ChequeStatus::Initial},
        {"1405/10/28", "482314", "ملت", 41000000, "پيش پرداخت سفارش بهار", ChequeStatus::Paid, ChequeStatus::Initial},
        {"1405/11/03", "771047", "صادرات", 6300000, "حسين کريمي", ChequeStatus::Received, QStringLiteral("برگشتي")},
        {"1405/11/10", "120990", "تجارت", 18750000, "شرکت نقش جهان", ChequeStatus::Received, ChequeStatus::Initial},
        {"1405/11/21", "482315", "ملت", 3100000, "تعمير يخچال فروشگاه", ChequeStatus::Paid, ChequeStatus::Initial},
        {"1405/12/01", "771048", "صادرات", 27400000, "زهرا موسوي بابت چک برگشتي", ChequeStatus::Received,
         ChequeStatus::Initial},
    };
    TableWriter cheques(db, ChequeTable::Name);
    const QStringList bankNames = {QStringLiteral("ملت"), QStringLiteral("صادرات"), QStringLiteral("تجارت")};
    using namespace ChequeTable;
    for (const Sample& s : samples) {
        const QString bank = QString::fromUtf8(s.bank);
        cheques.insert({{BankKey, bankNames.indexOf(bank) + 1},
                        {EntryDate, QStringLiteral("1405/09/16")},
                        {Date, QString::fromUtf8(s.date)},
                        {Number, QString::fromUtf8(s.number)},
                        {Bank, bank},
                        {Amount, s.amount},
                        {Description, QString::fromUtf8(s.description)},
                        {Type, s.type},
                        {Status, s.status},
                        {Remarks, QString()}});
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
        QString type;
        QString status;
    };
    const Sample samples[] = {
        {"1405/08/28", "رضا محمدي بابت فروش اقساطي", 7200000, "ملت", "482290", ChequeStatus::Received,
         ChequeStatus::Passed},
        {"1405/09/01", "اجاره مغازه آبان ماه", 4750000, "ملت", "482291", ChequeStatus::Paid, ChequeStatus::Passed},
        {"1405/09/02", "شرکت پخش البرز", 18500000, "صادرات", "771030", ChequeStatus::Received, ChequeStatus::Passed},
        {"1405/09/03", "قبض برق فروشگاه", 1350000, "تجارت", "120970", ChequeStatus::Paid, ChequeStatus::Passed},
        {"1405/09/05", "سارا نوري تسويه حساب", 5600000, "صادرات", "771031", ChequeStatus::Received,
         ChequeStatus::Voided},
        {"1405/09/06", "خريد قفسه و ويترين", 23000000, "ملت", "482292", ChequeStatus::Paid, ChequeStatus::Passed},
        {"1405/09/08", "فروشگاه نور بابت کالا", 9800000, "تجارت", "120971", ChequeStatus::Received,
         ChequeStatus::Passed},
        {"1405/09/09", "بيمه کارکنان", 3250000, "ملت", "482293", ChequeStatus::Paid, ChequeStatus::Voided},
        {"1405/09/10", "محمد حسيني", 2100000, "صادرات", "771032", ChequeStatus::Received, ChequeStatus::Passed},
        {"1405/09/12", "پيش پرداخت سفارش زمستان", 36000000, "تجارت", "120972", ChequeStatus::Paid,
         ChequeStatus::Passed},
        {"1405/09/14", "شرکت نقش جهان", 12400000, "ملت", "482294", ChequeStatus::Received, ChequeStatus::Voided},
        {"1405/09/15", "قسط وام مسکن", 2200000, "تجارت", "120973", ChequeStatus::Paid, ChequeStatus::Passed},
    };
    TableWriter archive(db, ArchiveTable::Name);
    using namespace ArchiveTable;
    for (const Sample& s : samples) {
        archive.insert({{Date, QString::fromUtf8(s.date)},
                        {Description, QString::fromUtf8(s.name)},
                        {Amount, s.amount},
                        {Bank, QString::fromUtf8(s.bank)},
                        {Number, QString::fromUtf8(s.number)},
                        {Status, s.status},
                        {Type, s.type}});
    }
}

void Samples::addExpenses(Database& db)
{
    TableWriter kinds(db, KindTable::Name);
    for (const char* name : {"اجاره", "برق", "آب", "گاز", "تلفن و اینترنت", "تعمیرات", "حقوق"})
        kinds.insert({{KindTable::KindName, QString::fromUtf8(name)}});

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
    TableWriter entries(db, ExpenseTable::Name);
    using namespace ExpenseTable;
    int id = 0;
    for (const Sample& s : samples)
        entries.insert({{Number, ++id},
                        {Date, QString::fromUtf8(s.date)},
                        {Kind, QString::fromUtf8(s.kind)},
                        {Description, QString::fromUtf8(s.description)},
                        {Amount, QString::fromUtf8(s.amount)}});
}
