#include "expenses/expense_entry_panel.h"

#include "calendar/jalali.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "ui/date_box.h"
#include "ui/enter_path.h"
#include "ui/list_dropper.h"
#include "ui/messages.h"
#include "ui/record_mode.h"
#include "ui/widgets.h"
#include "words/number_format.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Widgets;

namespace {

const QString NotAdded = QStringLiteral("هزینه در بانک اطلاعاتی %1 ذخیره نشد.");
const QString NotChanged = QStringLiteral("تغییرات هزینه در بانک اطلاعاتی %1 ذخیره نشد.");
// The amount box holds what a rial amount can have; the number box of the program holds as many.
constexpr int MaxDigits = 15;

} // namespace

ExpenseEntryPanel::ExpenseEntryPanel(ExpenseBook& book, QWidget* parent)
    : QGroupBox(QStringLiteral("اضافه كردن هزينه"), parent), m_book(book)
{
    setObjectName(QStringLiteral("AeroGroupBox3"));
    resize(290, 270);
    buildControls();
    connectControls();
}

void ExpenseEntryPanel::buildControls()
{
    constexpr int LabelWidth = 78;
    constexpr int FieldRight = 12 + LabelWidth + 6;
    constexpr int FieldWidth = 290 - FieldRight - 12;
    place(label(this, "Label3", QStringLiteral("تاريخ ورود ")), 12, 34, LabelWidth, 30);
    m_date = place(dateBox(this, "MaskEdBox1"), FieldRight, 34, 150, 30);

    place(label(this, "Label2", QStringLiteral("نوع هزينه")), 12, 78, LabelWidth, 30);
    m_kind = place(editableComboBox(this, "Combo1"), FieldRight, 78, FieldWidth, 30);
    // Loading the kinds empties the text; the prompt stays as a hint and is never stored.
    m_kind->lineEdit()->setPlaceholderText(QStringLiteral("انتخاب ..."));

    place(label(this, "Label4", QStringLiteral("شرح هزينه")), 12, 122, LabelWidth, 30);
    m_description = place(textBox(this, "Text2"), FieldRight, 122, FieldWidth, 30);

    place(label(this, "Label5", QStringLiteral("مبلغ")), 12, 166, LabelWidth, 30);
    m_amount = place(textBox(this, "Text3"), FieldRight, 166, FieldWidth, 30);
    // Grouped digits read from left to right, against the right border like every amount.
    m_amount->setLayoutDirection(Qt::LeftToRight);
    m_amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_save = place(button(this, "AeroButton10", QStringLiteral("ثبت"), Enter::Presses, QStyle::SP_DialogSaveButton),
                   FieldRight, 218, 90, 34);
    m_back = place(button(this, "AeroButton9", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_DialogCancelButton),
                   FieldRight + 98, 218, 90, 34);
    const QList<QWidget*> tabOrder = {m_date, m_kind, m_description, m_amount, m_save, m_back};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

void ExpenseEntryPanel::connectControls()
{
    moveFocusOnEnter(m_date, m_kind);
    moveFocusOnEnter(m_kind, m_description);
    moveFocusOnEnter(m_description, m_amount);
    moveFocusOnEnter(m_amount, m_save);
    ListDropper::dropOnFocus(m_kind);
    connect(m_amount, &QLineEdit::textChanged, this, &ExpenseEntryPanel::regroupAmount);
    connect(m_save, &QPushButton::clicked, this, &ExpenseEntryPanel::save);
    connect(m_back, &QPushButton::clicked, this, &QWidget::hide);
}

void ExpenseEntryPanel::regroupAmount()
{
    QString digits;
    for (const QChar c : m_amount->text()) {
        // Persian and Arabic-Indic digits are kept as the ASCII digits every amount is stored with.
        if (c.isDigit() && digits.size() < MaxDigits)
            digits += QChar(u'0' + c.digitValue());
    }
    const QString grouped = digits.isEmpty() ? QString() : GroupedNumber(digits.toDouble());
    if (grouped != m_amount->text()) {
        const QSignalBlocker blocker(m_amount);
        m_amount->setText(grouped);
    }
    m_amount->setCursorPosition(int(grouped.size()));
}

void ExpenseEntryPanel::setKinds(const QStringList& names)
{
    m_kind->clear();
    m_kind->addItems(names);
    m_kind->setCurrentIndex(-1);
    m_kind->setEditText(QString());
}

void ExpenseEntryPanel::prepareNew()
{
    m_description->clear();
    m_amount->clear();
    m_date->setText(JalaliDateString(Clock::today(), 0));
    m_editId = -1;
}

void ExpenseEntryPanel::prepareEdit(qint64 id, const ExpenseBook::Entry& entry)
{
    m_date->setText(entry.date);
    m_kind->setCurrentIndex(-1);
    m_kind->setEditText(entry.kind);
    m_description->setText(entry.description);
    m_amount->setText(entry.amount);
    m_editId = id;
}

void ExpenseEntryPanel::focusDate()
{
    m_date->setFocus(Qt::OtherFocusReason);
    m_date->selectAll();
}

ExpenseBook::Entry ExpenseEntryPanel::boxes() const
{
    return {m_date->text(), m_kind->currentText(), m_description->text(), m_amount->text()};
}

void ExpenseEntryPanel::save()
{
    const bool adding = NewRecordMode;
    if (!(adding ? m_book.addEntry(boxes()) : m_book.updateEntry(m_editId, boxes()))) {
        // The boxes keep what was typed, so the user can try again.
        Messages::show(
            this, FailureText::about(adding ? NotAdded : NotChanged, m_book.database().filePath(), m_book.errorText()),
            Messages::Icon::Critical);
        return;
    }
    emit saved();
    if (!adding) {
        hide();
        return;
    }
    m_date->clear();
    m_description->clear();
    m_amount->clear();
    focusDate();
}
