// The status panel of the main window: pass, void, reset and a free status text, and
// the copy of a cheque to the archive from the list's menu.
#include "cheques/main_window.h"

#include "data/cheque_status.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/tables.h"
#include "ui/messages.h"

#include <QGroupBox>
#include <QLineEdit>

void MainWindow::passCheque()
{
    settleCheque(QStringLiteral(" .چک زير با مشخصات ذکر شده پاس شود "), true);
}

void MainWindow::voidCheque()
{
    settleCheque(QStringLiteral(" .چک زير با مشخصات ذکر شده باطل شود "), false);
}

void MainWindow::settleCheque(const QString& question, bool pass)
{
    if (!m_cheques->hasCurrent())
        return;
    const ShownRow shown = m_cheques->shownRow();
    const QString title = m_cheques->value(ChequeTable::Description).toString();
    if (!Messages::ask(this, question, title))
        return;
    QString error;
    const QString status = pass ? ChequeStatus::Passed : ChequeStatus::Voided;
    const bool marked = pass ? ChequeStatus::pass(m_database, shown, &error)
                             : ChequeStatus::setStatus(m_database, shown, status, &error);
    if (!marked) {
        Messages::show(
            this,
            FailureText::about(QStringLiteral("وضعیت چک در بانک اطلاعاتی %1 تغییر نکرد و سندی در حساب بانک ثبت نشد."),
                               m_database.filePath(), error),
            Messages::Icon::Critical, title);
        // A cheque another PC changed meanwhile is shown as it is now.
        showStatusChange();
        return;
    }
    if (!Messages::ask(this, QStringLiteral("آيا مايل هستيد چک مورد نظر از ليست حذف و به ليست بايگاني اظافه شود ؟ "),
                       title)) {
        showStatusChange();
        return;
    }
    if (!ChequeStatus::moveToArchive(m_database, shown.with(ChequeTable::Status, status), &error)) {
        showStatusChange();
        Messages::show(
            this,
            FailureText::about(
                QStringLiteral("وضعیت چک ثبت شد، اما چک در بانک اطلاعاتی %1 به بایگانی منتقل نشد و در فهرست ماند."),
                m_database.filePath(), error),
            Messages::Icon::Critical, title);
        return;
    }
    m_cheques->refresh();
    showFigures();
    Messages::show(this, QStringLiteral(" .عمليات با موفق انجام شد "));
}

void MainWindow::resetCheque()
{
    if (!m_cheques->hasCurrent())
        return;
    const ShownRow shown = m_cheques->shownRow();
    const QString title = m_cheques->value(ChequeTable::Description).toString();
    if (!Messages::ask(this, QStringLiteral("  .چک مورد نظر به حالت اوليه برگردد "), title))
        return;
    QString error;
    if (ChequeStatus::setStatus(m_database, shown, ChequeStatus::Initial, &error))
        showStatusChange();
    else
        Messages::show(this,
                       FailureText::about(QStringLiteral("وضعیت چک در بانک اطلاعاتی %1 تغییر نکرد."),
                                          m_database.filePath(), error),
                       Messages::Icon::Critical, title);
}

void MainWindow::storeCustomStatus()
{
    if (m_cheques->hasCurrent()) {
        QString error;
        if (ChequeStatus::setStatus(m_database, m_cheques->shownRow(), m_customText->text().trimmed(), &error))
            showStatusChange();
        else
            Messages::show(this,
                           FailureText::about(QStringLiteral("وضعیت چک در بانک اطلاعاتی %1 ثبت نشد."),
                                              m_database.filePath(), error),
                           Messages::Icon::Critical);
    }
    m_customText->clear();
    m_customPanel->hide();
}

void MainWindow::showStatusChange()
{
    // The list shows the new status on the same cheque, which a list sorted by status has moved
    // away from its row.
    const int row = m_cheques->currentRow();
    const qint64 id = m_cheques->currentId();
    m_cheques->refresh();
    const RowModel* rows = m_cheques->model();
    const int found = rows->rowId(row) == id ? row : rows->rowOf(id);
    m_cheques->setCurrentRow(found >= 0 ? found : qMin(row, m_cheques->recordCount() - 1));
}

void MainWindow::archiveCheque()
{
    if (!m_cheques->hasCurrent()) {
        Messages::show(this, QStringLiteral(".اطلاعاتي جهت انتقال به ليست بايگاني در بانک اطلاعاتي موجود نمي باشد "),
                       Messages::Icon::Critical);
        return;
    }
    const ShownRow shown = m_cheques->shownRow();
    const QString title = m_cheques->value(ChequeTable::Description).toString();
    if (!Messages::ask(this, QStringLiteral(" آيا مايل هستيد چک مورد نظر به ليست بايگاني اضافه شود . "), title))
        return;
    QString error;
    if (ChequeStatus::copyToArchive(m_database, shown, false, &error))
        Messages::show(this, QStringLiteral("به ليست بايگاني اضافه شد"));
    else
        Messages::show(this,
                       FailureText::about(QStringLiteral("چک در بانک اطلاعاتی %1 به بایگانی اضافه نشد."),
                                          m_database.filePath(), error),
                       Messages::Icon::Critical, title);
}
