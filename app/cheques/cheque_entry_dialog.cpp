#include "cheques/cheque_entry_dialog.h"

#include "calendar/jalali.h"
#include "data/bank_ledger.h"
#include "data/cheque_status.h"
#include "data/clock.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/tables.h"
#include "numtype.h"
#include "ui/date_box.h"
#include "ui/enter_path.h"
#include "ui/jalali_picker.h"
#include "ui/list_dropper.h"
#include "ui/messages.h"
#include "ui/record_mode.h"
#include "ui/widgets.h"
#include "words/amount_words.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString DesignedCaption = QStringLiteral("اضافه کردن چک...");
const QString DateTip = QStringLiteral("درج تاريخ");
const QString BankPrompt = QStringLiteral("انتخاب نام بانک");
const QString TypePrompt = QStringLiteral("نوع چک");
const QString PersonTip = QStringLiteral("نام شخص/ در وجه / و يا اطلاعاتي در مورد گيرنده اين چک");
const QString Rial = QStringLiteral(": ريال");
const QString Zero = QStringLiteral("صفر");
const QString HelpText =
    QStringLiteral(".اگر گزينه بانک خالي مي باشد ، شما ابتدا بايد در قسمت بانک حساب هاي خود را تعريف نمائيد ");
const QString NotAdded = QStringLiteral("چک در بانک اطلاعاتی %1 ذخیره نشد.");
const QString NotChanged = QStringLiteral("تغییرات چک در بانک اطلاعاتی %1 ذخیره نشد.");
constexpr int KeyEnter = 13;

void setComboText(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

} // namespace

ChequeEntryDialog::ChequeEntryDialog(Database& db, DataControl& cheques, QWidget* parent)
    : QDialog(parent), m_database(db), m_cheques(cheques)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(DesignedCaption);
    setLayoutDirection(Qt::RightToLeft);
    buildControls();
    buildLayout();
    connectControls();

    m_entryDate->setText(JalaliDateString(Clock::today(), 0));
    AutoSelectTextBoxes(this);
    loadBankNames();
}

void ChequeEntryDialog::buildControls()
{
    using namespace Widgets;
    m_entryDateLabel = fieldLabel(this, "Label1", QStringLiteral(" :تاريخ ورود چک"));
    m_entryDate = dateBox(this, "MaskEdBox2", DateTip);

    m_chequeDateLabel = fieldLabel(this, "Label2", QStringLiteral(" :تاريخ چک "));
    m_chequeDate = dateBox(this, "MaskEdBox1", DateTip);
    m_chequeDate->picker()->setObjectName(QStringLiteral("MBCalendar1"));
    m_todayButton = button(this, "Command1", QStringLiteral(">>"), Enter::Presses, NoIcon,
                           QStringLiteral("درج تاريخ جاري سيستم به صورت اتوماتيک"));
    m_todayButton->setFixedWidth(m_todayButton->fontMetrics().horizontalAdvance(m_todayButton->text()) + 28);

    m_numberLabel = fieldLabel(this, "Label3", QStringLiteral(" :شماره چک "));
    m_number = textBox(this, "Text3", QStringLiteral("شماره چک مورد نظر"));
    keepAsciiDigits(m_number);

    m_bankLabel = fieldLabel(this, "kh", QStringLiteral(" :نام بانک "));
    m_bank = editableComboBox(this, "Combo1");
    m_bank->setToolTip(QStringLiteral("نام بانک هاي که در قسمت بانک هستند ليست مي شود "));
    // The list is filled on loading, which empties the text; the prompt stays as a hint.
    m_bank->lineEdit()->setPlaceholderText(BankPrompt);

    m_typeLabel = fieldLabel(this, "Label7", QStringLiteral("  :نوع "));
    m_type = editableComboBox(this, "Combo2");
    m_type->addItems({ChequeStatus::Received, ChequeStatus::Paid});
    setComboText(m_type, TypePrompt);

    m_amountLabel = fieldLabel(this, "Label4", QStringLiteral(" :مبلغ "));
    m_amount = named(new NumType(this), "NumType1");
    m_amount->setToolTip(QStringLiteral("مبلغ چک مورد نظر"));
    m_amountWords = label(this, "Label6", QStringLiteral("000"));
    m_amountWords->setWordWrap(true);

    m_descriptionLabel = fieldLabel(this, "Label5", QStringLiteral(": شرح چك "));
    m_description = textBox(this, "Text2", PersonTip);
    m_remarksLabel = fieldLabel(this, "Label9", QStringLiteral("توضيحات"));
    m_remarks = textBox(this, "Text4", PersonTip);

    m_helpLink = label(this, "Label8", QStringLiteral("راهنما"));
    m_helpLink->setCursor(Qt::PointingHandCursor);
    m_helpLink->setStyleSheet(QStringLiteral("QLabel { color: palette(link); text-decoration: underline; }"));
    m_helpLink->installEventFilter(this);

    m_saveButton =
        button(this, "AeroButton2", QStringLiteral("ثبت اطلاعات"), Enter::Presses, NoIcon, QStringLiteral("ثبت چک "));
    m_closeButton =
        button(this, "AeroButton1", QStringLiteral("بازگشت"), Enter::Presses, NoIcon, QStringLiteral("بازگشت"));
}

void ChequeEntryDialog::buildLayout()
{
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);

    auto* chequeDateRow = new QHBoxLayout;
    chequeDateRow->setSpacing(6);
    chequeDateRow->addWidget(m_chequeDate);
    chequeDateRow->addWidget(m_todayButton);
    chequeDateRow->addStretch(1);
    auto* entryDateRow = new QHBoxLayout;
    entryDateRow->addWidget(m_entryDate);
    entryDateRow->addStretch(1);

    form->addRow(m_entryDateLabel, entryDateRow);
    form->addRow(m_chequeDateLabel, chequeDateRow);
    form->addRow(m_numberLabel, m_number);
    form->addRow(m_bankLabel, m_bank);
    form->addRow(m_typeLabel, m_type);
    form->addRow(m_amountLabel, m_amount);
    form->addRow(QString(), m_amountWords);
    form->addRow(m_descriptionLabel, m_description);
    form->addRow(m_remarksLabel, m_remarks);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_closeButton);
    buttons->addStretch(1);
    buttons->addWidget(m_helpLink);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addWidget(line);
    layout->addLayout(buttons);

    m_number->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 36);
    setMinimumWidth(sizeHint().width());
    const QList<QWidget*> tabOrder = {m_entryDate, m_chequeDate,  m_todayButton, m_number,     m_bank,       m_type,
                                      m_amount,    m_description, m_remarks,     m_saveButton, m_closeButton};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

void ChequeEntryDialog::connectControls()
{
    moveFocusOnEnter(m_entryDate, m_chequeDate);
    moveFocusOnEnter(m_chequeDate, m_number);
    moveFocusOnEnter(m_number, m_bank);
    moveFocusOnEnter(m_bank, m_type);
    moveFocusOnEnter(m_type, m_amount);
    moveFocusOnEnter(m_description, m_remarks);
    moveFocusOnEnter(m_remarks, m_saveButton);
    ListDropper::dropOnFocus(m_bank);
    ListDropper::dropOnFocus(m_type);

    // The number box passes Enter to its host as a key of its own; the box keeps no digit of it.
    connect(m_amount, &NumType::KeyPress, this, [this](short& keyAscii) {
        if (keyAscii == KeyEnter)
            m_description->setFocus(Qt::TabFocusReason);
    });
    connect(m_amount, &NumType::GotFocus, this, [this] {
        m_amount->setSelStart(0);
        m_amount->setSelLength(int(QString::number(m_amount->value(), 'f', 0).size()) + 10);
    });
    connect(m_amount, &NumType::Change, this,
            [this] { m_amountWords->setText(AmountToWords(m_amount->value()) + QStringLiteral("     ") + Rial); });

    connect(m_todayButton, &QPushButton::clicked, this, &ChequeEntryDialog::putToday);
    connect(m_chequeDate, &DateBox::datePicked, this, [this] { m_number->setFocus(Qt::OtherFocusReason); });
    connect(m_saveButton, &QPushButton::clicked, this, &ChequeEntryDialog::save);
    connect(m_closeButton, &QPushButton::clicked, this, &ChequeEntryDialog::accept);
}

void ChequeEntryDialog::loadBankNames()
{
    m_bank->clear();
    if (!m_database.isOpen())
        return;
    m_bank->addItems(BankLedger::bankNames(m_database));
    setComboText(m_bank, QString());
}

void ChequeEntryDialog::fillFromCurrent()
{
    using namespace ChequeTable;
    m_chequeDate->setText(m_cheques.value(Date).toString());
    m_entryDate->setText(m_cheques.value(EntryDate).toString());
    m_number->setText(m_cheques.value(Number).toString());
    setComboText(m_bank, m_cheques.value(Bank).toString());
    setComboText(m_type, m_cheques.value(Type).toString());
    m_amount->setValue(m_cheques.value(Amount));
    m_description->setText(m_cheques.value(Description).toString());
    m_remarks->setText(m_cheques.value(Remarks).toString());
    m_shown = m_cheques.shownRow();
}

void ChequeEntryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_amountWords->setText(AmountToWords(m_amount->value()));
    focusEntryDate();
}

bool ChequeEntryDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_helpLink && event->type() == QEvent::MouseButtonRelease) {
        showHelp();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ChequeEntryDialog::focusEntryDate()
{
    m_entryDate->setFocus(Qt::OtherFocusReason);
    m_entryDate->selectAll();
}

void ChequeEntryDialog::putToday()
{
    m_chequeDate->setText(JalaliDateString(Clock::today(), 0));
    m_number->setFocus(Qt::OtherFocusReason);
}

void ChequeEntryDialog::showHelp()
{
    Messages::show(this, HelpText, Messages::Icon::Information);
}

void ChequeEntryDialog::save()
{
    if (NewRecordMode ? saveNew() : saveEdit())
        return;
    // The boxes keep what was typed, so the user can try again.
    Messages::show(this,
                   FailureText::about(NewRecordMode ? NotAdded : NotChanged, m_cheques.database().filePath(),
                                      m_cheques.errorText()),
                   Messages::Icon::Critical);
}

Fields ChequeEntryDialog::boxFields() const
{
    using namespace ChequeTable;
    return {
        {EntryDate, m_entryDate->text()},
        {Date, m_chequeDate->text()},
        // A number stored earlier with Persian digits is written back in ASCII ones.
        {Number, Widgets::asciiDigits(m_number->text())},
        {Bank, m_bank->currentText().trimmed()},
        {Type, m_type->currentText().trimmed()},
        {Amount, qint64(m_amount->value())},
        {Description, m_description->text().trimmed()},
        {Remarks, m_remarks->text().trimmed()},
    };
}

bool ChequeEntryDialog::saveNew()
{
    Fields fields = boxFields();
    fields.prepend({ChequeTable::BankKey, bankId(m_bank->currentText().trimmed())});
    fields.append({ChequeTable::Status, ChequeStatus::Initial});
    if (!m_cheques.addRow(fields))
        return false;
    m_cheques.refresh();

    // The dates and the type stay for the next cheque, which often shares them.
    m_description->clear();
    m_number->clear();
    m_remarks->clear();
    setComboText(m_bank, QString());
    m_amount->setValue(0);
    m_amountWords->setText(Zero);
    focusEntryDate();
    m_cheques.moveLast();
    return true;
}

bool ChequeEntryDialog::saveEdit()
{
    Fields fields;
    // A name that is no bank leaves the cheque's bank key as it was.
    if (const QVariant id = bankId(m_bank->currentText().trimmed()); !id.isNull())
        fields.append({ChequeTable::BankKey, id});
    fields += boxFields();
    if (!m_cheques.updateRow(m_shown, fields))
        return false;
    // A second save of the dialog changes the cheque as this save left it.
    for (const auto& field : fields)
        m_shown = m_shown.with(field.first, field.second);
    m_cheques.refresh();
    return true;
}

QVariant ChequeEntryDialog::bankId(const QString& name)
{
    return BankLedger::bankIdNamed(m_database, name);
}
