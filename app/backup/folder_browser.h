#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QTreeView;

// The drive, folder and file lists with which the backup and restore windows pick a place:
// the mounted volumes as drives (Drive1), the folders of the chosen drive as a tree (Dir1)
// and the files of the chosen folder that match a pattern (File1). The file list is read
// at once whenever it is refreshed, so what it shows is what the folder holds now.
class FolderBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit FolderBrowser(QWidget* parent = nullptr);

    QString folder() const { return m_folder; }
    // Moves the folder list to path and the drive list to its volume; false when path is no folder.
    bool setFolder(const QString& path);
    QString drive() const;
    // Moves the folder list to the root of a mounted drive; false when it is not one.
    bool setDrive(const QString& rootPath);

    // The pattern of the file list, "*.bak" or "*" for every file.
    void setPattern(const QString& pattern);
    void setShowHidden(bool show);
    void refreshFiles();
    QStringList files() const;
    // Puts the list's keyboard place on the first file, when there is one, without choosing it.
    void selectFirstFile();

    QListWidget* fileList() const { return m_files; }
    QTreeView* folderTree() const { return m_tree; }

    // folder and name with one separator between them, a root folder included.
    static QString joinPath(const QString& folder, const QString& name);

signals:
    void folderChanged(const QString& folder);
    // A file of the list was chosen by the user, by click or from the keyboard.
    void fileChosen(const QString& name);

private:
    static QString driveCaption(const QString& rootPath);
    void fillDrives();
    int driveIndex(const QString& rootPath) const;
    void showFolderInTree();
    void folderPicked();

    QComboBox* m_drives;
    QTreeView* m_tree;
    QFileSystemModel* m_model;
    QListWidget* m_files;
    QString m_folder;
    QString m_pattern;
    bool m_showHidden = false;
};
