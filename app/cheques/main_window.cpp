#include "cheques/main_window.h"

#include "cheques/cheque_entry_dialog.h"
#include "data/cheque_queries.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/tables.h"
#include "numtype.h"
#include "settings/settings_store.h"
#include "startup/owner_name_window.h"
#include "tolvan_resizer.h"
#include "ui/data_grid.h"
#include "ui/list_figures.h"
#include "ui/messages.h"
#include "ui/record_mode.h"
#include "ui/stored_color.h"
#include "words/number_format.h"

#include <QLineEdit>
#include <QMenuBar>

MainWindow::MainWindow(Database& database, QWidget* parent)
    : QMainWindow(parent), m_database(database), m_cheques(new DataControl(database, this))
{
    setObjectName(QStringLiteral("Form1"));
    buildControls();
    buildPanels();
    buildMenu();
    buildMenuBar();
    resize(designedSize() + QSize(0, menuBar()->sizeHint().height()));
    connectSearch();
    // The resizer records the designed layout at the first show and scales it from then on.
    auto* resizer = new Tolvan_Resizer(this);
    resizer->setFullscreen(false);
    m_grid->scaleColumnsWithWidth();
    connect(m_cheques, &DataControl::refreshed, this, &MainWindow::showFigures);
    load();
    addTrayIcon();
}

void MainWindow::load()
{
    m_cheques->setRecordSource(ChequeQueries::all());
    m_cheques->setTotal(ChequeTable::Amount);
    if (!m_cheques->refresh())
        Messages::show(
            this,
            FailureText::about(
                QStringLiteral("فهرست چک‌ها از بانک اطلاعاتی %1 خوانده نشد."),
                m_database.filePath(), m_cheques->errorText()),
            Messages::Icon::Critical);
    m_grid->restoreRowHeight();
    setWindowTitle(OwnerNameWindow::mainWindowTitle(SettingsStore::read(Settings::OwnerName)));
    applyAppearance();
    m_grid->restoreRowHeight();
}

void MainWindow::applyAppearance()
{
    QFont font = m_grid->font();
    const QString family = SettingsStore::read(Settings::ListFont);
    if (!family.trimmed().isEmpty())
        font.setFamily(family);
    double size = 0;
    if (SettingsStore::readDouble(Settings::ListFontSize, size) && size > 0)
        font.setPointSizeF(size);
    m_grid->setFont(font);

    QPalette palette = m_grid->palette();
    const QColor text = colorFromStored(SettingsStore::read(Settings::ListForeColor));
    if (text.isValid())
        palette.setColor(QPalette::Text, text);
    const QColor back = colorFromStored(SettingsStore::read(Settings::ListBackColor));
    if (back.isValid()) {
        palette.setColor(QPalette::Base, back);
        palette.setColor(QPalette::AlternateBase, back.darker(106));
    }
    m_grid->setPalette(palette);
}

void MainWindow::activate()
{
    m_cheques->setSort(QStringLiteral("Tch"));
    m_grid->restoreWidths();
    m_grid->restoreRowHeight();
    showFigures();
}

void MainWindow::showFigures()
{
    showListFigures(*m_cheques, m_total, m_totalWords, m_count);
    m_totalText->setText(GroupedNumber(m_total->value()));
}

int MainWindow::runModal(QDialog& dialog)
{
    const int result = dialog.exec();
    activate();
    return result;
}

void MainWindow::showSource(const RecordSource& source)
{
    m_cheques->setRecordSource(source);
    if (!m_cheques->refresh())
        showFigures(); // the list keeps the rows it had; so do its figures
}

void MainWindow::addCheque()
{
    ChequeEntryDialog dialog(m_database, *m_cheques, this);
    NewRecordMode = true;
    dialog.setWindowTitle(QStringLiteral(" اضافه کردن چک ..."));
    runModal(dialog);
}

void MainWindow::editCheque()
{
    if (!m_cheques->hasCurrent())
        return;
    ChequeEntryDialog dialog(m_database, *m_cheques, this);
    NewRecordMode = false;
    dialog.fillFromCurrent();
    dialog.setWindowTitle(QStringLiteral("ويرايش چک ..."));
    runModal(dialog);
}

void MainWindow::deleteCheque(bool fromMenu)
{
    if (!m_cheques->hasCurrent()) {
        if (!fromMenu)
            m_totalText->setText(GroupedNumber(m_total->value()));
        return;
    }
    const QString question = fromMenu ? QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد؟ ")
                                      : QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد! ");
    if (Messages::ask(this, question, m_cheques->value(ChequeTable::Description).toString())) {
        if (!m_cheques->deleteCurrent())
            Messages::show(this,
                           FailureText::about(QStringLiteral("چک از بانک اطلاعاتی %1 حذف نشد."), m_database.filePath(),
                                              m_cheques->errorText()),
                           Messages::Icon::Critical);
    }
    m_cheques->refresh();
    showFigures();
}

void MainWindow::printList()
{
    if (m_cheques->recordCount() == 0) {
        Messages::show(this, QStringLiteral(" .اطلاعاتي جهت مشاهده و چاب در بانک اطلاعاتي موجود نمي باشد "));
        return;
    }
    openPrintSettings(QStringLiteral("1"), *this);
}
