#pragma once

#include <QDialog>

class QLineEdit;

// The owner's name ("1"/"2"), shown in the main window's title, the login window and the
// report headers. Saving tells the main window at once through ownerNameChanged.
class OwnerNameWindow : public QDialog
{
    Q_OBJECT

public:
    explicit OwnerNameWindow(QWidget* parent = nullptr);

    // The main window's title for an owner name: the name, five blanks and today's date
    // written out (form 3).
    static QString mainWindowTitle(const QString& ownerName);

signals:
    void ownerNameChanged(const QString& ownerName);

private:
    void save();

    QLineEdit* m_nameBox = nullptr;
};
