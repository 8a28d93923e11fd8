#include "backup/restore_window.h"

#include "backup/folder_browser.h"
#include "backup/progress_pacer.h"
#include "data/database_copy.h"
#include "settings/settings_store.h"
#include "ui/messages.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

RestoreWindow::RestoreWindow(Database& database, QWidget* parent)
    : QDialog(parent), m_database(database), m_browser(new FolderBrowser(this))
{
    setObjectName(QStringLiteral("frmrecovery"));
    setWindowTitle(QStringLiteral("بازيابي نسخه پشتيبان بانک اطلاعات"));
    buildControls();
    buildLayout();
    m_pacer = new ProgressPacer(m_progress, this);

    connect(m_browser, &FolderBrowser::folderChanged, this, &RestoreWindow::folderChanged);
    connect(m_browser, &FolderBrowser::fileChosen, this, &RestoreWindow::fileChosen);
    connect(m_showHidden, &QCheckBox::toggled, this, &RestoreWindow::listAgain);
    connect(m_restoreButton, &QPushButton::clicked, this, &RestoreWindow::restore);
    connect(m_exitButton, &QPushButton::clicked, this, &RestoreWindow::reject);
    connect(m_pacer, &ProgressPacer::finished, this, &RestoreWindow::restoreDone);

    // Backups are looked for first where the last one was made.
    if (!m_browser->setFolder(SettingsStore::read(Settings::BackupFolder)))
        m_browser->setFolder(QDir::homePath());
    m_browser->selectFirstFile();
}

void RestoreWindow::buildControls()
{
    using namespace Widgets;
    m_instruction =
        label(this, "Label2", QStringLiteral("لطفا مسير بازيابي نسخه پشتيبان بانک اطلاعاتي را انتخاب کنيد"));
    m_pathLabel = label(this, "Label1", QStringLiteral("مسير کامل:"));
    m_path = pathBox(this, "Text1");
    m_showHidden = checkBox(this, "CHKhiden", QStringLiteral("نمايش فايل هاي مخفي"));
    m_restoreButton = button(this, "Command1", QStringLiteral("بازيابي"), Enter::Presses, QStyle::SP_BrowserReload);
    m_exitButton = button(this, "Command2", QStringLiteral("خروج"), Enter::Presses, QStyle::SP_DialogCloseButton);
    m_progress = named(new QProgressBar(this), "ProgressBar1");
}

void RestoreWindow::buildLayout()
{
    auto* form = new QFormLayout;
    form->addRow(m_pathLabel, m_path);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_restoreButton);
    buttons->addStretch();
    buttons->addWidget(m_exitButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_instruction);
    layout->addWidget(m_browser, 1);
    layout->addWidget(m_showHidden);
    layout->addLayout(form);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    resize(640, 460);
}

void RestoreWindow::setPacingInterval(int milliseconds)
{
    m_pacer->setInterval(milliseconds);
}

QString RestoreWindow::folder() const
{
    return m_browser->folder();
}

bool RestoreWindow::setFolder(const QString& path)
{
    return m_browser->setFolder(path);
}

void RestoreWindow::reject()
{
    // The restore is done once the progress runs; the window waits for its message.
    if (!m_pacer->isRunning())
        QDialog::reject();
}

void RestoreWindow::folderChanged()
{
    m_path->clear();
    m_browser->selectFirstFile();
}

void RestoreWindow::fileChosen(const QString& name)
{
    m_path->setText(FolderBrowser::joinPath(m_browser->folder(), name));
    m_path->selectAll();
}

void RestoreWindow::listAgain()
{
    m_browser->setShowHidden(m_showHidden->isChecked());
    m_browser->refreshFiles();
    m_browser->selectFirstFile();
}

void RestoreWindow::restore()
{
    const QString backup = m_path->text();
    if (backup.isEmpty()) {
        Messages::show(this, QStringLiteral("مسير فايل نسخه پشتيبان انتخاب نشده است"), Messages::Icon::Information,
                       windowTitle());
        return;
    }
    setCursor(Qt::WaitCursor);
    QString error;
    const bool done = DatabaseCopy::restore(m_database, backup, &error);
    unsetCursor();
    if (!done) {
        Messages::show(this,
                       QStringLiteral("نسخه پشتیبان بازیابی نشد و بانک اطلاعاتی پیشین سر جای خود ماند.\n") + error,
                       Messages::Icon::Critical, windowTitle());
        return;
    }
    emit restored();
    setBusy(true);
    m_pacer->start();
}

void RestoreWindow::restoreDone()
{
    setBusy(false);
    Messages::show(this, QStringLiteral("بازيابي نسخه پشتيبان با موفقيت به پايان رسيد"), Messages::Icon::Information,
                   windowTitle());
    m_progress->hide();
}

void RestoreWindow::setBusy(bool busy)
{
    m_restoreButton->setEnabled(!busy);
    m_exitButton->setEnabled(!busy);
}
