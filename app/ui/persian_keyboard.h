#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

class QApplication;
class QKeyEvent;
class QWidget;

// The Persian keyboard of the program. A program on Linux cannot switch the desktop's layout for
// itself alone, so the standard Persian layout (ISIRI 9147) is kept here as a map from the keys
// of the Latin letter rows to the Persian characters they carry, and applied to the program's
// text boxes: line edits, plain and rich text edits and editable combo boxes. Number boxes, date
// boxes (masked) and read-only boxes keep their keys. The digit row is left as it is, because the
// program keeps its dates and numbers in ASCII digits.
//
// Off until switched on; shortcut() switches it either way in every window of the program.
class PersianKeyboard : public QObject
{
    Q_OBJECT

public:
    static PersianKeyboard& instance();

    // Watches the key presses of the whole application; installing twice does nothing more.
    void install(QApplication& app);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    void toggle() { setEnabled(!m_enabled); }

    // A short Persian line for a status area: which layout the text boxes type.
    QString stateText() const;
    // A tool-tip: the state and how to switch.
    QString toolTipText() const;
    // How to switch, in one Persian line naming the shortcut.
    static QString switchHint();

    static QKeySequence shortcut();

    // Switches the layout on when the preferences ask for it at start ("Set"/"1" is 1). It is
    // never switched off here.
    static void applyStartPreference();

    // The Persian text the key of `latin` types, on its shifted level when `shift` is set; empty
    // when the key is not one the layout changes.
    static QString persianFor(QChar latin, bool shift);

    // Leaves a text box, or every text box inside a window or panel, to the Latin keys.
    static void keepLatin(QWidget* box);

signals:
    void enabledChanged(bool enabled);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PersianKeyboard() = default;
    static bool isShortcut(const QKeyEvent& key);
    static bool takesPersian(QWidget* widget);
    static QString persianFor(const QKeyEvent& key);

    bool m_enabled = false;
    bool m_installed = false;
    // Set while the replacing key press is delivered, so that it is not mapped again.
    bool m_replaying = false;
};
