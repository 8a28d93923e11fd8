#include "backup/backup_window.h"

#include "backup/folder_browser.h"
#include "backup/progress_pacer.h"
#include "calendar/jalali.h"
#include "data/clock.h"
#include "data/database_copy.h"
#include "data/failure_text.h"
#include "settings/settings_store.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral("ساخت نسخه پشتيبان بانک اطلاعات");
const QString Extension = QStringLiteral(".bak");
// Characters a backup's name may not carry, as the name box refuses them.
const QString Forbidden = QStringLiteral("/:\\*|,?:");

} // namespace

BackupWindow::BackupWindow(Database& database, QWidget* parent)
    : QDialog(parent), m_database(database), m_browser(new FolderBrowser(this))
{
    setObjectName(QStringLiteral("frmdbsave"));
    setWindowTitle(Caption);
    buildControls();
    buildLayout();
    m_pacer = new ProgressPacer(m_progress, this);
    connectControls();

    m_browser->setFolder(QDir::homePath());
    m_name->setText(JalaliDateString(Clock::today()).remove(QLatin1Char('/')));
    m_name->selectAll();
}

void BackupWindow::buildControls()
{
    using namespace Widgets;
    m_instruction = label(this, "Label2", QStringLiteral("لطفا مسير ذخيره نسخه پشتيبان بانک اطلاعاتي را انتخاب کنيد"));
    m_nameLabel = label(this, "Label3", QStringLiteral("نام فايل نسخه پشتيبان"));
    m_name = textBox(this, "Text2");
    // Typed characters are refused with a word in eventFilter(); pasted text is held to the same rule.
    m_name->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^") + QRegularExpression::escape(Forbidden) + QStringLiteral("]*")),
        m_name));
    m_pathLabel = label(this, "Label1", QStringLiteral("مسير کامل:"));
    m_path = pathBox(this, "Text1");
    m_showAll = checkBox(this, "Chkall", QStringLiteral("نمايش همه(*.*)"));
    m_showHidden = checkBox(this, "CHKhiden", QStringLiteral("نمايش فايل هاي مخفي"));
    const Enter enter = Enter::Presses;
    m_saveButton = button(this, "Command1", QStringLiteral("ذخيره"), enter, QStyle::SP_DialogSaveButton);
    m_deleteButton = button(this, "Command4", QStringLiteral("حذف نسخه پشتيبان"), enter, QStyle::SP_TrashIcon);
    m_newFolderButton =
        button(this, "Command5", QStringLiteral("ايجاد فولدر جديد"), enter, QStyle::SP_FileDialogNewFolder);
    m_exitButton = button(this, "Command2", QStringLiteral("خروج از برنامه"), enter, QStyle::SP_DialogCloseButton);
    m_progress = named(new QProgressBar(this), "ProgressBar1");

    auto* deleteAction = new QAction(QStringLiteral("حذف بانک اطلاعاتي"), m_browser->fileList());
    deleteAction->setObjectName(QStringLiteral("DEL"));
    m_browser->fileList()->addAction(deleteAction);
    connect(deleteAction, &QAction::triggered, this, &BackupWindow::deleteBackup);
    auto* folderAction = new QAction(QStringLiteral("ايجاد پوشه جديد"), m_browser->folderTree());
    m_browser->folderTree()->addAction(folderAction);
    connect(folderAction, &QAction::triggered, this, &BackupWindow::newFolder);
}

void BackupWindow::buildLayout()
{
    auto* ticks = new QHBoxLayout;
    ticks->addWidget(m_showAll);
    ticks->addWidget(m_showHidden);
    ticks->addStretch();

    auto* form = new QFormLayout;
    form->addRow(m_nameLabel, m_name);
    form->addRow(m_pathLabel, m_path);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_deleteButton);
    buttons->addWidget(m_newFolderButton);
    buttons->addStretch();
    buttons->addWidget(m_exitButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_instruction);
    layout->addWidget(m_browser, 1);
    layout->addLayout(ticks);
    layout->addLayout(form);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    resize(680, 500);
}

void BackupWindow::connectControls()
{
    connect(m_browser, &FolderBrowser::folderChanged, this, &BackupWindow::folderChanged);
    connect(m_browser, &FolderBrowser::fileChosen, this, &BackupWindow::fileChosen);
    connect(m_name, &QLineEdit::textChanged, this, &BackupWindow::rebuildPath);
    m_name->installEventFilter(this);
    connect(m_showAll, &QCheckBox::toggled, this, &BackupWindow::listAgain);
    connect(m_showHidden, &QCheckBox::toggled, this, &BackupWindow::listAgain);
    connect(m_saveButton, &QPushButton::clicked, this, &BackupWindow::save);
    connect(m_deleteButton, &QPushButton::clicked, this, &BackupWindow::deleteBackup);
    connect(m_newFolderButton, &QPushButton::clicked, this, &BackupWindow::newFolder);
    connect(m_exitButton, &QPushButton::clicked, this, &BackupWindow::endProgram);
    connect(m_pacer, &ProgressPacer::finished, this, &BackupWindow::backupDone);
}

void BackupWindow::setPacingInterval(int milliseconds)
{
    m_pacer->setInterval(milliseconds);
}

QString BackupWindow::folder() const
{
    return m_browser->folder();
}

bool BackupWindow::setFolder(const QString& path)
{
    return m_browser->setFolder(path);
}

void BackupWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    applySavedPlace();
    m_name->selectAll();
    m_name->setFocus();
}

void BackupWindow::reject()
{
    // The copy is done once the progress runs; its message and the end of the program follow.
    if (!m_pacer->isRunning())
        QDialog::reject();
}

void BackupWindow::applySavedPlace()
{
    // The place of the last backup; a drive or folder that is gone leaves the lists as they are.
    m_browser->setDrive(SettingsStore::read(Settings::BackupDrive));
    m_browser->setFolder(SettingsStore::read(Settings::BackupFolder));
    m_browser->setFolder(SettingsStore::read(Settings::BackupChosenFolder));
}

void BackupWindow::savePlace()
{
    SettingsStore::write({{Settings::BackupDrive, m_browser->drive()},
                          {Settings::BackupFolder, m_browser->folder()},
                          {Settings::BackupChosenFolder, m_browser->folder()}});
}

void BackupWindow::rebuildPath()
{
    const QString name = m_name->text();
    const QString folder = m_browser->folder();
    m_path->setText(name.isEmpty() ? folder : FolderBrowser::joinPath(folder, name + Extension));
    m_path->setCursorPosition(m_path->text().size());
}

void BackupWindow::folderChanged()
{
    m_chosenFile.clear();
    // The focus stays where the user is: moving it away from the folder list would end a walk
    // through the folders with the arrow keys after one step.
    rebuildPath();
    m_deleteButton->setEnabled(!m_browser->files().isEmpty());
}

bool BackupWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_name && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && Forbidden.contains(typed)) {
            Messages::show(this,
                           QStringLiteral("کارکتر ") + typed +
                               QStringLiteral(" براي نامگذاري معتبر نمي باشد لطفا از کارکترهاي ديگر استفاده کنيد"),
                           Messages::Icon::Information, windowTitle());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void BackupWindow::fileChosen(const QString& name)
{
    m_chosenFile = name;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    m_name->setText(dot >= 0 ? name.left(dot) : name);
    m_name->selectAll();
    m_name->setFocus();
    m_deleteButton->setEnabled(true);
}

void BackupWindow::listAgain()
{
    m_browser->setPattern(m_showAll->isChecked() ? QStringLiteral("*") : QStringLiteral("*.bak"));
    m_browser->setShowHidden(m_showHidden->isChecked());
    m_browser->refreshFiles();
    m_browser->selectFirstFile();
    if (!m_browser->files().contains(m_chosenFile))
        m_chosenFile.clear();
}

void BackupWindow::save()
{
    const QString name = m_name->text();
    if (name.isEmpty()) {
        Messages::show(this, QStringLiteral("نام فايل نسخه پشتيبان را وارد کنيد"), Messages::Icon::Information,
                       QStringLiteral("اخطار"));
        m_name->setFocus();
        return;
    }
    const QString target = m_path->text();
    if (QFileInfo::exists(target) &&
        !Messages::ask(this,
                       QStringLiteral("فايلي با نام ") + name +
                           QStringLiteral(" وجود دارد آيا مايل به جايگزيني اين فايل هستيد؟ "),
                       windowTitle())) {
        m_name->selectAll();
        m_name->setFocus();
        return;
    }
    // The old backup is not deleted first: the new copy takes its name only once it is
    // complete, so a copy that fails leaves the old one as it was.
    setCursor(Qt::WaitCursor);
    QString error;
    const bool copied = DatabaseCopy::backup(m_database, target, &error);
    unsetCursor();
    if (!copied) {
        Messages::show(this, QStringLiteral("نسخه پشتیبان ساخته نشد.\n") + error, Messages::Icon::Critical,
                       windowTitle());
        return;
    }
    setBusy(true);
    m_pacer->start();
    savePlace();
}

void BackupWindow::backupDone()
{
    m_browser->refreshFiles();
    Messages::show(this, QStringLiteral("ايجاد نسخه پشتيبان با موفقيت به پايان رسيد"), Messages::Icon::Information,
                   windowTitle());
    endProgram();
}

QString BackupWindow::fileToDelete() const
{
    // The file picked in the list, by its own name: with every file shown, "x.txt" and "x.bak"
    // have the same name in the name box.
    if (!m_chosenFile.isEmpty() && m_browser->files().contains(m_chosenFile))
        return m_chosenFile;
    // Without a pick, the backup the name box names, when it is there.
    const QFileInfo typed(m_path->text());
    if (!m_name->text().isEmpty() && typed.isFile() && m_browser->files().contains(typed.fileName()))
        return typed.fileName();
    return QString();
}

void BackupWindow::deleteBackup()
{
    const QString name = fileToDelete();
    if (m_browser->files().isEmpty() || name.isEmpty()) {
        Messages::show(this, QStringLiteral("فايلي براي حذف اطلاعات وجود ندارد"));
        return;
    }
    if (!Messages::ask(this, QStringLiteral("آيا مايل به حذف اين فايل ") + name + QStringLiteral(" هستيد؟ ")))
        return;
    const QString path = FolderBrowser::joinPath(m_browser->folder(), name);
    if (!QFileInfo(path).isFile() || !QFile::remove(path))
        Messages::show(this, QStringLiteral("فایل %1 حذف نشد.").arg(FailureText::quotedPath(path)),
                       Messages::Icon::Critical);
    m_chosenFile.clear();
    m_browser->refreshFiles();
    m_deleteButton->setEnabled(!m_browser->files().isEmpty());
}

void BackupWindow::newFolder()
{
    const QString answer = Messages::input(this, QStringLiteral("لطفا نام فولدر جديد را بنويسيد"),
                                           QStringLiteral("نام فولدر جديد"), QStringLiteral("نسخه پشتيبان"));
    const QString folder = m_browser->folder();
    if (answer.isEmpty() || QFileInfo::exists(FolderBrowser::joinPath(folder, answer)))
        return;
    if (!QDir(folder).mkdir(answer))
        Messages::show(
            this,
            QStringLiteral("پوشه %1 ساخته نشد.").arg(FailureText::quotedPath(FolderBrowser::joinPath(folder, answer))),
            Messages::Icon::Critical);
}

void BackupWindow::endProgram()
{
    emit quitRequested();
    done(QDialog::Accepted);
}

void BackupWindow::setBusy(bool busy)
{
    for (QWidget* widget : {static_cast<QWidget*>(m_saveButton), static_cast<QWidget*>(m_deleteButton),
                            static_cast<QWidget*>(m_newFolderButton), static_cast<QWidget*>(m_exitButton)})
        widget->setEnabled(!busy);
}
