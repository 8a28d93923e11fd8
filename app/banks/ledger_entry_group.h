#pragma once

#include <QGroupBox>

class DataControl;
class Database;
class DateBox;
class NumType;
class QComboBox;
class QLineEdit;
class QPushButton;

// The ledger entry group of the banks window: a debit or credit line with its description,
// date and amount, posted to the bank selected in the list. It stays open for the next line,
// keeping the kind, the date and the amount.
class LedgerEntryGroup : public QGroupBox
{
    Q_OBJECT

public:
    LedgerEntryGroup(Database& database, DataControl& banks, QWidget* parent = nullptr);

    // Shows the group with an empty description, date and amount.
    void open();

private:
    void putToday();
    void post();

    Database& m_database;
    DataControl& m_banks;

    QComboBox* m_kind;
    QLineEdit* m_description;
    DateBox* m_date;
    QPushButton* m_todayButton;
    NumType* m_amount;
    QPushButton* m_postButton;
    QPushButton* m_closeButton;
};
