#pragma once

#include <QDialog>

class QLineEdit;

// Sets the one password of the program. It neither shows nor asks for the current password:
// whatever is saved, as typed, is what the login window asks for next, and an empty text
// removes the need for one.
class PasswordWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PasswordWindow(QWidget* parent = nullptr);

private:
    void save();

    QLineEdit* m_passwordBox = nullptr;
};
