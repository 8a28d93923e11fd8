#pragma once

#include "data/register_location.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QSpinBox;

// Where the register is kept: this PC's file, or a database on a server that several PCs share
// (host, port, database, user). As the choice of the register it is stored in the settings and
// used from the next start; as the target of a move it is only given back. No password is ever
// asked here or stored: it comes from ~/.pgpass or is asked when the server wants it.
class RegisterWindow : public QDialog
{
    Q_OBJECT

public:
    enum class Purpose
    {
        Choose,
        MoveTarget,
    };

    RegisterWindow(Purpose purpose, const RegisterLocation& shown, QWidget* parent = nullptr);

    // What the window shows, as a location; false with a Persian reason when a server lacks a name.
    bool location(RegisterLocation* chosen, QString* error) const;

private:
    void accept() override;
    void showChoice();

    Purpose m_purpose;
    RegisterLocation m_shown;
    QRadioButton* m_local;
    QRadioButton* m_server;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QLineEdit* m_database;
    QLineEdit* m_user;
};
