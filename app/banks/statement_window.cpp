// The statement window is designed 960 × 520 and read from the right; the resizer scales it.
#include "banks/statement_window.h"

#include "data/bank_ledger.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/tables.h"
#include "numtype.h"
#include "settings/setting_keys.h"
#include "tolvan_resizer.h"
#include "ui/data_grid.h"
#include "ui/messages.h"
#include "ui/widgets.h"
#include "words/amount_words.h"
#include "words/number_format.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int DesignedWidth = 960;
constexpr int DesignedHeight = 520;

const QString CaptionStart = QStringLiteral("صورتحساب بانك");
const QString DeleteQuestion = QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد! ");
const QString NotDeleted = QStringLiteral("سطر حساب از بانک اطلاعاتی %1 حذف نشد.");

} // namespace

StatementWindow::StatementWindow(Database& database, qint64 bankId, const QString& bankName, QWidget* parent)
    : QDialog(parent), m_database(database), m_bankId(bankId), m_lines(new DataControl(database, this))
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(CaptionStart + QStringLiteral("     ") + bankName);
    setLayoutDirection(Qt::RightToLeft);
    resize(DesignedWidth, DesignedHeight);
    buildControls();
    // The resizer records the designed layout at the first show and scales it from then on.
    auto* resizer = new Tolvan_Resizer(this);
    resizer->setFullscreen(false);
    m_grid->scaleColumnsWithWidth();
    reload();
}

void StatementWindow::buildControls()
{
    using namespace Widgets;
    m_grid = place(named(new DataGrid(this), "DataGrid1"), 10, 10, 940, 420);
    m_grid->bind(m_lines,
                 {LedgerTable::Row, LedgerTable::BankId, LedgerTable::Date, LedgerTable::Transfer,
                  LedgerTable::Description, LedgerTable::Debit, LedgerTable::Credit, LedgerTable::Sum},
                 {QStringLiteral("R"), QStringLiteral("ID"), DataGrid::indented(10, QStringLiteral("تاريخ")),
                  QStringLiteral("شماره حواله"), DataGrid::indented(55, QStringLiteral("شرح")),
                  QStringLiteral("بدهکاري"), QStringLiteral("بستانکاري"),
                  DataGrid::indented(18, QStringLiteral("مبلغ"))},
                 {LedgerTable::Debit, LedgerTable::Credit, LedgerTable::Sum});
    m_grid->useDesignedHeader();
    m_grid->setDesignedWidths({40, 36, 100, 90, 320, 105, 105, 110});
    m_grid->keepWidthsIn(Settings::StatementListSection,
                         {QString(), QString(), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                          QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});

    place(fieldLabel(this, "Label1", QStringLiteral("بدهکار")), 10, 444, 60, 30);
    m_debits = place(named(new NumType(this), "NumType3"), 75, 444, 160, 30);
    place(fieldLabel(this, "Label2", QStringLiteral("بستانکار")), 255, 444, 70, 30);
    m_credits = place(named(new NumType(this), "NumType2"), 330, 444, 160, 30);
    place(fieldLabel(this, "Label3", QStringLiteral(" :مانده ")), 510, 444, 60, 30);
    // The balance is computed, never typed; it reads from left to right like any number.
    m_balance = place(readOnlyBox(this, "Text1"), 575, 444, 170, 30);
    m_balance->setLayoutDirection(Qt::LeftToRight);
    m_balance->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    for (NumType* total : {m_debits, m_credits})
        total->setLocked(true);

    auto* remove =
        place(button(this, "AeroButton2", QStringLiteral("حذف سلول انتخابي"), Enter::Presses, QStyle::SP_TrashIcon), 10,
              480, 170, 32);
    auto* back = place(button(this, "AeroButton1", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_ArrowBack), 190,
                       480, 120, 32);
    connect(remove, &QPushButton::clicked, this, &StatementWindow::deleteLine);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
}

void StatementWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_grid->restoreWidths();
    reload();
}

void StatementWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        accept();
        return;
    }
    // Enter presses the focused button alone, never another button of the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void StatementWindow::reload()
{
    BankLedger::showLinesOf(*m_lines, m_bankId);
    m_lines->refresh();
    BankLedger::Totals totals;
    // Unread totals leave the figures as they were, like the list they belong to.
    if (!BankLedger::statementTotals(m_database, m_bankId, &totals))
        return;
    m_debits->setValue(totals.debit);
    m_credits->setValue(totals.credit);
    showBalance(totals.balance());
}

void StatementWindow::showBalance(double balance)
{
    m_balance->setText(GroupedNumber(balance));
    m_balance->setCursorPosition(int(m_balance->text().size()));
    // No words are given for a negative amount: the tool-tip is then empty.
    m_balance->setToolTip(AmountToWords(balance));
}

void StatementWindow::deleteLine()
{
    if (!m_lines->hasCurrent())
        return;
    if (Messages::ask(this, DeleteQuestion, m_lines->value(LedgerTable::Description).toString()) &&
        !m_lines->deleteCurrent())
        Messages::show(this, FailureText::about(NotDeleted, m_lines->database().filePath(), m_lines->errorText()),
                       Messages::Icon::Critical);
    reload();
}
