#pragma once

#include <QDialog>

class BankEditGroup;
class DataControl;
class DataGrid;
class Database;
class LedgerEntryGroup;

// The bank affairs window: the user's bank accounts, with a group to add or edit a bank, a
// group to post debit and credit lines to the selected bank, and the statement of that bank.
// A bank that has ledger lines cannot be deleted.
class BanksWindow : public QDialog
{
    Q_OBJECT

public:
    explicit BanksWindow(Database& database, QWidget* parent = nullptr);

    DataControl& banks() const { return *m_banks; }

    void deleteBank();
    // Opens the selected bank's statement modally; nothing without a selected bank.
    void openStatement();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    // What the window does each time it comes to the front: the column widths from the settings.
    void activate();

    Database& m_database;
    DataControl* m_banks;
    DataGrid* m_grid = nullptr;
    BankEditGroup* m_bankGroup = nullptr;
    LedgerEntryGroup* m_entryGroup = nullptr;
};
