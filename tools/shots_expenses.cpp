// The expense register with a few kinds and a year's first entries, the entry group open
// on one of them.
#include "cheques/main_window.h"
#include "expenses/expense_register.h"
#include "shots.h"
#include "ui/record_mode.h"

#include <QPushButton>
#include <QTableView>

namespace {

const ShotRegistrar expenses("expenses", [](ShotContext& context) {
    ExpenseRegister window(context.db, &context.main);
    window.show();
    auto* grid = window.findChild<QTableView*>(QStringLiteral("DataGrid1"));
    grid->setCurrentIndex(grid->model()->index(6, 0));
    window.findChild<QPushButton*>(QStringLiteral("AeroButton15"))->click();
    grabInto(window, context, QStringLiteral("expenses"));
});

} // namespace
