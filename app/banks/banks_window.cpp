#include "banks/banks_window.h"

#include "banks/bank_edit_group.h"
#include "banks/ledger_entry_group.h"
#include "banks/statement_window.h"
#include "data/bank_ledger.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/tables.h"
#include "settings/setting_keys.h"
#include "ui/data_grid.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral("امور بانکي");
const QString HasLines = QStringLiteral("  ابتدا شما بايد وضعيت صورتحساب خود را حذف نمائيد ");
const QString DeleteQuestion = QStringLiteral(" بانک مورد نظر از ليست حذف شود ؟ ");
const QString NotDeleted = QStringLiteral("بانک از بانک اطلاعاتی %1 حذف نشد.");
const QString LinesUnread = QStringLiteral("سطرهای حساب این بانک خوانده نشد.");

} // namespace

BanksWindow::BanksWindow(Database& database, QWidget* parent)
    : QDialog(parent), m_database(database), m_banks(new DataControl(database, this))
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(Caption);
    setLayoutDirection(Qt::RightToLeft);
    buildControls();
    m_banks->setRecordSource(BankLedger::AllBanks);
    m_banks->refresh();
}

void BanksWindow::buildControls()
{
    using namespace Widgets;
    m_grid = named(new DataGrid(this), "DataGrid1");
    m_grid->bind(m_banks, {BankTable::BankName, BankTable::Account, BankTable::Branch},
                 {DataGrid::indented(18, QStringLiteral("نام بانك")),
                  DataGrid::indented(16, QStringLiteral("شماره حساب")),
                  DataGrid::indented(15, QStringLiteral("كد و نام شعبه"))});
    m_grid->useDesignedHeader();
    m_grid->setDesignedWidths({190, 190, 220});
    m_grid->keepWidthsIn(Settings::BankListSection, {QString(), QStringLiteral("1"), QStringLiteral("2")});
    m_grid->setMinimumSize(640, 260);

    const Enter enter = Enter::Presses;
    auto* newBank = button(this, "AeroButton1", QStringLiteral("اضافـــه کردن"), enter, QStyle::SP_FileIcon);
    auto* editBank =
        button(this, "AeroButton2", QStringLiteral("ويرايــــــــــش"), enter, QStyle::SP_FileDialogDetailedView);
    auto* deleteBank = button(this, "AeroButton3", QStringLiteral("حـــذف کردن"), enter, QStyle::SP_TrashIcon);
    auto* addLine = button(this, "AeroButton6", QStringLiteral("اضافه به حساب"), enter, QStyle::SP_FileDialogNewFolder);
    auto* statement = button(this, "AeroButton8", QStringLiteral("صورتحساب"), enter, QStyle::SP_FileDialogContentsView);
    auto* close = button(this, "AeroButton9", QStringLiteral("بازگشت"), enter, QStyle::SP_DialogCloseButton);

    // A group that is closed keeps its place, so that the window does not jump as groups open.
    m_bankGroup = new BankEditGroup(*m_banks, this);
    m_entryGroup = new LedgerEntryGroup(m_database, *m_banks, this);
    for (QWidget* group : {static_cast<QWidget*>(m_bankGroup), static_cast<QWidget*>(m_entryGroup)}) {
        keepPlaceWhenHidden(group);
        group->hide();
    }

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {newBank, editBank, deleteBank, addLine, statement}) {
        b->setMinimumHeight(34);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    close->setMinimumHeight(34);
    buttons->addWidget(close);

    auto* top = new QHBoxLayout;
    top->addWidget(m_grid, 1);
    top->addLayout(buttons);
    auto* groups = new QHBoxLayout;
    groups->addWidget(m_entryGroup, 1);
    groups->addWidget(m_bankGroup, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(groups);

    connect(newBank, &QPushButton::clicked, m_bankGroup, &BankEditGroup::openNew);
    connect(editBank, &QPushButton::clicked, m_bankGroup, &BankEditGroup::openEdit);
    connect(deleteBank, &QPushButton::clicked, this, &BanksWindow::deleteBank);
    connect(addLine, &QPushButton::clicked, m_entryGroup, &LedgerEntryGroup::open);
    connect(statement, &QPushButton::clicked, this, &BanksWindow::openStatement);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void BanksWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activate();
}

void BanksWindow::activate()
{
    m_grid->restoreWidths();
}

void BanksWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter moves along the boxes of a group, or presses the button that has the focus; it never
    // presses a button of the window from elsewhere (the list, for one).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void BanksWindow::deleteBank()
{
    if (!m_banks->hasCurrent())
        return;
    const qint64 id = m_banks->currentId();
    QString error;
    const int lines = BankLedger::lineCount(m_database, id, &error);
    if (lines < 0) {
        Messages::show(this, LinesUnread + QLatin1Char('\n') + error, Messages::Icon::Critical);
        return;
    }
    if (lines > 0) {
        Messages::show(this, HasLines, Messages::Icon::Critical, QStringLiteral("Error"));
        return;
    }
    if (!Messages::ask(this, DeleteQuestion, QStringLiteral("Delete")))
        return;
    switch (BankLedger::deleteBank(m_database, id, &error)) {
    case BankLedger::DeleteOutcome::Deleted:
        break;
    case BankLedger::DeleteOutcome::HasLines:
        // A line was posted to the bank while the question stood.
        Messages::show(this, HasLines, Messages::Icon::Critical, QStringLiteral("Error"));
        break;
    case BankLedger::DeleteOutcome::Failed:
        Messages::show(this, FailureText::about(NotDeleted, m_database.filePath(), error), Messages::Icon::Critical);
        break;
    }
    m_banks->refresh();
}

void BanksWindow::openStatement()
{
    if (!m_banks->hasCurrent())
        return;
    StatementWindow statement(m_database, m_banks->value(BankTable::Id).toLongLong(),
                              m_banks->value(BankTable::BankName).toString(), this);
    statement.exec();
    activate();
}
