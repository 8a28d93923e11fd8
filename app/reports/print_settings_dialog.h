#pragma once

#include "data/report_queries.h"

#include <QDialog>

class Database;
class DateBox;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The print settings: which cheques a printed list shows and in which order. One dialog
// serves the list of active cheques (mode "1") and the archive (mode "2"); the caller sets
// the mode before showing it. The preview button builds the report of the mode from the
// choices made here and shows it over the dialog, which stays open under it.
class PrintSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PrintSettingsDialog(Database& database, QWidget* parent = nullptr);

    // "1" for the active cheques, "2" for the archive; kept in the hidden label Label8.
    void setMode(const QString& mode);
    QString mode() const;

    // The choices as the reports read them.
    ReportQueries::ReportChoice choice() const;

public slots:
    // The preview button: builds the report of the mode and shows it, or tells the user to
    // choose a filter or an order when the choices give the report no rule.
    void preview();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();
    void loadLists();
    void applyMode();
    void chooseFilter(int option);
    void chooseOrder();
    void toggleCombined(bool on);
    void fillBanks(QComboBox* combo);
    void showDeciding();

    Database& m_database;
    QLabel* m_mode;
    QButtonGroup* m_options;
    // m_option[1..9] are Option1..Option9.
    QRadioButton* m_option[10] = {};
    QLabel* m_bankLabel;
    QComboBox* m_bank;
    QLabel* m_statusLabel;
    QComboBox* m_status;
    QLabel* m_kindLabel;
    QComboBox* m_kind;
    QLabel* m_fromLabel;
    DateBox* m_from;
    QLabel* m_toLabel;
    DateBox* m_to;
    QLabel* m_orderLabel;

    QCheckBox* m_combined;
    QGroupBox* m_combinedGroup;
    QLabel* m_combinedLabel;
    QCheckBox* m_byBank;
    QComboBox* m_combinedBank;
    QCheckBox* m_byStatus;
    QComboBox* m_combinedStatus;
    QCheckBox* m_byKind;
    QComboBox* m_combinedKind;
    QCheckBox* m_byDates;
    QLabel* m_combinedFromLabel;
    DateBox* m_combinedFrom;
    QLabel* m_combinedToLabel;
    DateBox* m_combinedTo;

    // Which choice will decide what the list shows.
    QLabel* m_deciding;
    QGroupBox* m_filterGroup;
    QGroupBox* m_orderGroup;
    QPushButton* m_previewButton;
    QPushButton* m_backButton;
};
