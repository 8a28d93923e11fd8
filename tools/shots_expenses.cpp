// The expense register with a few kinds and a year's first entries, the entry group open
// on one of them.
#include "cheques/main_window.h"
#include "data/data_control.h"
#include "data/database.h"
#include "expenses/expense_register.h"
#include "shots.h"
#include "ui/record_mode.h"

#include <QPushButton>
#include <QTableView>

namespace {

void addExpenses(Database& db)
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

const ShotRegistrar expenses("expenses", [](ShotContext& context) {
    addExpenses(context.db);
    ExpenseRegister window(context.db, &context.main);
    window.show();
    auto* grid = window.findChild<QTableView*>(QStringLiteral("DataGrid1"));
    grid->setCurrentIndex(grid->model()->index(6, 0));
    window.findChild<QPushButton*>(QStringLiteral("AeroButton15"))->click();
    grabInto(window, context, QStringLiteral("expenses"));
});

} // namespace
