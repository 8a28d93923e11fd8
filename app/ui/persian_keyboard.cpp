#include "ui/persian_keyboard.h"

#include "numtype.h"
#include "settings/settings_store.h"

#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// Marks a text box that keeps the Latin keys.
constexpr const char* LatinProperty = "kaviroLatinKeys";

struct Key
{
    char latin;
    char16_t persian;
};

// ISIRI 9147, by the character a US keyboard types on the same key: lower-case letters and
// unshifted punctuation are the first level, upper-case letters and shifted punctuation the
// second. Keys that type the same character on both layouts (".", "/", ":", "\") are left out.
const Key Layout[] = {
    // Upper letter row: ض ص ث ق ف غ ع ه خ ح ج چ
    {'q', u'\u0636'},
    {'w', u'\u0635'},
    {'e', u'\u062B'},
    {'r', u'\u0642'},
    {'t', u'\u0641'},
    {'y', u'\u063A'},
    {'u', u'\u0639'},
    {'i', u'\u0647'},
    {'o', u'\u062E'},
    {'p', u'\u062D'},
    {'[', u'\u062C'},
    {']', u'\u0686'},
    // Middle row: ش س ی ب ل ا ت ن م ک گ (the Persian yeh and keheh, not the Arabic forms)
    {'a', u'\u0634'},
    {'s', u'\u0633'},
    {'d', u'\u06CC'},
    {'f', u'\u0628'},
    {'g', u'\u0644'},
    {'h', u'\u0627'},
    {'j', u'\u062A'},
    {'k', u'\u0646'},
    {'l', u'\u0645'},
    {';', u'\u06A9'},
    {'\'', u'\u06AF'},
    // Lower row: ظ ط ز ر ذ د پ و
    {'z', u'\u0638'},
    {'x', u'\u0637'},
    {'c', u'\u0632'},
    {'v', u'\u0631'},
    {'b', u'\u0630'},
    {'n', u'\u062F'},
    {'m', u'\u067E'},
    {',', u'\u0648'},
    // Shifted upper row: the short vowels and tanwin, sukun, shadda, and the brackets mirrored.
    {'Q', u'\u0652'},
    {'W', u'\u064C'},
    {'E', u'\u064D'},
    {'R', u'\u064B'},
    {'T', u'\u064F'},
    {'Y', u'\u0650'},
    {'U', u'\u064E'},
    {'I', u'\u0651'},
    {'O', u']'},
    {'P', u'['},
    {'{', u'}'},
    {'}', u'{'},
    // Shifted middle row: ؤ ئ ي إ أ آ ة » « ؛
    {'A', u'\u0624'},
    {'S', u'\u0626'},
    {'D', u'\u064A'},
    {'F', u'\u0625'},
    {'G', u'\u0623'},
    {'H', u'\u0622'},
    {'J', u'\u0629'},
    {'K', u'\u00BB'},
    {'L', u'\u00AB'},
    {'"', u'\u061B'},
    // Shifted lower row: ك, madda, ژ, dagger alef, zero-width non-joiner, hamza above, ء, > < ؟
    {'Z', u'\u0643'},
    {'X', u'\u0653'},
    {'C', u'\u0698'},
    {'V', u'\u0670'},
    {'B', u'\u200C'},
    {'N', u'\u0654'},
    {'M', u'\u0621'},
    {'<', u'>'},
    {'>', u'<'},
    {'?', u'\u061F'},
};

// Shift with the space bar joins two parts of a word without joining their letters.
constexpr char16_t ZeroWidthNonJoiner = u'\u200C';

const QHash<QChar, QChar>& layout()
{
    static const QHash<QChar, QChar> map = [] {
        QHash<QChar, QChar> keys;
        for (const Key& key : Layout)
            keys.insert(QLatin1Char(key.latin), QChar(key.persian));
        return keys;
    }();
    return map;
}

const QString KeyboardWords = QStringLiteral("صفحه کليد");

} // namespace

PersianKeyboard& PersianKeyboard::instance()
{
    static PersianKeyboard keyboard;
    return keyboard;
}

void PersianKeyboard::install(QApplication& app)
{
    if (m_installed)
        return;
    app.installEventFilter(this);
    m_installed = true;
}

void PersianKeyboard::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged(enabled);
}

QString PersianKeyboard::stateText() const
{
    return KeyboardWords + QStringLiteral(": ") + (m_enabled ? QStringLiteral("فارسي") : QStringLiteral("انگليسي"));
}

QString PersianKeyboard::toolTipText() const
{
    return stateText() + QLatin1Char('\n') + switchHint();
}

QString PersianKeyboard::switchHint()
{
    return QStringLiteral("تغيير زبان ") + KeyboardWords + QStringLiteral(" با ") +
           shortcut().toString(QKeySequence::NativeText);
}

QKeySequence PersianKeyboard::shortcut()
{
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K);
}

void PersianKeyboard::applyStartPreference()
{
    int wanted = 0;
    if (SettingsStore::readInt(Settings::PersianKeyboardAtStart, wanted) && wanted == 1)
        instance().setEnabled(true);
}

QString PersianKeyboard::persianFor(QChar latin, bool shift)
{
    if (latin == QLatin1Char(' '))
        return shift ? QString(QChar(ZeroWidthNonJoiner)) : QString();
    // The level comes from Shift alone: caps lock does not turn letters into vowel marks.
    if (latin.isLetter() && latin.unicode() < 0x80)
        latin = shift ? latin.toUpper() : latin.toLower();
    const auto found = layout().constFind(latin);
    return found == layout().constEnd() ? QString() : QString(*found);
}

void PersianKeyboard::keepLatin(QWidget* box)
{
    box->setProperty(LatinProperty, true);
}

bool PersianKeyboard::isShortcut(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return QKeyCombination(modifiers, Qt::Key(key.key())) == shortcut()[0];
}

bool PersianKeyboard::takesPersian(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->property(LatinProperty).toBool() || qobject_cast<NumType*>(w))
            return false;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->isEditable() && combo->lineEdit() && takesPersian(combo->lineEdit());
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return !line->isReadOnly() && line->inputMask().isEmpty() && line->echoMode() == QLineEdit::Normal;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget))
        return !plain->isReadOnly();
    if (auto* rich = qobject_cast<QTextEdit*>(widget))
        return !rich->isReadOnly();
    return false;
}

QString PersianKeyboard::persianFor(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers held = key.modifiers();
    if (held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier))
        return QString();
    const QString text = key.text();
    if (text.size() != 1)
        return QString();
    return persianFor(text.at(0), held & Qt::ShiftModifier);
}

bool PersianKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (isShortcut(*key)) {
        // Claimed at the override stage too, so that no shortcut of a window takes the keys.
        event->accept();
        if (type == QEvent::KeyPress)
            toggle();
        return true;
    }
    if (type != QEvent::KeyPress || !m_enabled || m_replaying)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !takesPersian(widget))
        return false;
    const QString typed = persianFor(*key);
    if (typed.isEmpty())
        return false;
    // The key stays the same key; only the character it types changes, as a layout does it.
    QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), typed, key->isAutoRepeat(), key->count());
    m_replaying = true;
    QCoreApplication::sendEvent(widget, &replaced);
    m_replaying = false;
    key->setAccepted(replaced.isAccepted());
    return true;
}
