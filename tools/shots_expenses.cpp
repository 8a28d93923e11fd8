// The expense register with a few kinds and a year's first entries, the entry group open
// on one of them.
#include "cheques/main_window.h"
#include "expenses/expense_register.h"
#include "shots.h"
#include "testing.h"
#include "ui/record_mode.h"

#include <QPushButton>
#include <QTableView>

namespace {

const ShotRegistrar expenses("expenses", [](ShotContext& context) {
    ExpenseRegister window(context.db, &context.main);
    window.show();
    auto* grid = control<QTableView>(window, "DataGrid1");
    grid->setCurrentIndex(grid->model()->index(6, 0));
    control<QPushButton>(window, "AeroButton15")->click();
    grabInto(window, context, QStringLiteral("expenses"));
});

} // namespace
