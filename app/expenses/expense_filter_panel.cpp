#include "expenses/expense_filter_panel.h"

#include "data/expense_book.h"
#include "ui/date_box.h"
#include "ui/designed_layout.h"

#include <QCheckBox>
#include <QComboBox>

using namespace DesignedLayout;

ExpenseFilterPanel::ExpenseFilterPanel(ExpenseBook& book, QWidget* parent)
    : QGroupBox(QStringLiteral("مرتب سازي ليست"), parent), m_book(book)
{
    setObjectName(QStringLiteral("AeroGroupBox4"));
    resize(290, 330);

    m_byKind = place(named(new QCheckBox(QStringLiteral("بر اساس نوع هزينه"), this), "Check4"), 12, 30, 266, 26);
    m_kind = place(named(new QComboBox(this), "Combo2"), 34, 60, 244, 30);

    m_byDates = place(named(new QCheckBox(QStringLiteral("تاريخ"), this), "Check3"), 12, 102, 266, 26);
    place(label(this, "Label7", QStringLiteral("از تاريخ")), 34, 132, 60, 30);
    m_from = place(named(new DateBox(this), "MaskEdBox3"), 98, 132, 150, 30);
    place(label(this, "Label8", QStringLiteral("تا")), 34, 168, 60, 30);
    m_to = place(named(new DateBox(this), "MaskEdBox2"), 98, 168, 150, 30);

    m_sortByDate =
        place(named(new QCheckBox(QStringLiteral("مرتب سازي بر اساس تاريخ "), this), "Check1"), 12, 210, 266, 26);
    m_sortByAmount =
        place(named(new QCheckBox(QStringLiteral("مرتب سازي بر اساس مبلغ "), this), "Check2"), 12, 238, 266, 26);

    auto* apply = place(button(this, "AeroButton12", QStringLiteral("تاييد"), QString(), QStyle::SP_DialogApplyButton),
                        12, 282, 100, 34);
    auto* back = place(button(this, "AeroButton11", QStringLiteral("بازگشت")), 120, 282, 100, 34);
    back->setAutoDefault(false);

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
