#include "expenses/expense_filter_panel.h"

#include "data/expense_book.h"
#include "ui/date_box.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace Widgets;

ExpenseFilterPanel::ExpenseFilterPanel(ExpenseBook& book, QWidget* parent)
    : QGroupBox(QStringLiteral("مرتب سازي ليست"), parent), m_book(book)
{
    setObjectName(QStringLiteral("AeroGroupBox4"));
    resize(290, 330);

    m_byKind = place(checkBox(this, "Check4", QStringLiteral("بر اساس نوع هزينه")), 12, 30, 266, 26);
    m_kind = place(comboBox(this, "Combo2"), 34, 60, 244, 30);

    m_byDates = place(checkBox(this, "Check3", QStringLiteral("تاريخ")), 12, 102, 266, 26);
    place(label(this, "Label7", QStringLiteral("از تاريخ")), 34, 132, 60, 30);
    m_from = place(dateBox(this, "MaskEdBox3"), 98, 132, 150, 30);
    place(label(this, "Label8", QStringLiteral("تا")), 34, 168, 60, 30);
    m_to = place(dateBox(this, "MaskEdBox2"), 98, 168, 150, 30);

    m_sortByDate = place(checkBox(this, "Check1", QStringLiteral("مرتب سازي بر اساس تاريخ ")), 12, 210, 266, 26);
    m_sortByAmount = place(checkBox(this, "Check2", QStringLiteral("مرتب سازي بر اساس مبلغ ")), 12, 238, 266, 26);

    auto* apply =
        place(button(this, "AeroButton12", QStringLiteral("تاييد"), Enter::Presses, QStyle::SP_DialogApplyButton), 12,
              282, 100, 34);
    auto* back = place(button(this, "AeroButton11", QStringLiteral("بازگشت"), Enter::Presses), 120, 282, 100, 34);

    connect(m_byKind, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_byDates->setChecked(false);
    });
    connect(m_byDates, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            m_byKind->setChecked(false);
    });
    connect(apply, &QPushButton::clicked, this, &ExpenseFilterPanel::apply);
    connect(back, &QPushButton::clicked, this, &QWidget::hide);
}

void ExpenseFilterPanel::setKinds(const QStringList& names)
{
    m_kind->clear();
    m_kind->addItems(names);
    m_kind->setCurrentIndex(-1);
}

void ExpenseFilterPanel::apply()
{
    // A filter reads the list anew in date order, which replaces any order; of the two orders
    // the amount comes last and wins. So one query gives what the choices add up to.
    if (m_byKind->isChecked())
        m_book.showKind(m_kind->currentText());
    else if (m_byDates->isChecked())
        m_book.showDates(m_from->text(), m_to->text());
    else if (m_sortByAmount->isChecked())
        m_book.sortList(ExpenseBook::Order::Amount);
    else if (m_sortByDate->isChecked())
        m_book.sortList(ExpenseBook::Order::Date);
}
