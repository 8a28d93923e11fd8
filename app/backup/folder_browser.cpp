#include "backup/folder_browser.h"

#include "ui/list_dropper.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

FolderBrowser::FolderBrowser(QWidget* parent)
    : QWidget(parent), m_drives(new QComboBox(this)), m_tree(new QTreeView(this)), m_model(new QFileSystemModel(this)),
      m_files(new QListWidget(this)), m_pattern(QStringLiteral("*.bak"))
{
    m_drives->setObjectName(QStringLiteral("Drive1"));
    new ListDropper(m_drives);
    m_tree->setObjectName(QStringLiteral("Dir1"));
    m_files->setObjectName(QStringLiteral("File1"));

    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setReadOnly(true);
    m_tree->setModel(m_model);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_files->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_files->setSelectionMode(QAbstractItemView::SingleSelection);
    // Names of files and folders read from left to right; in a right-to-left list ".bak" would
    // come first.
    for (QWidget* view :
         {static_cast<QWidget*>(m_drives), static_cast<QWidget*>(m_tree), static_cast<QWidget*>(m_files)})
        view->setLayoutDirection(Qt::LeftToRight);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_drives, 0, 0);
    grid->addWidget(m_tree, 1, 0);
    grid->addWidget(m_files, 0, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    fillDrives();
    connect(m_drives, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { setDrive(m_drives->itemData(index).toString()); });
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderBrowser::folderPicked);
    // The folders come in on a thread of the model; the chosen one is shown once its parents are there.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
        if (m_folder.startsWith(path))
            QTimer::singleShot(0, this, &FolderBrowser::showFolderInTree);
    });
    connect(m_files, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { emit fileChosen(item->text()); });
    connect(m_files, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit fileChosen(item->text()); });
}

void FolderBrowser::fillDrives()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Single files mounted into a container's tree are no places to keep a backup.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots << volume.rootPath();
    }
    std::sort(roots.begin(), roots.end());
    roots.removeDuplicates();
    for (const QString& root : roots)
        m_drives->addItem(driveCaption(root), root);
}

// The combo box of drives lays its text out right to left with the window, whatever its own
// direction: isolated, a path keeps its leading "/" in front.
QString FolderBrowser::driveCaption(const QString& rootPath)
{
    return QStringLiteral("\u2066") + QDir::toNativeSeparators(rootPath) + QStringLiteral("\u2069");
}

int FolderBrowser::driveIndex(const QString& rootPath) const
{
    return m_drives->findData(rootPath);
}

QString FolderBrowser::drive() const
{
    return m_drives->currentData().toString();
}

bool FolderBrowser::setDrive(const QString& rootPath)
{
    return driveIndex(rootPath) >= 0 && setFolder(rootPath);
}

bool FolderBrowser::setFolder(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir())
        return false;
    const QString folder = QDir::cleanPath(info.absoluteFilePath());
    QString root = QStorageInfo(folder).rootPath();
    if (root.isEmpty())
        root = QDir::rootPath();
    if (driveIndex(root) < 0)
        m_drives->addItem(driveCaption(root), root);
    {
        const QSignalBlocker blocker(m_drives);
        m_drives->setCurrentIndex(driveIndex(root));
    }
    if (m_model->rootPath() != root)
        m_tree->setRootIndex(m_model->setRootPath(root));

    const bool changed = folder != m_folder;
    m_folder = folder;
    showFolderInTree();
    refreshFiles();
    if (changed)
        emit folderChanged(m_folder);
    return true;
}

void FolderBrowser::showFolderInTree()
{
    const QModelIndex index = m_model->index(m_folder);
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->expand(index);
    m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void FolderBrowser::folderPicked()
{
    const QString path = m_model->filePath(m_tree->currentIndex());
    if (!path.isEmpty() && QDir::cleanPath(path) != m_folder)
        setFolder(path);
}

void FolderBrowser::setPattern(const QString& pattern)
{
    m_pattern = pattern;
}

void FolderBrowser::setShowHidden(bool show)
{
    m_showHidden = show;
}

void FolderBrowser::refreshFiles()
{
    QDir::Filters filters = QDir::Files;
    if (m_showHidden)
        filters |= QDir::Hidden;
    m_files->clear();
    if (!m_folder.isEmpty())
        m_files->addItems(QDir(m_folder).entryList({m_pattern}, filters, QDir::Name | QDir::IgnoreCase));
}

QStringList FolderBrowser::files() const
{
    QStringList names;
    for (int row = 0; row < m_files->count(); ++row)
        names << m_files->item(row)->text();
    return names;
}

void FolderBrowser::selectFirstFile()
{
    // Only the keyboard's place: a file counts as chosen when the user picks it, so that no
    // backup is restored that the user did not point at.
    if (m_files->count() > 0)
        m_files->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

QString FolderBrowser::joinPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}
