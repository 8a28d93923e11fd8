#include "numtype.h"

#include "keycodes.h"
#include "numtext.h"
#include "olecolor.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>

namespace {

const QString KeyValue = QStringLiteral("valuOcx");
const QString KeyLocked = QStringLiteral("IsLocked");
const QString KeyEnabled = QStringLiteral("Enabled");
const QString KeyForeColor = QStringLiteral("ForeColor");
const QString KeyFont = QStringLiteral("Font");
const QString KeyBackColor = QStringLiteral("BackColor");
const QString KeyAlignment = QStringLiteral("Alignment");
const QString KeySelLength = QStringLiteral("SelLength");
const QString KeySelStart = QStringLiteral("SelStart");
const QString KeySelText = QStringLiteral("SelText");

// Values of 10^15 and more have no plain digit form the box could rely on.
constexpr int MaxDigits = 15;

bool isDigitCode(short keyAscii)
{
    return keyAscii >= '0' && keyAscii <= '9';
}

// A stored colour is either a QColor or the host's 32-bit number.
QColor colorFrom(const QVariant& stored, quint32 fallback, const QPalette& system)
{
    if (stored.typeId() == QMetaType::QColor)
        return stored.value<QColor>();
    return OleColor::toColor(stored.isValid() ? quint32(stored.toLongLong()) : fallback, system);
}

} // namespace

NumType::NumType(QWidget* parent) : QWidget(parent), m_edit(new QLineEdit(this))
{
    m_edit->setObjectName(QStringLiteral("txtUse"));
    // A left-to-right line keeps the digits, the grouping and the caret at the end where a
    // reader of numbers expects them, also inside a right-to-left window; the alignment
    // still follows the window (see applyAlignment).
    m_edit->setLayoutDirection(Qt::LeftToRight);
    m_edit->setInputMethodHints(Qt::ImhDigitsOnly);
    m_edit->installEventFilter(this);
    setFocusProxy(m_edit);
    setFocusPolicy(m_edit->focusPolicy());
    setSizePolicy(m_edit->sizePolicy());
    applyAlignment();
    connect(m_edit, &QLineEdit::textChanged, this, &NumType::reformat);
    // Raised in the turn that moved the focus, so that a selection the host makes then is in place
    // before the next key: a queued GotFocus would select digits typed in the meantime.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != m_edit)
            return;
        emit GotFocus();
        if (m_focusReason == Qt::MouseFocusReason && m_edit->hasSelectedText()) {
            m_focusSelStart = m_edit->selectionStart();
            m_focusSelLength = int(m_edit->selectedText().size());
        }
    });
}

void NumType::setValue(const QVariant& newValue)
{
    m_value = newValue.isNull() ? 0 : NumText::wholeValueOf(newValue);
    writeValueText();
}

void NumType::writeValueText()
{
    m_writingValue = true;
    m_shownText = NumText::grouped(NumText::plainDigits(m_value));
    m_edit->setText(m_shownText);
    m_writingValue = false;
}

// Runs on every change of the text, the box's own writes included; the two flags keep
// those writes from reaching the host as further changes.
void NumType::reformat()
{
    if (m_writingValue)
        return;
    if (m_writingChange) {
        m_writingChange = false;
        return;
    }
    const QString plain = NumText::pastedNumber(m_edit->text());
    if (NumText::wholeDigits(plain) > MaxDigits) {
        // A longer number than the box holds (a paste, a drop) is refused whole: cut, it would
        // read as another amount, and read in full it would not fit the stored number.
        m_writingChange = true;
        m_edit->setText(m_shownText);
        m_writingChange = false;
        m_edit->setCursorPosition(int(m_shownText.size()));
        QApplication::beep();
        return;
    }
    m_writingChange = true;
    m_edit->setText(NumText::grouped(plain));
    // The value setter writes the text once more from the number, which drops leading
    // zeros and whatever a paste brought after the leading number.
    setValue(NumText::leadingNumber(plain));
    m_writingChange = false;
    m_edit->setCursorPosition(m_edit->text().size());
    emit Change();
}

int NumType::selStart() const
{
    return m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition();
}

void NumType::setSelStart(int start)
{
    m_edit->setCursorPosition(qBound(0, start, int(m_edit->text().size())));
}

int NumType::selLength() const
{
    return m_edit->selectionLength();
}

void NumType::setSelLength(int length)
{
    const int start = selStart();
    m_edit->setSelection(start, qBound(0, length, int(m_edit->text().size()) - start));
}

QString NumType::selText() const
{
    return m_edit->selectedText();
}

void NumType::setSelText(const QString& text)
{
    // The line edit reports even an empty insertion as a change; with nothing selected it is none.
    if (text.isEmpty() && !m_edit->hasSelectedText())
        return;
    m_edit->insert(text);
}

QFont NumType::boxFont() const
{
    return m_edit->font();
}

void NumType::setBoxFont(const QFont& font)
{
    m_edit->setFont(font);
}

QColor NumType::foreColor() const
{
    return m_edit->palette().color(QPalette::Active, QPalette::Text);
}

void NumType::setForeColor(const QColor& color)
{
    setEditColor(QPalette::Text, color);
}

QColor NumType::backColor() const
{
    return m_edit->palette().color(QPalette::Active, QPalette::Base);
}

void NumType::setBackColor(const QColor& color)
{
    setEditColor(QPalette::Base, color);
}

quint32 NumType::foreColorValue() const
{
    return OleColor::fromColor(foreColor(), QApplication::palette(m_edit), OleColor::WindowText);
}

void NumType::setForeColorValue(quint32 value)
{
    setForeColor(OleColor::toColor(value, QApplication::palette(m_edit)));
}

quint32 NumType::backColorValue() const
{
    return OleColor::fromColor(backColor(), QApplication::palette(m_edit), OleColor::WindowBackground);
}

void NumType::setBackColorValue(quint32 value)
{
    setBackColor(OleColor::toColor(value, QApplication::palette(m_edit)));
}

// The disabled look stays the desktop's, as a disabled box should read as one whatever its colours.
void NumType::setEditColor(QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    m_edit->setPalette(palette);
}

void NumType::setAlignment(short alignment)
{
    if (alignment < 0 || alignment > 2)
        return;
    m_alignment = alignment;
    applyAlignment();
}

void NumType::applyAlignment()
{
    static const Qt::Alignment logical[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    m_edit->setAlignment(QStyle::visualAlignment(layoutDirection(), logical[m_alignment]) | Qt::AlignVCenter);
}

bool NumType::isLocked() const
{
    return m_edit->isReadOnly();
}

void NumType::setLocked(bool locked)
{
    m_edit->setReadOnly(locked);
}

bool NumType::isBoxEnabled() const
{
    return m_edit->isEnabledTo(this);
}

void NumType::setBoxEnabled(bool enabled)
{
    m_edit->setEnabled(enabled);
}

QStringList NumType::persistedKeys()
{
    return {KeyValue,     KeyLocked,    KeyEnabled,   KeyForeColor, KeyFont,
            KeyBackColor, KeyAlignment, KeySelLength, KeySelStart,  KeySelText};
}

void NumType::readProperties(const QVariantMap& properties)
{
    const QPalette system = QApplication::palette(m_edit);
    setValue(properties.value(KeyValue, QString()));
    setLocked(properties.value(KeyLocked, false).toBool());
    setBoxEnabled(properties.value(KeyEnabled, true).toBool());
    setForeColor(colorFrom(properties.value(KeyForeColor), OleColor::WindowText, system));
    // An empty font sets nothing, so the line edit follows the host's font again.
    setBoxFont(properties.value(KeyFont, QFont()).value<QFont>());
    setBackColor(colorFrom(properties.value(KeyBackColor), OleColor::WindowBackground, system));
    setAlignment(short(properties.value(KeyAlignment, 0).toInt()));
    setSelLength(properties.value(KeySelLength, 0).toInt());
    setSelStart(properties.value(KeySelStart, 0).toInt());
    setSelText(properties.value(KeySelText, QString()).toString());
}

QVariantMap NumType::writeProperties() const
{
    QVariantMap properties;
    const auto put = [&properties](const QString& key, const QVariant& current, const QVariant& byDefault) {
        if (current != byDefault)
            properties.insert(key, current);
    };
    properties.insert(KeyValue, m_value);
    put(KeyLocked, isLocked(), false);
    put(KeyEnabled, isBoxEnabled(), true);
    put(KeyForeColor, foreColorValue(), OleColor::WindowText);
    if (m_edit->testAttribute(Qt::WA_SetFont))
        properties.insert(KeyFont, boxFont());
    put(KeyBackColor, backColorValue(), OleColor::WindowBackground);
    put(KeyAlignment, int(m_alignment), 0);
    put(KeySelLength, selLength(), 0);
    put(KeySelStart, selStart(), 0);
    put(KeySelText, selText(), QString());
    return properties;
}

QSize NumType::sizeHint() const
{
    return m_edit->sizeHint();
}

QSize NumType::minimumSizeHint() const
{
    return m_edit->minimumSizeHint();
}

bool NumType::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        m_focusSelLength = -1;
        return keyPressed(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        keyReleased(static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::InputMethod:
        if (static_cast<QInputMethodEvent*>(event)->commitString().isEmpty())
            return false;
        inputMethod(static_cast<QInputMethodEvent*>(event));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        mouseEvent(static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::FocusIn:
        // GotFocus follows the line edit's own focus handling, when the application reports the
        // new focus (see the constructor).
        m_focusReason = static_cast<QFocusEvent*>(event)->reason();
        m_focusSelLength = -1;
        return false;
    case QEvent::FocusOut:
        emit LostFocus();
        return false;
    default:
        return false;
    }
}

bool NumType::keyPressed(QKeyEvent* event)
{
    short keyCode = KeyCodes::keyCode(event);
    short shift = KeyCodes::shiftState(event->modifiers());
    const short pressed = keyCode;
    emit KeyDown(keyCode, shift);
    if (pressed != 0 && keyCode == 0)
        return true;
    const QString typed = KeyCodes::typedText(event);
    if (typed.isEmpty())
        return false;
    typeText(typed);
    return true;
}

void NumType::keyReleased(QKeyEvent* event)
{
    short keyCode = KeyCodes::keyCode(event);
    short shift = KeyCodes::shiftState(event->modifiers());
    emit KeyUp(keyCode, shift);
}

// Text committed by an input method is typed character by character like keys; what the
// method still composes is passed on to the line edit unchanged.
void NumType::inputMethod(QInputMethodEvent* event)
{
    typeText(event->commitString());
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QCoreApplication::sendEvent(m_edit, &composing);
}

void NumType::mouseEvent(QMouseEvent* event)
{
    short button = KeyCodes::buttonState(event->button());
    short shift = KeyCodes::shiftState(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_afterDoubleClick = false;
        emit MouseDown(button, shift, x, y);
        break;
    case QEvent::MouseMove:
        button = KeyCodes::buttonState(event->buttons());
        emit MouseMove(button, shift, x, y);
        break;
    case QEvent::MouseButtonRelease:
        // The click that gave the focus placed the caret over the host's selection.
        if (m_focusSelLength > 0 && !m_edit->hasSelectedText())
            m_edit->setSelection(m_focusSelStart, m_focusSelLength);
        m_focusSelLength = -1;
        emit MouseUp(button, shift, x, y);
        // The release that ends a double click makes no click of its own.
        if (event->button() == Qt::LeftButton && !m_afterDoubleClick &&
            m_edit->rect().contains(event->position().toPoint()))
            emit Click();
        m_afterDoubleClick = false;
        break;
    case QEvent::MouseButtonDblClick:
        m_afterDoubleClick = true;
        emit DblClick();
        break;
    default:
        break;
    }
}

// Every typed character goes to the host first and through the digit filter after; the
// line edit itself never types a character, so what the host made of the key is what counts.
void NumType::typeText(const QString& typed)
{
    for (const QChar c : typed) {
        // A Persian keyboard types its own digits; the box keeps ASCII ones.
        short keyAscii = KeyCodes::characterCode(NumText::asciiDigit(c));
        emit KeyPress(keyAscii);
        applyKey(filterKey(keyAscii));
    }
}

short NumType::filterKey(short keyAscii) const
{
    if (keyAscii == KeyCodes::Backspace)
        return keyAscii;
    if (!isDigitCode(keyAscii))
        return 0;
    // A digit over a selection replaces the selected digits, so only the rest count.
    const int kept = NumText::digitCount(m_edit->text()) - NumText::digitCount(m_edit->selectedText());
    return kept < MaxDigits ? keyAscii : short(0);
}

void NumType::applyKey(short keyAscii)
{
    if (keyAscii == 0 || m_edit->isReadOnly())
        return;
    if (keyAscii == KeyCodes::Backspace)
        m_edit->backspace();
    else
        m_edit->insert(QString(QChar(keyAscii)));
}

void NumType::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_edit->setGeometry(rect());
}

void NumType::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        applyAlignment();
}
