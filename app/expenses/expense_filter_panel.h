#pragma once

#include <QGroupBox>

class DateBox;
class ExpenseBook;
class QCheckBox;
class QComboBox;

// The filter and sort group of the expense register: the entries of one kind or of a date
// range (never both: checking one clears the other), or the list as it is in date or
// amount order.
class ExpenseFilterPanel : public QGroupBox
{
    Q_OBJECT

public:
    ExpenseFilterPanel(ExpenseBook& book, QWidget* parent = nullptr);

    void setKinds(const QStringList& names);
    void apply();

private:
    ExpenseBook& m_book;
    QCheckBox* m_byKind = nullptr;
    QComboBox* m_kind = nullptr;
    QCheckBox* m_byDates = nullptr;
    DateBox* m_from = nullptr;
    DateBox* m_to = nullptr;
    QCheckBox* m_sortByDate = nullptr;
    QCheckBox* m_sortByAmount = nullptr;
};
