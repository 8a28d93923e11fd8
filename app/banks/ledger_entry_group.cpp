#include "banks/ledger_entry_group.h"

#include "calendar/jalali.h"
#include "data/bank_ledger.h"
#include "data/clock.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/tables.h"
#include "numtype.h"
#include "ui/date_box.h"
#include "ui/enter_path.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral(" امور بانکي  ...");
const QString KindPrompt = QStringLiteral(" ...نوع ");
const QString Debit = QStringLiteral("بدهکار");
const QString Credit = QStringLiteral("بستانکار");
const QString NotEntered = QStringLiteral(" .اطلاعات به درستي وارد نشده است");
const QString Posted = QStringLiteral("ثبت شد");
const QString NoBank = QStringLiteral("ابتدا بانک مورد نظر را از فهرست انتخاب کنید.");
const QString NotPosted = QStringLiteral("سطر حساب در بانک اطلاعاتی %1 ذخیره نشد.");
const QString EmptyDate = QStringLiteral("____/__/__");

} // namespace

LedgerEntryGroup::LedgerEntryGroup(Database& database, DataControl& banks, QWidget* parent)
    : QGroupBox(Caption, parent), m_database(database), m_banks(banks)
{
    using namespace Widgets;
    setObjectName(QStringLiteral("AeroGroupBox2"));

    m_kind = comboBox(this, "Combo1");
    m_kind->addItems({Debit, Credit});
    m_kind->setPlaceholderText(KindPrompt);
    m_kind->setCurrentIndex(-1);

    m_description = textBox(this, "Text3");

    m_date = dateBox(this, "MaskEdBox1", QStringLiteral("درج تاريخ"));
    m_todayButton =
        button(this, "AeroButton11", QStringLiteral("<<"), Enter::Presses, NoIcon, QStringLiteral("در ج تاريخ امروز"));
    m_todayButton->setFixedWidth(m_todayButton->fontMetrics().horizontalAdvance(m_todayButton->text()) + 28);

    m_amount = named(new NumType(this), "NumType1");
    m_amount->setToolTip(QStringLiteral("مبلغ چک مورد نظر"));

    // Enter on the post button, reached along the Enter path, posts.
    m_postButton = button(this, "AeroButton10", QStringLiteral("ثبت"), Enter::Presses, QStyle::SP_DialogSaveButton);
    m_closeButton =
        button(this, "AeroButton7", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_DialogCancelButton);

    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(6);
    dateRow->addWidget(m_date);
    dateRow->addWidget(m_todayButton);
    dateRow->addStretch(1);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->addWidget(fieldLabel(this, "Label6", QStringLiteral(" :نوع ")), 0, 0);
    grid->addWidget(m_kind, 0, 1);
    grid->addWidget(fieldLabel(this, "Label3", QStringLiteral(":شرح ")), 1, 0);
    grid->addWidget(m_description, 1, 1);
    grid->addWidget(fieldLabel(this, "Label4", QStringLiteral(":تاريخ ")), 2, 0);
    grid->addLayout(dateRow, 2, 1);
    grid->addWidget(fieldLabel(this, "Label5", QStringLiteral(" : مبلغ ")), 3, 0);
    grid->addWidget(m_amount, 3, 1);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_postButton);
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);

    setTabOrder(m_kind, m_description);
    setTabOrder(m_description, m_date);
    setTabOrder(m_date, m_amount);
    setTabOrder(m_amount, m_postButton);
    setTabOrder(m_postButton, m_closeButton);

    moveFocusOnEnter(m_description, m_date);
    moveFocusOnEnter(m_date, m_amount);
    moveFocusOnEnter(m_amount, m_kind);
    moveFocusOnEnter(m_kind, m_postButton);
    connect(m_todayButton, &QPushButton::clicked, this, &LedgerEntryGroup::putToday);
    connect(m_postButton, &QPushButton::clicked, this, &LedgerEntryGroup::post);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

void LedgerEntryGroup::open()
{
    show();
    m_description->clear();
    m_date->setText(EmptyDate);
    m_amount->setValue(QString());
    m_description->setFocus();
}

void LedgerEntryGroup::putToday()
{
    m_date->setText(JalaliDateString(Clock::today(), 0));
}

void LedgerEntryGroup::post()
{
    const QString description = m_description->text().trimmed();
    if (description.isEmpty()) {
        Messages::show(this, NotEntered, Messages::Icon::Information);
        return;
    }
    if (m_kind->currentIndex() < 0)
        return;
    // A line posted with no bank would belong to no statement and could never be seen again.
    if (!m_banks.hasCurrent()) {
        Messages::show(this, NoBank, Messages::Icon::Information);
        return;
    }
    BankLedger::Line line;
    line.bankId = m_banks.value(BankTable::Id);
    line.date = m_date->text();
    line.description = description;
    line.amount = m_amount->value();
    line.side = m_kind->currentIndex() == 0 ? BankLedger::Side::Debit : BankLedger::Side::Credit;
    QString error;
    if (!BankLedger::postLine(m_database, line, &error)) {
        Messages::show(this, FailureText::about(NotPosted, m_database.filePath(), error), Messages::Icon::Critical);
        return;
    }
    m_description->clear();
    m_description->setFocus();
    Messages::show(this, Posted, Messages::Icon::None);
}
