#pragma once

#include <QDialog>

class Database;
class FolderBrowser;
class ProgressPacer;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The window that puts a backup file in the place of the database file (frmrecovery). The
// backup is checked before anything is replaced, and a restore that fails leaves the old
// database in place and says so. After a good restore restored() asks the lists to read
// the database again; the window stays open until its exit button.
class RestoreWindow : public QDialog
{
    Q_OBJECT

public:
    explicit RestoreWindow(Database& database, QWidget* parent = nullptr);

    // The pause between two of the fifty steps of the progress display, 100 ms at first.
    void setPacingInterval(int milliseconds);

    QString folder() const;
    bool setFolder(const QString& path);

signals:
    // The database file now holds the backup and is open again: every list refreshes.
    void restored();

protected:
    void reject() override;

private:
    void buildControls();
    void buildLayout();
    void folderChanged();
    void fileChosen(const QString& name);
    void listAgain();
    void restore();
    void restoreDone();
    void setBusy(bool busy);

    Database& m_database;
    FolderBrowser* m_browser;
    ProgressPacer* m_pacer;

    QLabel* m_instruction;
    QLabel* m_pathLabel;
    QLineEdit* m_path;
    QCheckBox* m_showHidden;
    QPushButton* m_restoreButton;
    QPushButton* m_exitButton;
    QProgressBar* m_progress;
};
