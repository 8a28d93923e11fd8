// The ways the main list is narrowed and ordered: a live search in one column, a range of
// cheque dates, the quick filter, the sort panel and the column headers.
#include "cheques/main_window.h"

#include "calendar/jalali.h"
#include "data/cheque_queries.h"
#include "data/clock.h"
#include "data/data_control.h"
#include "ui/data_grid.h"
#include "ui/date_box.h"
#include "ui/enter_path.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
const char* const SortValues[] = {"tch", "prd", "Nbank", "Mab", "Tv", "v"};
}

void MainWindow::connectSearch()
{
    connect(m_searchText, &QLineEdit::textChanged, this, &MainWindow::searchText);
    connect(m_searchColumn, qOverload<int>(&QComboBox::activated), this, &MainWindow::chooseSearchColumn);
    connect(m_toDate, &DateBox::textChanged, this, &MainWindow::searchDateRange);
    moveFocusOnEnter(m_fromDate, m_toDate);
    // Starting a range shows every cheque in date order until the range is complete.
    m_fromDate->edit()->installEventFilter(this);
    connect(m_quickFilter, qOverload<int>(&QComboBox::activated), this, &MainWindow::quickFilter);
    connect(m_grid, &DataGrid::headerClicked, this, &MainWindow::sortByHeader);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_fromDate->edit() && event->type() == QEvent::FocusIn)
        showSource(ChequeQueries::byDate());
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::searchText()
{
    const int choice = m_searchColumn->currentIndex();
    if (choice >= 0 && choice < ChequeQueries::SearchColumns) {
        showSource(ChequeQueries::textSearch(choice, m_searchText->text()));
    } else {
        showSource(ChequeQueries::all());
    }
}

void MainWindow::chooseSearchColumn(int index)
{
    const bool range = index == ChequeQueries::DateRangeChoice;
    if (!range)
        m_cheques->warmSearch(ChequeQueries::textSearch(index, QString()));
    m_searchText->setFocus();
    m_searchText->clear();
    m_searchText->setVisible(!range);
    for (QWidget* widget : {static_cast<QWidget*>(m_fromDate), static_cast<QWidget*>(m_toDate),
                            static_cast<QWidget*>(m_fromLabel), static_cast<QWidget*>(m_toLabel)})
        widget->setVisible(range);
    if (range) {
        m_fromDate->clear();
        m_toDate->clear();
        m_fromDate->setFocus();
    } else {
        m_searchText->setFocus();
    }
}

void MainWindow::searchDateRange()
{
    if (m_searchColumn->currentIndex() != ChequeQueries::DateRangeChoice)
        return;
    showSource(ChequeQueries::dateRange(m_fromDate->text(), m_toDate->text()));
}

void MainWindow::quickFilter(int index)
{
    RecordSource source = ChequeQueries::all();
    if (index == 1)
        source = ChequeQueries::dated(JalaliDateString(Clock::today(), 0));
    else if (index == 2)
        source = ChequeQueries::ofType(m_searchText->text());
    showSource(source);
}

void MainWindow::sortFromPanel()
{
    for (int i = 0; i < m_sortOptions.size(); ++i) {
        if (m_sortOptions.at(i)->isChecked())
            m_cheques->setSort(QString::fromLatin1(SortValues[i]));
    }
    m_sortPanel->hide();
}

void MainWindow::sortByHeader(int column)
{
    const QString field = m_grid->fieldOf(column);
    if (field.isEmpty())
        return;
    const bool ascending = m_cheques->sort() == field + QStringLiteral(" ASC");
    m_cheques->setSort(field + (ascending ? QStringLiteral(" DESC") : QStringLiteral(" ASC")));
}
