#pragma once

#include <QDialog>

class DataControl;
class Database;
class QLabel;

// Tells the user, in one sentence, how many cheques are dated on the day that lies the chosen
// number of days ahead ("Set"/"4"). Each opening counts afresh; the window lists no rows.
class ReminderWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ReminderWindow(Database& database, QWidget* parent = nullptr);

    // The number shown; -1 when the cheques could not be read.
    int dueCount() const { return m_dueCount; }

    // True when the preferences ask for the reminder while the program starts ("Set"/"3" is 1).
    static bool wantedAtStart();
    // Shows the reminder modally when it is wanted at start; true when it was shown.
    static bool showAtStartIfWanted(Database& database, QWidget* parent = nullptr);

private:
    void buildControls();
    void count();

    DataControl* m_cheques;
    QLabel* m_days = nullptr;
    QLabel* m_count = nullptr;
    int m_dueCount = -1;
};
