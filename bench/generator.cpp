#include "generator.h"

#include "data/cheque_status.h"
#include "data/database.h"
#include "data/sql_engine.h"
#include "data/tables.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <random>

namespace Generator {

namespace {

const QStringList Banks = {QStringLiteral("ملت"),     QStringLiteral("ملي"),  QStringLiteral("صادرات"),
                           QStringLiteral("تجارت"),   QStringLiteral("سپه"),  QStringLiteral("پاسارگاد"),
                           QStringLiteral("کشاورزي"), QStringLiteral("مسکن"), QStringLiteral("رفاه کارگران")};
const QStringList FirstNames = {QStringLiteral("علي"),   QStringLiteral("رضا"),  QStringLiteral("مريم"),
                                QStringLiteral("زهرا"),  QStringLiteral("حسين"), QStringLiteral("محمد"),
                                QStringLiteral("فاطمه"), QStringLiteral("سارا"), QStringLiteral("مهدي"),
                                QStringLiteral("نرگس"),  QStringLiteral("امير"), QStringLiteral("ليلا")};
const QStringList LastNames = {QStringLiteral("احمدي"), QStringLiteral("رضايي"), QStringLiteral("محمدي"),
                               QStringLiteral("حسيني"), QStringLiteral("کريمي"), QStringLiteral("موسوي"),
                               QStringLiteral("جعفري"), QStringLiteral("صادقي"), QStringLiteral("نوري"),
                               QStringLiteral("طاهري")};
const QStringList Purposes = {QStringLiteral("بابت خريد کالا"), QStringLiteral("اجاره مغازه"),
                              QStringLiteral("قسط وام"),        QStringLiteral("فروش اجناس"),
                              QStringLiteral("تسويه حساب"),     QStringLiteral("پيش پرداخت")};
const QStringList Statuses = {ChequeStatus::Initial, ChequeStatus::Initial, ChequeStatus::Initial,
                              ChequeStatus::Passed,  ChequeStatus::Voided,  QStringLiteral("برگشتي")};

QString date(int year, int month, int day)
{
    return QStringLiteral("%1/%2/%3").arg(year).arg(month, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0'));
}

} // namespace

bool fillCheques(Database& db, int count, unsigned seed)
{
    std::mt19937 random(seed);
    auto pick = [&](const QStringList& list) { return list.at(int(random() % unsigned(list.size()))); };
    return db.inTransaction([&] {
        // One prepared statement per table, bound again for every row: a table writer per row
        // would prepare a million statements.
        const SqlEngine& engine = db.engine();
        QSqlQuery bank(db.connection());
        bank.prepare(
            engine.insertStatement(BankTable::Name, {BankTable::BankName, BankTable::Account, BankTable::Branch}));
        for (int i = 0; i < Banks.size(); ++i) {
            bank.addBindValue(Banks.at(i));
            bank.addBindValue(QString::number(1000000 + i * 7919));
            bank.addBindValue(QStringLiteral("شعبه مرکزي ") + QString::number(100 + i));
            if (!bank.exec())
                return false;
        }
        QSqlQuery insert(db.connection());
        insert.prepare(engine.insertStatement(ChequeTable::Name, ChequeTable::columns()));
        for (int i = 0; i < count; ++i) {
            const int bankIndex = int(random() % unsigned(Banks.size()));
            const int year = 1395 + int(random() % 10);
            const int month = 1 + int(random() % 12);
            const int day = 1 + int(random() % (month <= 6 ? 31 : 29));
            const double amount = double(1 + random() % 5000) * 10000.0;
            insert.addBindValue(bankIndex + 1);
            insert.addBindValue(date(year, month, std::max(1, day - 3)));
            insert.addBindValue(date(year, month, day));
            insert.addBindValue(QString::number(100000 + random() % 900000));
            insert.addBindValue(Banks.at(bankIndex));
            insert.addBindValue(amount);
            insert.addBindValue(pick(FirstNames) + QLatin1Char(' ') + pick(LastNames) + QLatin1Char(' ') +
                                pick(Purposes));
            insert.addBindValue(random() % 2 ? ChequeStatus::Received : ChequeStatus::Paid);
            insert.addBindValue(pick(Statuses));
            insert.addBindValue(random() % 4 == 0 ? QStringLiteral("تحويل به حسابداري") : QString());
            if (!insert.exec()) {
                qWarning("%s", qPrintable(insert.lastError().text()));
                return false;
            }
        }
        return true;
    });
}

} // namespace Generator
