#include "ui/date_box.h"

#include "ui/jalali_picker.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>

namespace {

const QString DateMask = QStringLiteral("9999/99/99;_");
const QString DateWidthSample = QStringLiteral("0000/00/00");

// A Persian or Arabic-Indic digit as the ASCII digit the mask takes, or a null QChar.
QChar asciiDigit(const QString& typed)
{
    if (typed.size() != 1)
        return {};
    const QChar c = typed.at(0);
    if (c.unicode() < 0x80 || !c.isDigit() || c.digitValue() < 0)
        return {};
    return QChar(u'0' + c.digitValue());
}

} // namespace

DateBox::DateBox(QWidget* parent) : QWidget(parent), m_edit(new QLineEdit(this)), m_button(new QToolButton(this))
{
    m_edit->setInputMask(DateMask);
    // A date reads 1405/09/16 from left to right also in a right-to-left window.
    m_edit->setLayoutDirection(Qt::LeftToRight);
    m_edit->setAlignment(Qt::AlignCenter);
    const int textWidth = m_edit->fontMetrics().horizontalAdvance(DateWidthSample + QStringLiteral("00"));
    m_edit->setMinimumWidth(textWidth);
    m_edit->installEventFilter(this);

    const QIcon calendar = QIcon::fromTheme(QStringLiteral("x-office-calendar"));
    if (calendar.isNull())
        m_button->setText(QStringLiteral("▾"));
    else
        m_button->setIcon(calendar);
    m_button->setToolTip(QStringLiteral("تقويم"));
    // The button is for the mouse; the keyboard opens the calendar with F4 or Alt+Down, and Tab
    // goes straight on to the next box.
    m_button->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);

    setFocusProxy(m_edit);
    setFocusPolicy(m_edit->focusPolicy());
    setSizePolicy(QSizePolicy::Fixed, m_edit->sizePolicy().verticalPolicy());

    connect(m_edit, &QLineEdit::textChanged, this, [this] { emit textChanged(text()); });
    connect(m_button, &QToolButton::clicked, this, &DateBox::showPicker);
}

QString DateBox::text() const
{
    // QLineEdit::text() drops the blanks of a mask; the shown text keeps them.
    return m_edit->displayText();
}

void DateBox::setText(const QString& text)
{
    m_edit->setText(text);
}

void DateBox::clear()
{
    m_edit->clear();
}

void DateBox::selectAll()
{
    m_edit->setSelection(0, int(m_edit->displayText().size()));
}

JalaliPicker* DateBox::picker()
{
    if (!m_picker) {
        m_picker = new JalaliPicker(this);
        m_picker->setWindowFlags(Qt::Popup);
        connect(m_picker, &JalaliPicker::picked, this, &DateBox::takePicked);
    }
    return m_picker;
}

void DateBox::showPicker()
{
    JalaliPicker* popup = picker();
    popup->setDate(text());
    popup->adjustSize();
    const QSize size = popup->sizeHint();
    // Under the box, flush with its leading edge, and inside the screen.
    QPoint at = mapToGlobal(QPoint(isRightToLeft() ? width() - size.width() : 0, height()));
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        if (at.y() + size.height() > room.bottom())
            at.setY(mapToGlobal(QPoint(0, 0)).y() - size.height());
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() - size.width())));
        at.setY(qMax(room.top(), at.y()));
    }
    popup->move(at);
    popup->show();
    popup->setFocus(Qt::PopupFocusReason);
}

void DateBox::takePicked(const QString& date)
{
    m_edit->setText(date);
    emit datePicked(date);
}

bool DateBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // QLineEdit keeps its own returnPressed back while the mask is not filled in.
        emit returnPressed();
        return false;
    }
    if (key->key() == Qt::Key_F4 || (key->key() == Qt::Key_Down && key->modifiers() & Qt::AltModifier)) {
        showPicker();
        return true;
    }
    // The mask takes ASCII digits only; a Persian keyboard types its own digits.
    if (const QChar digit = asciiDigit(key->text()); !digit.isNull()) {
        QKeyEvent ascii(QEvent::KeyPress, Qt::Key_0 + digit.digitValue(), key->modifiers(), QString(digit),
                        key->isAutoRepeat());
        QCoreApplication::sendEvent(m_edit, &ascii);
        return true;
    }
    return false;
}
