#pragma once

#include <QDialog>

class DataControl;
class DataGrid;
class Database;
class NumType;
class QLineEdit;

// The statement of one bank account: its ledger lines, manual ones and those of passed
// cheques alike, the debit and credit totals and the balance (credits less debits). Single
// lines can be deleted. Laid out at a designed size that the resizer scales.
class StatementWindow : public QDialog
{
    Q_OBJECT

public:
    StatementWindow(Database& database, qint64 bankId, const QString& bankName, QWidget* parent = nullptr);

    DataControl& lines() const { return *m_lines; }

public slots:
    // Reads the bank's lines again and recomputes the totals and the balance.
    void reload();
    // Asks, then deletes the current line; the list and the figures are read again either way.
    void deleteLine();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void showBalance(double balance);

    Database& m_database;
    qint64 m_bankId;
    DataControl* m_lines;
    DataGrid* m_grid = nullptr;
    NumType* m_debits = nullptr;
    NumType* m_credits = nullptr;
    QLineEdit* m_balance = nullptr;
};
