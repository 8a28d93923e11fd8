#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTimer;
class SingleInstance;

// Takes the lock of the single running copy; when another copy holds it, or no lock can be made,
// tells the user so and returns false, and the caller ends the program before any window is shown.
bool ensureSingleCopy(SingleInstance& instance, QWidget* parent = nullptr);

// The first window of the program: the owner's name, today's date, a running clock and the
// password. Accepted when the stored password was typed; rejected when the user leaves or after
// the third wrong password, and the program then ends.
class LoginWindow : public QDialog
{
    Q_OBJECT

public:
    explicit LoginWindow(QWidget* parent = nullptr);

    static constexpr int MaxAttempts = 3;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void showTime();
    void enter();

    QLineEdit* m_ownerBox = nullptr;
    QLineEdit* m_dateBox = nullptr;
    QLineEdit* m_timeBox = nullptr;
    QLineEdit* m_passwordBox = nullptr;
    QPushButton* m_enterButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QTimer* m_clockTimer = nullptr;
    qint16 m_failedAttempts = 0;
};
