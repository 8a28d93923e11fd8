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

// The window that copies the database file to a backup file "<name>.bak" in a folder the
// user picks (frmdbsave). It is shown when the main window is closed and from its menu.
// After a complete copy and its message it asks for the end of the program; its exit
// button asks for it at once. A copy that fails is reported and the program goes on.
class BackupWindow : public QDialog
{
    Q_OBJECT

public:
    explicit BackupWindow(Database& database, QWidget* parent = nullptr);

    // The pause between two of the fifty steps of the progress display, 100 ms at first.
    void setPacingInterval(int milliseconds);

    QString folder() const;
    bool setFolder(const QString& path);

signals:
    // The program is to end now; the window closes itself (accepted) right after.
    void quitRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();
    void applySavedPlace();
    void savePlace();
    void rebuildPath();
    void folderChanged();
    void fileChosen(const QString& name);
    void listAgain();
    void save();
    void backupDone();
    QString fileToDelete() const;
    void deleteBackup();
    void newFolder();
    void endProgram();
    void setBusy(bool busy);

    Database& m_database;
    FolderBrowser* m_browser;
    ProgressPacer* m_pacer;

    QLabel* m_instruction;
    QLabel* m_nameLabel;
    QLineEdit* m_name;
    QLabel* m_pathLabel;
    QLineEdit* m_path;
    QCheckBox* m_showAll;
    QCheckBox* m_showHidden;
    QPushButton* m_saveButton;
    QPushButton* m_deleteButton;
    QPushButton* m_newFolderButton;
    QPushButton* m_exitButton;
    QProgressBar* m_progress;
    // The file last picked in the list, with its extension; "" when none is picked.
    QString m_chosenFile;
};
