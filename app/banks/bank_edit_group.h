#pragma once

#include <QGroupBox>

class DataControl;
class QLineEdit;
class QPushButton;

// The bank group of the banks window: the name, account number and branch of a bank, saved
// as a new bank or into the bank it was opened on. A new bank clears the boxes for the next
// one; the account number takes digits only.
class BankEditGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit BankEditGroup(DataControl& banks, QWidget* parent = nullptr);

    // Empty boxes for a new bank.
    void openNew();
    // The selected bank's columns, which every save then writes back to that bank, however
    // the list's selection moves meanwhile. Does nothing when no bank is selected.
    void openEdit();

private:
    void save();
    bool saveNew();
    bool saveEdit();
    void select(qint64 id);

    DataControl& m_banks;
    bool m_newBank = true;
    qint64 m_editId = -1;

    QLineEdit* m_name;
    QLineEdit* m_account;
    QLineEdit* m_branch;
    QPushButton* m_saveButton;
    QPushButton* m_cancelButton;
};
