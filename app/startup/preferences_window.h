#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;

// The start-up options: the Persian keyboard at start ("Set"/"1"), starting at logon ("Set"/"2"
// and the autostart entry), the due-cheque reminder at start ("Set"/"3") and its day count
// ("Set"/"4"). The autostart entry follows its box at once; the settings are written on save.
class PreferencesWindow : public QDialog
{
    Q_OBJECT

public:
    // dataDir is the data folder in use, which a start at logon opens.
    explicit PreferencesWindow(const QString& dataDir, QWidget* parent = nullptr);

private:
    void buildControls();
    void load();
    void save();
    void startAtLogonToggled(bool on);

    QCheckBox* m_keyboardAtStart = nullptr;
    QCheckBox* m_startAtLogon = nullptr;
    QCheckBox* m_reminderAtStart = nullptr;
    QGroupBox* m_dayGroup = nullptr;
    QComboBox* m_dayCount = nullptr;
    QString m_dataDir;
};
