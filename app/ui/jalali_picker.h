#pragma once

#include <QFrame>
#include <QList>
#include <QString>

class QLabel;
class QToolButton;

// A month of the Jalali calendar to pick a day from: the month name and year between
// buttons for the previous and next month, the weekdays from Saturday on, and the days in
// a grid of six weeks. Today is marked, the chosen day is checked. The arrows move the
// chosen day (across months too), Enter picks it and Escape closes a picker shown as a
// pop-up. Dates are converted only by the program's own calendar routines.
class JalaliPicker : public QFrame
{
    Q_OBJECT

public:
    explicit JalaliPicker(QWidget* parent = nullptr);

    // Shows the month of the date and checks its day; a date that does not exist shows today.
    void setDate(int year, int month, int day);
    // "yyyy/mm/dd"; a text that is not a whole date shows today's month.
    void setDate(const QString& date);

    int year() const { return m_year; }
    int month() const { return m_month; }
    // The checked day of the shown month.
    int day() const { return m_day; }
    QString dateText() const;

    // The button of a day of the shown month (1 to its length), or nullptr.
    QToolButton* dayButton(int day) const;
    QString title() const;

public slots:
    void showPreviousMonth();
    void showNextMonth();
    // Emits picked for the checked day and closes the pop-up.
    void pickCurrent();

signals:
    void picked(const QString& date);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showMonth(int year, int month, int day);
    void moveDays(int days);
    void refreshGrid();
    void closeIfPopup();

    QToolButton* m_previous;
    QToolButton* m_next;
    QLabel* m_title;
    QList<QToolButton*> m_cells;
    // The first cell that holds day 1.
    int m_firstCell = 0;
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
};
