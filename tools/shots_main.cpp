// The main window over a full list: with the status panel and the custom status panel open,
// with the sort panel open, and maximised on a 1366x768 screen. The cheques added to fill the
// list are taken out again, so that the later screenshots see the usual samples.
#include "cheques/main_window.h"
#include "data/cheque_status.h"
#include "data/data_control.h"
#include "data/table_writer.h"
#include "data/tables.h"
#include "shots.h"
#include "testing.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>

namespace {

void mainPanelShots(ShotContext& context)
{
    MainWindow& window = context.main;
    TableWriter cheques(context.db, ChequeTable::Name);
    QList<qint64> added;
    for (int i = 0; i < 14; ++i) {
        qint64 id = 0;
        const QString date =
            i == 3 ? QStringLiteral("1405/09/19") : QStringLiteral("1405/12/%1").arg(i + 5, 2, 10, QLatin1Char('0'));
        cheques.insert({{ChequeTable::Date, date},
                        {ChequeTable::Number, QString::number(990100 + i)},
                        {ChequeTable::Bank, QStringLiteral("ملت")},
                        {ChequeTable::Amount, i == 3 ? 123456789012345.0 : 1250000.0 * (i + 1)},
                        {ChequeTable::Description, QStringLiteral("فروشگاه نور، سفارش شماره %1").arg(i + 1)},
                        {ChequeTable::Type, i % 2 ? ChequeStatus::Paid : ChequeStatus::Received},
                        {ChequeTable::EntryDate, QStringLiteral("1405/09/16")},
                        {ChequeTable::Status, ChequeStatus::Initial}},
                       &id);
        added << id;
    }
    window.cheques().refresh();
    window.activate();
    window.cheques().setCurrentRow(2);

    auto* status = control<QGroupBox>(window, "AeroGroupBox4");
    auto* custom = control<QGroupBox>(window, "AeroGroupBox3");
    auto* sort = control<QGroupBox>(window, "AeroGroupBox2");
    status->show();
    custom->show();
    control<QLineEdit>(window, "Text3")->setText(QStringLiteral("نزد وکيل"));
    grabInto(window, context, QStringLiteral("main_status_panel"));
    status->hide();
    custom->hide();
    sort->show();
    grabInto(window, context, QStringLiteral("main_sort_panel"));
    sort->hide();

    const QSize designed = window.size();
    window.resize(1366, 768);
    QApplication::processEvents();
    grabInto(window, context, QStringLiteral("main_maximised"));
    window.resize(designed);
    QApplication::processEvents();

    for (const qint64 id : added)
        cheques.remove(id);
    window.cheques().refresh();
    window.activate();
}

const ShotRegistrar registrar("main", mainPanelShots);

} // namespace
