#pragma once

#include <QMainWindow>
#include <QPalette>

class DataControl;
struct SettingKey;
struct RecordSource;
class DataGrid;
class Database;
class DateBox;
class NumType;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QSystemTrayIcon;

// The main window: the active cheques with their count, total and total in words, the
// search, filter and sort of that list, and the buttons and menus that open every other
// window. It is laid out at a designed size that the resizer scales.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Database& database, QWidget* parent = nullptr);

    DataControl& cheques() const { return *m_cheques; }

    // What the window does each time it comes back to the front after a modal window:
    // cheque-date order, column widths and row height from the settings, and the figures.
    void activate();

    void addCheque();
    void editCheque();
    void deleteCheque(bool fromMenu);

    // The status panel and the list's archive item, on the current cheque.
    void passCheque();
    void voidCheque();
    void resetCheque();
    void storeCustomStatus();
    void archiveCheque();

    // The windows of the buttons and the commands of the menu bar.
    void openArchive();
    void openBanks();
    void openPasswordWindow();
    void openOwnerName();
    void chooseListBackground();
    void chooseListForeground();
    void openListFont();
    void openPreferences();
    void openBackup();
    void openRestore();
    // Where the register is kept, from the next start; and a move of this register into an
    // empty one elsewhere.
    void openRegisterChoice();
    void moveRegister();
    void exportList();
    void openReminder();
    void openExpenses();
    void openAbout();

    // The orderly end of the program: the tray icon goes and the event loop ends.
    void quitProgram();

    // Shows a window of the program modally and activates the main window again after it.
    int runModal(QDialog& dialog);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QSize designedSize();
    void buildControls();
    void buildPanels();
    void buildMenu();
    void buildMenuBar();
    void addTrayIcon();
    void chooseListColor(QPalette::ColorRole role, const SettingKey& setting);
    void connectSearch();
    void load();
    void applyAppearance();
    void showFigures();
    void showSource(const RecordSource& source);
    void searchText();
    void chooseSearchColumn(int index);
    void searchDateRange();
    void quickFilter(int index);
    void sortFromPanel();
    void sortByHeader(int column);
    void printList();
    // The print settings window over parent, for the cheque list ("1") or the archive ("2").
    void openPrintSettings(const QString& mode, QWidget& parent);
    void settleCheque(const QString& question, bool pass);
    void showStatusChange();

    Database& m_database;
    DataControl* m_cheques;

    DataGrid* m_grid = nullptr;
    QComboBox* m_searchColumn = nullptr;
    QLineEdit* m_searchText = nullptr;
    DateBox* m_fromDate = nullptr;
    DateBox* m_toDate = nullptr;
    QLabel* m_fromLabel = nullptr;
    QLabel* m_toLabel = nullptr;
    QComboBox* m_quickFilter = nullptr;

    NumType* m_total = nullptr;
    QLabel* m_totalWords = nullptr;
    QLabel* m_count = nullptr;
    QLineEdit* m_totalText = nullptr;

    QGroupBox* m_statusPanel = nullptr;
    QGroupBox* m_customPanel = nullptr;
    QLineEdit* m_customText = nullptr;
    QGroupBox* m_sortPanel = nullptr;
    QList<QRadioButton*> m_sortOptions;

    QMenu* m_listMenu = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    bool m_quitting = false;
};
