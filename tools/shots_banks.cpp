// The banks window with its entry group filled in, and a bank's statement with manual lines
// and the lines of passed cheques.
#include "banks/banks_window.h"
#include "banks/statement_window.h"
#include "cheques/main_window.h"
#include "data/bank_ledger.h"
#include "data/data_control.h"
#include "data/table_writer.h"
#include "data/tables.h"
#include "numtype.h"
#include "shots.h"
#include "testing.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString ChequeCredit = QStringLiteral("بابت چک ، اضافه     :");
const QString ChequeDebit = QStringLiteral("بابت چک ،کسر     :");

// The three sample banks (Ids 1 to 3) get their account numbers and branches, and the first
// one a season of lines.
void addSampleLedger(Database& db)
{
    static bool added = false;
    if (added)
        return;
    added = true;
    TableWriter banks(db, BankTable::Name);
    const QPair<QString, QString> details[] = {
        {QStringLiteral("4520118736"), QStringLiteral("1042 شعبه ميدان انقلاب")},
        {QStringLiteral("0213657409"), QStringLiteral("3310 شعبه بازار")},
        {QStringLiteral("7788120034"), QStringLiteral("0871 شعبه ونک")},
    };
    for (int id = 1; id <= 3; ++id)
        banks.update(id, {{BankTable::Account, details[id - 1].first}, {BankTable::Branch, details[id - 1].second}});

    struct Sample
    {
        const char* date;
        QString description;
        double amount;
        BankLedger::Side side;
        bool fromCheque;
    };
    using BankLedger::Side;
    const Sample samples[] = {
        {"1405/09/01", QStringLiteral("موجودي ابتداي دوره"), 52000000, Side::Credit, false},
        {"1405/09/04", QStringLiteral("کارمزد خدمات بانکي"), 185000, Side::Debit, false},
        {"1405/09/10", QStringLiteral("واريز فروش نقدي هفته"), 17350000, Side::Credit, false},
        {"1405/09/12", QStringLiteral("برداشت نقدي"), 5000000, Side::Debit, false},
        {"1405/09/20", ChequeDebit + QStringLiteral("اجاره مغازه آذر ماه"), 4750000, Side::Debit, true},
        {"1405/10/05", ChequeCredit + QStringLiteral("مريم احمدي تسويه حساب"), 8600000, Side::Credit, true},
        {"1405/10/28", ChequeDebit + QStringLiteral("پيش پرداخت سفارش بهار"), 41000000, Side::Debit, true},
        {"1405/11/02", QStringLiteral("انتقال از حساب صادرات"), 12000000, Side::Credit, false},
    };
    for (const Sample& s : samples) {
        BankLedger::Line line;
        line.bankId = 1;
        line.date = QString::fromLatin1(s.date);
        line.description = s.description;
        line.amount = s.amount;
        line.side = s.side;
        line.repeatCreditInSum = !s.fromCheque;
        BankLedger::postLine(db, line);
    }
}

void shootBanks(ShotContext& context)
{
    addSampleLedger(context.db);
    BanksWindow window(context.db, &context.main);
    window.banks().setCurrentRow(0);
    control<QPushButton>(window, "AeroButton6")->click();
    control<QLineEdit>(window, "Text3")->setText(QStringLiteral("واريز فروش نقدي"));
    control<QPushButton>(window, "AeroButton11")->click();
    control<NumType>(window, "NumType1")->setValue(15000000);
    control<QComboBox>(window, "Combo1")->setCurrentIndex(1);
    // The description keeps the focus, with the caret after what was typed.
    window.show();
    QApplication::processEvents();
    control<QLineEdit>(window, "Text3")->deselect();
    grabInto(window, context, QStringLiteral("banks"));
}

void shootStatement(ShotContext& context)
{
    addSampleLedger(context.db);
    StatementWindow window(context.db, 1, QStringLiteral("ملت"), &context.main);
    grabInto(window, context, QStringLiteral("statement"));
}

const ShotRegistrar banksShot("banks", shootBanks);
const ShotRegistrar statementShot("statement", shootStatement);

} // namespace
