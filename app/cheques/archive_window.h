#pragma once

#include <QDialog>

class DataControl;
struct RecordSource;
class DataGrid;
class Database;
class DateBox;
class NumType;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;

// The archive list: the archived cheques (T2) with their total, the total in words and
// their number, a search in one column or over a range of cheque dates, deletion of a row,
// and the way to the archive report. It is laid out at a designed size that the resizer
// scales. Each showing (and each return from the print settings) re-sorts the list by
// date, restores the column widths and recomputes the figures.
class ArchiveWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ArchiveWindow(Database& database, QWidget* parent = nullptr);

    DataControl& archive() const { return *m_archive; }

    // Date order, column widths from the settings, and the figures.
    void activate();

signals:
    // The print button or the pop-up menu's print item: the print settings window is to be
    // shown modally in its archive mode ("2"). The window is activated again after it.
    void printWanted();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildRangePanel();
    void buildFigures();
    void buildMenu();
    void load();
    void showFigures();
    void showSource(const RecordSource& source);
    void searchColumn();
    void chooseSearchColumn(int index);
    void searchDateRange();
    void closeRangePanel();
    void deleteArchived();
    void print();

    DataControl* m_archive;

    DataGrid* m_grid = nullptr;
    QComboBox* m_searchColumn = nullptr;
    QLineEdit* m_searchText = nullptr;
    QGroupBox* m_rangePanel = nullptr;
    DateBox* m_fromDate = nullptr;
    DateBox* m_toDate = nullptr;
    NumType* m_total = nullptr;
    QLabel* m_totalWords = nullptr;
    QLabel* m_count = nullptr;
    QMenu* m_listMenu = nullptr;
};
