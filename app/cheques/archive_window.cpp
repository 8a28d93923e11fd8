#include "cheques/archive_window.h"

#include "data/archive_queries.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/failure_text.h"
#include "data/tables.h"
#include "tolvan_resizer.h"
#include "ui/data_grid.h"
#include "ui/date_box.h"
#include "ui/list_figures.h"
#include "ui/messages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

ArchiveWindow::ArchiveWindow(Database& database, QWidget* parent)
    : QDialog(parent), m_archive(new DataControl(database, this))
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("ليست بايگاني"));
    buildControls();
    buildMenu();
    // The resizer records the designed layout at the first show and scales it from then on.
    auto* resizer = new Tolvan_Resizer(this);
    resizer->setFullscreen(false);
    m_grid->scaleColumnsWithWidth();

    connect(m_searchText, &QLineEdit::textChanged, this, &ArchiveWindow::searchColumn);
    connect(m_searchColumn, qOverload<int>(&QComboBox::activated), this, &ArchiveWindow::chooseSearchColumn);
    connect(m_toDate, &DateBox::textChanged, this, &ArchiveWindow::searchDateRange);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton2")), &QPushButton::clicked, this,
            &ArchiveWindow::closeRangePanel);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton3")), &QPushButton::clicked, this,
            &ArchiveWindow::deleteArchived);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton4")), &QPushButton::clicked, this, &ArchiveWindow::print);
    connect(findChild<QPushButton*>(QStringLiteral("AeroButton1")), &QPushButton::clicked, this, &QDialog::reject);
    load();
}

void ArchiveWindow::load()
{
    m_archive->setRecordSource(ArchiveQueries::all());
    m_archive->setTotal(ArchiveTable::Amount, ArchiveQueries::TotalReading);
    if (!m_archive->refresh())
        Messages::show(this,
                       FailureText::about(QStringLiteral("ليست بايگاني از بانک اطلاعاتی %1 خوانده نشد."),
                                          m_archive->database().filePath(), m_archive->errorText()),
                       Messages::Icon::Critical);
}

void ArchiveWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        activate();
}

void ArchiveWindow::activate()
{
    m_archive->setSort(ArchiveTable::Date);
    m_grid->restoreWidths();
    showFigures();
}

void ArchiveWindow::showFigures()
{
    m_archive->setCurrentRow(0);
    showListFigures(*m_archive, m_total, m_totalWords, m_count);
}

void ArchiveWindow::showSource(const RecordSource& source)
{
    m_archive->setRecordSource(source);
    // On failure the list keeps the rows it had; so do its figures.
    m_archive->refresh();
    showFigures();
}

void ArchiveWindow::searchColumn()
{
    const int choice = m_searchColumn->currentIndex();
    if (choice < 0 || choice >= ArchiveQueries::SearchColumns) {
        // With no column chosen the list stays as it is; the whole archive comes back at the
        // next refresh.
        m_archive->setRecordSource(ArchiveQueries::all());
        showFigures();
        return;
    }
    showSource(ArchiveQueries::columnSearch(choice, m_searchText->text()));
}

void ArchiveWindow::chooseSearchColumn(int index)
{
    // The column is read into memory while the user types the first letters.
    m_archive->warmSearch(ArchiveQueries::columnSearch(index, QString()));
    m_searchText->setFocus();
    m_searchText->clear();
}

void ArchiveWindow::searchDateRange()
{
    showSource(ArchiveQueries::dateRange(m_fromDate->text(), m_toDate->text()));
}

void ArchiveWindow::closeRangePanel()
{
    m_rangePanel->hide();
    m_archive->refresh();
    showFigures();
}

void ArchiveWindow::deleteArchived()
{
    if (m_archive->hasCurrent()) {
        if (Messages::ask(this, QStringLiteral(" آيا مطمئن به حذف اين گزينه از ليست هستيد؟ "),
                          m_archive->value(ArchiveTable::Description).toString())) {
            if (!m_archive->deleteCurrent())
                Messages::show(this,
                               FailureText::about(QStringLiteral("چک از ليست بايگاني بانک اطلاعاتی %1 حذف نشد."),
                                                  m_archive->database().filePath(), m_archive->errorText()),
                               Messages::Icon::Critical);
        }
        m_archive->refresh();
    }
    showFigures();
}

void ArchiveWindow::print()
{
    emit printWanted();
    // Coming back from the print settings brings this window to the front again.
    activate();
}
