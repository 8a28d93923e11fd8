#include "ui/jalali_picker.h"

#include "calendar/jalali.h"
#include "data/clock.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int Weeks = 6;
constexpr int DaysInWeek = 7;
constexpr int FirstYear = 1332;
constexpr int LastYear = 9999;

// The initials of the weekdays, Saturday first, as Persian calendars head their columns.
const QStringList& weekdayInitials()
{
    static const QStringList initials = {QStringLiteral("ش"), QStringLiteral("ي"), QStringLiteral("د"),
                                         QStringLiteral("س"), QStringLiteral("چ"), QStringLiteral("پ"),
                                         QStringLiteral("ج")};
    return initials;
}

// Columns start on Saturday; QDate counts Monday as 1 and Sunday as 7.
int columnOf(const QDate& date)
{
    return (date.dayOfWeek() + 1) % DaysInWeek;
}

bool todayInJalali(int& year, int& month, int& day)
{
    return DateToJalali(Clock::today(), year, month, day);
}

QToolButton* headerButton(QStyle::StandardPixmap icon, const QString& tip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

JalaliPicker::JalaliPicker(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFocusPolicy(Qt::StrongFocus);
    setLayoutDirection(Qt::RightToLeft);

    // Right to left, the earlier month lies on the right, so its arrow points right.
    m_previous = headerButton(QStyle::SP_ArrowRight, QStringLiteral("ماه قبل"), this);
    m_next = headerButton(QStyle::SP_ArrowLeft, QStringLiteral("ماه بعد"), this);
    m_title = new QLabel(this);
    m_title->setAlignment(Qt::AlignCenter);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    connect(m_previous, &QToolButton::clicked, this, &JalaliPicker::showPreviousMonth);
    connect(m_next, &QToolButton::clicked, this, &JalaliPicker::showNextMonth);

    auto* header = new QHBoxLayout;
    header->addWidget(m_previous);
    header->addWidget(m_title, 1);
    header->addWidget(m_next);

    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    const QDate aSaturday(2024, 3, 23);
    for (int column = 0; column < DaysInWeek; ++column) {
        auto* label = new QLabel(weekdayInitials().at(column), this);
        label->setAlignment(Qt::AlignCenter);
        label->setToolTip(JalaliWeekdayName(aSaturday.addDays(column)));
        label->setForegroundRole(QPalette::PlaceholderText);
        grid->addWidget(label, 0, column);
    }
    const int cellWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    for (int cell = 0; cell < Weeks * DaysInWeek; ++cell) {
        auto* button = new QToolButton(this);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(cellWidth);
        connect(button, &QToolButton::clicked, this, [this, cell] {
            const int day = cell - m_firstCell + 1;
            if (day < 1 || day > JalaliMonthLength(m_year, m_month))
                return;
            m_day = day;
            refreshGrid();
            pickCurrent();
        });
        grid->addWidget(button, 1 + cell / DaysInWeek, cell % DaysInWeek);
        m_cells << button;
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(header);
    layout->addLayout(grid);

    setDate(QString());
}

void JalaliPicker::setDate(int year, int month, int day)
{
    if (year > LastYear || !JalaliToDate(year, month, day).isValid()) {
        if (!todayInJalali(year, month, day)) {
            year = FirstYear;
            month = 1;
            day = 1;
        }
    }
    showMonth(year, month, day);
}

void JalaliPicker::setDate(const QString& date)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{4})/(\\d{1,2})/(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch match = form.match(date);
    if (match.hasMatch())
        setDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    else
        setDate(0, 0, 0);
}

QString JalaliPicker::dateText() const
{
    return QStringLiteral("%1/%2/%3")
        .arg(m_year, 4, 10, QLatin1Char('0'))
        .arg(m_month, 2, 10, QLatin1Char('0'))
        .arg(m_day, 2, 10, QLatin1Char('0'));
}

QToolButton* JalaliPicker::dayButton(int day) const
{
    if (day < 1 || day > JalaliMonthLength(m_year, m_month))
        return nullptr;
    return m_cells.value(m_firstCell + day - 1);
}

QString JalaliPicker::title() const
{
    return m_title->text();
}

void JalaliPicker::showPreviousMonth()
{
    if (m_month > 1)
        showMonth(m_year, m_month - 1, m_day);
    else if (m_year > FirstYear)
        showMonth(m_year - 1, 12, m_day);
}

void JalaliPicker::showNextMonth()
{
    if (m_month < 12)
        showMonth(m_year, m_month + 1, m_day);
    else if (m_year < LastYear)
        showMonth(m_year + 1, 1, m_day);
}

void JalaliPicker::pickCurrent()
{
    const QString date = dateText();
    closeIfPopup();
    emit picked(date);
}

// The day stays when the month changes, or becomes the last day of a shorter month.
void JalaliPicker::showMonth(int year, int month, int day)
{
    m_year = year;
    m_month = month;
    m_day = qBound(1, day, JalaliMonthLength(year, month));
    m_firstCell = columnOf(JalaliToDate(year, month, 1));
    m_title->setText(JalaliMonthNames().at(month - 1) + QLatin1Char(' ') + QString::number(year));
    refreshGrid();
}

void JalaliPicker::moveDays(int days)
{
    int year = m_year;
    int month = m_month;
    int day = m_day;
    if (DateToJalali(JalaliToDate(m_year, m_month, m_day).addDays(days), year, month, day) && year <= LastYear)
        showMonth(year, month, day);
}

void JalaliPicker::refreshGrid()
{
    const int length = JalaliMonthLength(m_year, m_month);
    int todayYear = 0;
    int todayMonth = 0;
    int todayDay = 0;
    const bool todayShown =
        todayInJalali(todayYear, todayMonth, todayDay) && todayYear == m_year && todayMonth == m_month;
    for (int cell = 0; cell < m_cells.size(); ++cell) {
        QToolButton* button = m_cells.at(cell);
        const int day = cell - m_firstCell + 1;
        const bool inMonth = day >= 1 && day <= length;
        const bool today = inMonth && todayShown && day == todayDay;
        button->setText(inMonth ? QString::number(day) : QString());
        button->setEnabled(inMonth);
        button->setChecked(inMonth && day == m_day);
        button->setProperty("today", today);
        QFont font = button->font();
        font.setBold(today);
        button->setFont(font);
        button->setStyleSheet(today ? QStringLiteral("QToolButton { border: 1px solid palette(highlight); "
                                                     "border-radius: 3px; }")
                                    : QString());
    }
}

void JalaliPicker::closeIfPopup()
{
    if (windowType() == Qt::Popup)
        hide();
}

void JalaliPicker::keyPressEvent(QKeyEvent* event)
{
    // Days run along a week in the reading direction: right to left here.
    const int forward = isRightToLeft() ? -1 : 1;
    switch (event->key()) {
    case Qt::Key_Right:
        moveDays(forward);
        break;
    case Qt::Key_Left:
        moveDays(-forward);
        break;
    case Qt::Key_Up:
        moveDays(-DaysInWeek);
        break;
    case Qt::Key_Down:
        moveDays(DaysInWeek);
        break;
    case Qt::Key_PageUp:
        showPreviousMonth();
        break;
    case Qt::Key_PageDown:
        showNextMonth();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        pickCurrent();
        break;
    case Qt::Key_Escape:
        closeIfPopup();
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

void JalaliPicker::showEvent(QShowEvent* event)
{
    QFrame::showEvent(event);
    setFocus(Qt::PopupFocusReason);
}
