#pragma once

#include "data/expense_book.h"

#include <QGroupBox>

class DateBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The entry group of the expense register: date, kind, description and amount of one entry.
// Whether a save adds or edits is the program-wide NewRecordMode, read when saving. In new
// mode the group stays open for the next entry; in edit mode every save goes to the entry
// the group was opened on, however the list moves meanwhile, and the group closes.
class ExpenseEntryPanel : public QGroupBox
{
    Q_OBJECT

public:
    ExpenseEntryPanel(ExpenseBook& book, QWidget* parent = nullptr);

    // The kind box lists these names and its text is emptied.
    void setKinds(const QStringList& names);
    // Empty description and amount, today's date.
    void prepareNew();
    void prepareEdit(qint64 id, const ExpenseBook::Entry& entry);
    // Focuses the date with its whole text selected, so that typing replaces it.
    void focusDate();

signals:
    // An entry was written; the register lists the book anew.
    void saved();

private:
    void buildControls();
    void connectControls();
    // The amount box keeps its digits grouped in threes with the caret at the end.
    void regroupAmount();
    ExpenseBook::Entry boxes() const;
    void save();

    ExpenseBook& m_book;
    qint64 m_editId = -1;
    DateBox* m_date = nullptr;
    QComboBox* m_kind = nullptr;
    QLineEdit* m_description = nullptr;
    QLineEdit* m_amount = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_back = nullptr;
};
