#include "reports/print_settings_dialog.h"

#include "data/cheque_status.h"
#include "reports/cheque_reports.h"
#include "reports/report_engine.h"
#include "reports/report_preview.h"
#include "reports/selection_text.h"
#include "ui/date_box.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral("تنظيمات چاپ");
const QString ChequeMode = QStringLiteral("1");
const QString ArchiveMode = QStringLiteral("2");
using ChequeStatus::Paid;
using ChequeStatus::Passed;
using ChequeStatus::Received;
using ChequeStatus::Voided;
const QString DateExample = QStringLiteral("نمونه تاريخ : 11391/01/01");
const QString DateTip = QStringLiteral("درج تاريخ");
const QString NoRule = QStringLiteral("براي چاپ، يکي از فيلترها يا يکي از ترتيب هاي چاپ را انتخاب کنيد.");
const QString NoCombination = QStringLiteral(
    "جستجوي ترکيبي بانک را همراه با وضعيت يا نوع چک مي خواهد؛ گزينه هاي آن را کامل کنيد يا يک فيلتر يا ترتيب چاپ "
    "انتخاب کنيد.");

struct Order
{
    const char* name;
    QString caption;
    QString toolTip;
};

using namespace Widgets;

// What is typed is printed as typed; the prompt stands in the box until a choice is made.
QComboBox* choiceBox(QWidget* parent, const char* name, const QString& prompt, const QStringList& items)
{
    QComboBox* combo = editableComboBox(parent, name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(prompt);
    combo->setMinimumWidth(150);
    return combo;
}

QRadioButton* option(QWidget* parent, int number, const QString& caption)
{
    return radioButton(parent, QStringLiteral("Option%1").arg(number), caption);
}

void enableAll(const QList<QWidget*>& widgets, bool enabled)
{
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

} // namespace

PrintSettingsDialog::PrintSettingsDialog(Database& database, QWidget* parent) : QDialog(parent), m_database(database)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(Caption);
    buildControls();
    buildLayout();
    connectControls();
    loadLists();
}

void PrintSettingsDialog::buildControls()
{
    m_mode = label(this, "Label8", QStringLiteral("0"));
    m_mode->hide();
    m_options = new QButtonGroup(this);

    m_filterGroup = named(new QGroupBox(this), "filterGroup");
    m_option[6] = option(m_filterGroup, 6, QString());
    m_bankLabel = label(m_filterGroup, "Label2", QStringLiteral("نام بانک مورد نظر"));
    m_bank = choiceBox(m_filterGroup, "Combo1", QStringLiteral("انتخاب نام بانک"), {});
    m_option[7] = option(m_filterGroup, 7, QString());
    m_statusLabel = label(m_filterGroup, "Label4", QStringLiteral("انتخاب وضعيت چك"));
    m_status = choiceBox(m_filterGroup, "Combo2", QStringLiteral("انتخاب"), {Passed, Voided});
    m_option[8] = option(m_filterGroup, 8, QString());
    m_kindLabel = label(m_filterGroup, "Label5", QStringLiteral("انتخاب نوع چك"));
    m_kind = choiceBox(m_filterGroup, "Combo3", QStringLiteral("انتخاب"), {Paid, Received});
    m_option[9] = option(m_filterGroup, 9, QString());
    m_fromLabel = fieldLabel(m_filterGroup, "Label6", QStringLiteral(" :از تاريخ "));
    m_from = dateBox(m_filterGroup, "MaskEdBox1", DateExample);
    m_toLabel = label(m_filterGroup, "Label7", QStringLiteral("تا "));
    m_to = dateBox(m_filterGroup, "MaskEdBox2", DateTip);
    // The options carry no caption of their own; the label beside each names it.
    m_option[6]->setAccessibleName(m_bankLabel->text());
    m_option[7]->setAccessibleName(m_statusLabel->text());
    m_option[8]->setAccessibleName(m_kindLabel->text());
    m_option[9]->setAccessibleName(m_fromLabel->text());

    m_orderGroup = named(new QGroupBox(this), "orderGroup");
    m_orderLabel = label(m_orderGroup, "Label1", QStringLiteral(" ...مرتب سازي چاپ بر اساس "));
    const Order orders[] = {
        {"Option1", QStringLiteral("تاريخ چک"), QStringLiteral("مرتب سازي بر اساس تاريخ چک مورد نظر")},
        {"Option2", QStringLiteral("نام بانک"), QStringLiteral("بر اساس نام بانک")},
        {"Option3", QStringLiteral("وضعيت چک "), QStringLiteral("بر اساس وضعيت چک : پاس شده ، باطل شده و معمولي ")},
        {"Option4", QStringLiteral("تاريخ ورود چک"), QStringLiteral("بر اساس تاريخ ورود چک")},
        {"Option5", QStringLiteral("نوع چک"), QStringLiteral("بر اساس نوع چک : دريافت و پرداخت")},
    };
    for (int i = 1; i <= 5; ++i) {
        m_option[i] = option(m_orderGroup, i, orders[i - 1].caption);
        m_option[i]->setToolTip(orders[i - 1].toolTip);
    }
    for (int i = 1; i <= 9; ++i)
        m_options->addButton(m_option[i], i);

    m_combined = checkBox(this, "Check2", QStringLiteral("جستجوي تركيبي"));
    m_combined->setToolTip(QStringLiteral("جستجوري پيشرفته"));
    m_combinedGroup = named(new QGroupBox(this), "AeroGroupBox2");
    m_combinedLabel = label(m_combinedGroup, "Label3", QStringLiteral("تنظيمات پيشرفته"));
    m_byBank = checkBox(m_combinedGroup, "Check5", QStringLiteral("نام بانک"));
    m_combinedBank = choiceBox(m_combinedGroup, "Combo4", QStringLiteral("بانك"), {});
    m_byStatus = checkBox(m_combinedGroup, "Check1", QStringLiteral("وضعيت چک "));
    m_combinedStatus = choiceBox(m_combinedGroup, "Combo5", QStringLiteral("وضعيت"), {});
    m_byKind = checkBox(m_combinedGroup, "Check3", QStringLiteral("نوع چک"));
    m_combinedKind = choiceBox(m_combinedGroup, "Combo6", QStringLiteral("نوع"), {Received, Paid});
    m_byDates = checkBox(m_combinedGroup, "Check4", QStringLiteral("تاريخ چک"));
    m_combinedFromLabel = label(m_combinedGroup, "Label9", QStringLiteral("از"));
    m_combinedFrom = dateBox(m_combinedGroup, "MaskEdBox3", DateExample);
    m_combinedToLabel = label(m_combinedGroup, "Label10", QStringLiteral("تا "));
    m_combinedTo = dateBox(m_combinedGroup, "MaskEdBox4", DateExample);
    m_combinedGroup->hide();

    m_deciding = label(this, "choiceLine", QString());
    m_deciding->setWordWrap(true);
    m_deciding->setFrameShape(QFrame::StyledPanel);
    m_deciding->setMargin(4);

    m_previewButton = button(this, "AeroButton1", QStringLiteral("پيش نمايش چاپ اطلاعات"), Enter::Presses,
                             QStyle::SP_FileDialogContentsView);
    m_backButton = button(this, "AeroButton2", QStringLiteral("بازگشت"), Enter::Presses, QStyle::SP_DialogCloseButton);

    // Nothing can be previewed before a choice is made, and each field waits for its option.
    m_previewButton->setEnabled(false);
    enableAll({m_bank, m_status, m_kind, m_from, m_to, m_combinedBank, m_combinedStatus, m_combinedKind, m_combinedFrom,
               m_combinedTo},
              false);
}

void PrintSettingsDialog::buildLayout()
{
    auto* filters = new QGridLayout(m_filterGroup);
    filters->setColumnStretch(2, 1);
    filters->addWidget(m_option[6], 0, 0);
    filters->addWidget(m_bankLabel, 0, 1);
    filters->addWidget(m_bank, 0, 2, 1, 3);
    filters->addWidget(m_option[7], 1, 0);
    filters->addWidget(m_statusLabel, 1, 1);
    filters->addWidget(m_status, 1, 2, 1, 3);
    filters->addWidget(m_option[8], 2, 0);
    filters->addWidget(m_kindLabel, 2, 1);
    filters->addWidget(m_kind, 2, 2, 1, 3);
    auto* dates = new QHBoxLayout;
    dates->addWidget(m_from);
    dates->addSpacing(8);
    dates->addWidget(m_toLabel);
    dates->addWidget(m_to);
    dates->addStretch();
    filters->addWidget(m_option[9], 3, 0);
    filters->addWidget(m_fromLabel, 3, 1);
    filters->addLayout(dates, 3, 2, 1, 3);

    auto* orders = new QGridLayout(m_orderGroup);
    orders->addWidget(m_orderLabel, 0, 0, 1, 3);
    for (int i = 1; i <= 5; ++i)
        orders->addWidget(m_option[i], 1 + (i - 1) / 3, (i - 1) % 3);

    auto* combined = new QGridLayout(m_combinedGroup);
    combined->setColumnStretch(1, 1);
    combined->addWidget(m_combinedLabel, 0, 0, 1, 2);
    combined->addWidget(m_byBank, 1, 0);
    combined->addWidget(m_combinedBank, 1, 1);
    combined->addWidget(m_byStatus, 2, 0);
    combined->addWidget(m_combinedStatus, 2, 1);
    combined->addWidget(m_byKind, 3, 0);
    combined->addWidget(m_combinedKind, 3, 1);
    auto* combinedDates = new QHBoxLayout;
    combinedDates->addWidget(m_combinedFromLabel);
    combinedDates->addWidget(m_combinedFrom);
    combinedDates->addSpacing(8);
    combinedDates->addWidget(m_combinedToLabel);
    combinedDates->addWidget(m_combinedTo);
    combinedDates->addStretch();
    combined->addWidget(m_byDates, 4, 0);
    combined->addLayout(combinedDates, 4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_previewButton);
    buttons->addStretch();
    buttons->addWidget(m_backButton);

    auto* main = new QVBoxLayout(this);
    main->addWidget(m_filterGroup);
    main->addWidget(m_orderGroup);
    main->addWidget(m_combined);
    main->addWidget(m_combinedGroup);
    main->addStretch();
    main->addWidget(m_deciding);
    main->addLayout(buttons);
    main->addWidget(m_mode);
    // The combined search opens below the other choices; the dialog grows with it.
    main->setSizeConstraint(QLayout::SetFixedSize);
}

void PrintSettingsDialog::connectControls()
{
    for (int i = 6; i <= 9; ++i)
        connect(m_option[i], &QRadioButton::clicked, this, [this, i] { chooseFilter(i); });
    for (int i = 1; i <= 5; ++i)
        connect(m_option[i], &QRadioButton::clicked, this, &PrintSettingsDialog::chooseOrder);
    connect(m_combined, &QCheckBox::clicked, this, &PrintSettingsDialog::toggleCombined);
    connect(m_byBank, &QCheckBox::toggled, m_combinedBank, &QWidget::setEnabled);
    connect(m_byStatus, &QCheckBox::toggled, m_combinedStatus, &QWidget::setEnabled);
    connect(m_byKind, &QCheckBox::toggled, m_combinedKind, &QWidget::setEnabled);
    connect(m_byDates, &QCheckBox::toggled, m_combinedFrom, &QWidget::setEnabled);
    connect(m_byDates, &QCheckBox::toggled, m_combinedTo, &QWidget::setEnabled);
    connect(m_previewButton, &QPushButton::clicked, this, &PrintSettingsDialog::preview);
    connect(m_backButton, &QPushButton::clicked, this, &QDialog::reject);

    // Every choice may change which rule decides.
    for (int i = 1; i <= 9; ++i)
        connect(m_option[i], &QRadioButton::toggled, this, &PrintSettingsDialog::showDeciding);
    for (QCheckBox* box : {m_combined, m_byBank, m_byStatus, m_byKind, m_byDates})
        connect(box, &QCheckBox::toggled, this, &PrintSettingsDialog::showDeciding);
    for (QComboBox* combo : {m_bank, m_status, m_kind, m_combinedBank, m_combinedStatus, m_combinedKind})
        connect(combo, &QComboBox::currentTextChanged, this, &PrintSettingsDialog::showDeciding);
    for (DateBox* box : {m_from, m_to, m_combinedFrom, m_combinedTo})
        connect(box, &DateBox::textChanged, this, &PrintSettingsDialog::showDeciding);
    showDeciding();
}

void PrintSettingsDialog::showDeciding()
{
    m_deciding->setText(SelectionText::deciding(choice(), mode() == ArchiveMode));
}

// The combined search lists the banks and statuses the active cheques actually have.
void PrintSettingsDialog::loadLists()
{
    fillBanks(m_combinedBank);
    const QString text = m_combinedStatus->currentText();
    m_combinedStatus->clear();
    m_combinedStatus->addItems(ReportQueries::distinctStatuses(m_database));
    m_combinedStatus->setCurrentIndex(-1);
    m_combinedStatus->setEditText(text);
}

void PrintSettingsDialog::fillBanks(QComboBox* combo)
{
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(ReportQueries::distinctBanks(m_database));
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

void PrintSettingsDialog::setMode(const QString& mode)
{
    m_mode->setText(mode);
    applyMode();
}

QString PrintSettingsDialog::mode() const
{
    return m_mode->text();
}

void PrintSettingsDialog::showEvent(QShowEvent* event)
{
    applyMode();
    QDialog::showEvent(event);
}

// The archive report knows no combined search, so it is not offered there.
void PrintSettingsDialog::applyMode()
{
    const bool archive = mode() == ArchiveMode;
    m_combined->setVisible(!archive);
    m_combinedGroup->setVisible(!archive && m_combined->isChecked());
    showDeciding();
}

void PrintSettingsDialog::chooseFilter(int option)
{
    m_previewButton->setEnabled(true);
    m_bank->setEnabled(option == 6);
    m_status->setEnabled(option == 7);
    m_kind->setEnabled(option == 8);
    m_from->setEnabled(option == 9);
    m_to->setEnabled(option == 9);
    if (option == 6)
        fillBanks(m_bank);
}

void PrintSettingsDialog::chooseOrder()
{
    m_previewButton->setEnabled(true);
    // An order lists every cheque: the fields of the filters have nothing to say then.
    enableAll({m_bank, m_status, m_kind, m_from, m_to}, false);
}

void PrintSettingsDialog::toggleCombined(bool on)
{
    m_combinedGroup->setVisible(on && mode() != ArchiveMode);
    m_previewButton->setEnabled(on);
}

ReportQueries::ReportChoice PrintSettingsDialog::choice() const
{
    ReportQueries::ReportChoice choice;
    for (int i = 1; i <= 9; ++i)
        choice.option[size_t(i)] = m_option[i]->isChecked();
    choice.bank = m_bank->currentText();
    choice.status = m_status->currentText();
    choice.kind = m_kind->currentText();
    choice.from = m_from->text();
    choice.to = m_to->text();
    choice.combined = m_combined->isChecked();
    choice.byBank = m_byBank->isChecked();
    choice.byStatus = m_byStatus->isChecked();
    choice.byKind = m_byKind->isChecked();
    choice.byDates = m_byDates->isChecked();
    choice.combinedBank = m_combinedBank->currentText();
    choice.combinedStatus = m_combinedStatus->currentText();
    choice.combinedKind = m_combinedKind->currentText();
    choice.combinedFrom = m_combinedFrom->text();
    choice.combinedTo = m_combinedTo->text();
    return choice;
}

void PrintSettingsDialog::preview()
{
    const bool archive = mode() == ArchiveMode;
    if (!archive && mode() != ChequeMode)
        return;
    const ReportQueries::ReportChoice chosen = choice();
    const std::unique_ptr<ReportEngine> report =
        archive ? ChequeReports::archiveReport(m_database, chosen) : ChequeReports::chequeReport(m_database, chosen);
    if (!report) {
        Messages::show(this, !archive && chosen.combined ? NoCombination : NoRule);
        return;
    }
    ReportPreview::show(*report, this);
}
