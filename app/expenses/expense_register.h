#pragma once

#include <QDialog>

class Database;
class DataGrid;
class ExpenseBook;
class ExpenseEntryPanel;
class ExpenseFilterPanel;
class ExpenseKindsPanel;
class QLineEdit;

// The yearly expense register: the expense entries with their grand total, the kinds of
// expense, and the entry, kinds and filter groups that open beside the list one at a time.
// It is laid out at a designed size that the resizer scales.
class ExpenseRegister : public QDialog
{
    Q_OBJECT

public:
    explicit ExpenseRegister(Database& database, QWidget* parent = nullptr);

    ExpenseBook& book() const { return *m_book; }

    // Kinds and entries anew: the whole book in table order, the kind lists refilled, the total.
    void load();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildButtons(QWidget* area);
    void buildTotal(QWidget* area);
    // Column widths from the settings, each time the register comes to the front.
    void activate();
    void showTotal();
    void showPanel(QWidget* panel);

    void newEntry();
    void editEntry();
    void deleteEntry();
    void print();

    Database& m_database;
    ExpenseBook* m_book;
    DataGrid* m_grid = nullptr;
    QLineEdit* m_total = nullptr;
    ExpenseEntryPanel* m_entryPanel = nullptr;
    ExpenseKindsPanel* m_kindsPanel = nullptr;
    ExpenseFilterPanel* m_filterPanel = nullptr;
};
