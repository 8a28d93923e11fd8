#include "expenses/expense_register.h"

#include "data/data_control.h"
#include "data/database.h"
#include "data/expense_book.h"
#include "data/failure_text.h"
#include "data/tables.h"
#include "expenses/expense_entry_panel.h"
#include "expenses/expense_filter_panel.h"
#include "expenses/expense_kinds_panel.h"
#include "reports/expense_report.h"
#include "tolvan_resizer.h"
#include "ui/data_grid.h"
#include "ui/messages.h"
#include "ui/record_mode.h"
#include "words/number_format.h"

#include <QLineEdit>

namespace {

const QString NotDeleted = QStringLiteral("هزینه از بانک اطلاعاتی %1 حذف نشد.");

} // namespace

ExpenseRegister::ExpenseRegister(Database& database, QWidget* parent)
    : QDialog(parent), m_database(database), m_book(new ExpenseBook(database, this))
{
    setObjectName(QStringLiteral("Form111"));
    setWindowTitle(QStringLiteral("نرم افزار ثبت هزينه هاي ساليانه"));
    setLayoutDirection(Qt::RightToLeft);
    buildControls();
    // The resizer records the designed layout at the first show and scales it from then on.
    auto* resizer = new Tolvan_Resizer(this);
    resizer->setFullscreen(false);
    m_grid->scaleColumnsWithWidth();
    connect(&m_book->entries(), &DataControl::refreshed, this, &ExpenseRegister::showTotal);
    connect(m_entryPanel, &ExpenseEntryPanel::saved, this, &ExpenseRegister::load);
    load();
}

void ExpenseRegister::load()
{
    m_book->load();
    const QList<ExpenseBook::Kind> kinds = m_book->kindList();
    QStringList names;
    for (const ExpenseBook::Kind& kind : kinds)
        names << kind.name;
    m_kindsPanel->setKinds(kinds);
    m_entryPanel->setKinds(names);
    m_filterPanel->setKinds(names);
    showTotal();
}

void ExpenseRegister::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activate();
}

void ExpenseRegister::activate()
{
    m_grid->restoreWidths();
}

void ExpenseRegister::showTotal()
{
    m_total->setText(GroupedNumber(m_book->total()));
}

void ExpenseRegister::showPanel(QWidget* panel)
{
    // The three groups open at one place beside the list.
    for (QWidget* group : {static_cast<QWidget*>(m_entryPanel), static_cast<QWidget*>(m_kindsPanel),
                           static_cast<QWidget*>(m_filterPanel)}) {
        if (group != panel)
            group->hide();
    }
    panel->show();
}

void ExpenseRegister::newEntry()
{
    m_entryPanel->prepareNew();
    showPanel(m_entryPanel);
    m_entryPanel->focusDate();
    load();
    NewRecordMode = true;
}

void ExpenseRegister::editEntry()
{
    const DataControl& entries = m_book->entries();
    if (!entries.hasCurrent())
        return;
    m_entryPanel->prepareEdit(entries.currentId(), m_book->currentEntry());
    showPanel(m_entryPanel);
    m_entryPanel->focusDate();
    NewRecordMode = false;
}

void ExpenseRegister::deleteEntry()
{
    DataControl& entries = m_book->entries();
    if (entries.recordCount() == 0 || !entries.hasCurrent())
        return;
    if (Messages::ask(this, QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد! "),
                      entries.value(ExpenseTable::Description).toString()) &&
        !m_book->removeEntry(entries.currentId()))
        Messages::show(this, FailureText::about(NotDeleted, m_book->database().filePath(), m_book->errorText()),
                       Messages::Icon::Critical);
    load();
}

void ExpenseRegister::print()
{
    previewExpenseReport(m_database, this);
    activate();
}
