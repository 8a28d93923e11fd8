#pragma once

#include "data/data_control.h"

#include <QDialog>

class Database;
class DateBox;
class NumType;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The dialog in which a cheque is recorded or changed. It writes through the main window's
// data control and refreshes it, so the list and its figures follow at once. Whether it adds
// or edits is the program-wide NewRecordMode, read when saving; in new mode it stays open for
// any number of cheques, in edit mode every save goes to the cheque it was opened on.
class ChequeEntryDialog : public QDialog
{
    Q_OBJECT

public:
    ChequeEntryDialog(Database& db, DataControl& cheques, QWidget* parent = nullptr);

    // For editing: the boxes take the current cheque of the main list, which stays the
    // target of every save until the dialog closes, however the list moves meanwhile.
    void fillFromCurrent();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();
    void loadBankNames();
    void focusEntryDate();
    void putToday();
    void showHelp();
    void save();
    // What the boxes hold, as the columns they are stored in (all but the bank key and the status).
    Fields boxFields() const;
    bool saveNew();
    bool saveEdit();
    // The Id of the bank whose name is exactly `name`; null when there is none.
    QVariant bankId(const QString& name);

    Database& m_database;
    DataControl& m_cheques;
    // The cheque being edited as the list showed it: the edit lands only while it still holds that.
    ShownRow m_shown;

    QLabel* m_entryDateLabel;
    DateBox* m_entryDate;
    QLabel* m_chequeDateLabel;
    DateBox* m_chequeDate;
    QPushButton* m_todayButton;
    QLabel* m_numberLabel;
    QLineEdit* m_number;
    QLabel* m_bankLabel;
    QComboBox* m_bank;
    QLabel* m_typeLabel;
    QComboBox* m_type;
    QLabel* m_amountLabel;
    NumType* m_amount;
    QLabel* m_amountWords;
    QLabel* m_descriptionLabel;
    QLineEdit* m_description;
    QLabel* m_remarksLabel;
    QLineEdit* m_remarks;
    QLabel* m_helpLink;
    QPushButton* m_saveButton;
    QPushButton* m_closeButton;
};
