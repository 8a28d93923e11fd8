#pragma once

#include "data/expense_book.h"

#include <QGroupBox>

class QLineEdit;
class QListWidget;

// The kinds group of the expense register: the list of kinds, and the add-kind box inside
// it. A kind added here reaches the kind boxes of the entry and filter groups at the
// register's next load; a kind removed here stays in them until then.
class ExpenseKindsPanel : public QGroupBox
{
    Q_OBJECT

public:
    ExpenseKindsPanel(ExpenseBook& book, QWidget* parent = nullptr);

    void setKinds(const QList<ExpenseBook::Kind>& kinds);

private:
    void addItem(const ExpenseBook::Kind& kind);
    void openAddBox();
    void saveKind();
    void removeKind();

    ExpenseBook& m_book;
    QListWidget* m_list = nullptr;
    QGroupBox* m_addBox = nullptr;
    QLineEdit* m_name = nullptr;
};
