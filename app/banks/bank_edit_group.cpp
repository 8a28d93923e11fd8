#include "banks/bank_edit_group.h"

#include "data/bank_ledger.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/tables.h"
#include "ui/enter_path.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

const QString Caption = QStringLiteral("اضافه کردن بانک جديد");
const QString NotEntered = QStringLiteral(" .اطلاعات به درستي وارد نشده است ");
const QString Saved = QStringLiteral("ثبت شد");
const QString Edited = QStringLiteral("ويرايش گرديد");
const QString NotAdded = QStringLiteral("بانک در بانک اطلاعاتی %1 ذخیره نشد.");
const QString NotChanged = QStringLiteral("تغییرات بانک در بانک اطلاعاتی %1 ذخیره نشد.");

// An account number is digits only. The digits of a Persian keyboard count as the same
// digits; every other character is dropped, pasted or typed.
class AccountNumberValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        QString digits;
        int kept = 0;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (!c.isDigit() || c.digitValue() < 0)
                continue;
            digits.append(QChar(u'0' + c.digitValue()));
            if (i < position)
                ++kept;
        }
        input = digits;
        position = kept;
        return Acceptable;
    }
};

} // namespace

BankEditGroup::BankEditGroup(DataControl& banks, QWidget* parent) : QGroupBox(Caption, parent), m_banks(banks)
{
    using namespace Widgets;
    setObjectName(QStringLiteral("AeroGroupBox1"));
    m_name = textBox(this, "Text1");
    m_account = textBox(this, "Text2");
    m_account->setValidator(new AccountNumberValidator(m_account));
    // An account number reads from left to right also in a right-to-left window.
    m_account->setLayoutDirection(Qt::LeftToRight);
    m_account->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    m_branch = textBox(this, "Text4");
    // Enter on the save button, reached along the Enter path, saves.
    m_saveButton = button(this, "AeroButton4", QStringLiteral("ثبت"), Enter::Presses, QStyle::SP_DialogSaveButton);
    m_cancelButton =
        button(this, "AeroButton5", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_DialogCancelButton);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    form->addRow(fieldLabel(this, "Label1", QStringLiteral("نام بانک")), m_name);
    form->addRow(fieldLabel(this, "Label2", QStringLiteral("شماره حساب")), m_account);
    form->addRow(fieldLabel(this, "Label7", QStringLiteral("كد و نام شعبه")), m_branch);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);

    moveFocusOnEnter(m_name, m_account);
    moveFocusOnEnter(m_account, m_branch);
    moveFocusOnEnter(m_branch, m_saveButton);
    connect(m_saveButton, &QPushButton::clicked, this, &BankEditGroup::save);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::hide);
}

void BankEditGroup::openNew()
{
    m_newBank = true;
    show();
    m_name->clear();
    m_account->clear();
    m_branch->clear();
    m_name->setFocus();
}

void BankEditGroup::openEdit()
{
    if (!m_banks.hasCurrent())
        return;
    m_newBank = false;
    m_editId = m_banks.currentId();
    m_name->setText(m_banks.value(BankTable::BankName).toString());
    m_account->setText(m_banks.value(BankTable::Account).toString());
    m_branch->setText(m_banks.value(BankTable::Branch).toString());
    show();
    m_name->setFocus();
}

void BankEditGroup::save()
{
    // A name of blanks alone would be stored as a bank without a name.
    if (m_name->text().trimmed().isEmpty()) {
        Messages::show(this, NotEntered, Messages::Icon::Information);
        m_name->setFocus();
        return;
    }
    if (m_newBank ? saveNew() : saveEdit())
        return;
    // The boxes keep what was typed, so that the user can try again.
    Messages::show(
        this, FailureText::about(m_newBank ? NotAdded : NotChanged, m_banks.database().filePath(), m_banks.errorText()),
        Messages::Icon::Critical);
}

bool BankEditGroup::saveNew()
{
    qint64 id = -1;
    if (!BankLedger::addBank(m_banks, {m_name->text(), m_account->text(), m_branch->text()}, &id))
        return false;
    select(id);
    Messages::show(this, Saved, Messages::Icon::None);
    m_name->clear();
    m_account->clear();
    m_branch->clear();
    m_name->setFocus();
    return true;
}

bool BankEditGroup::saveEdit()
{
    if (!BankLedger::updateBank(m_banks, m_editId, {m_name->text(), m_account->text(), m_branch->text()}))
        return false;
    select(m_editId);
    Messages::show(this, Edited, Messages::Icon::None);
    return true;
}

void BankEditGroup::select(qint64 id)
{
    m_banks.refresh();
    for (int row = 0; row < m_banks.recordCount(); ++row) {
        if (m_banks.model()->rowId(row) == id) {
            m_banks.setCurrentRow(row);
            return;
        }
    }
}
