#pragma once

#include "talvex_global.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <QWidget>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;

// A one-line box for whole amounts. It takes only digits, shows its value grouped in threes
// with "," (1,234,567), keeps the caret at the end after every edit and holds at most 15
// digits. Its only child is the line edit "txtUse", always as large as the box; every
// appearance property is that line edit's own.
//
// The events are signals whose arguments are passed by reference, as the hosts' handlers
// may change them: connect them directly (the default within one thread), never queued.
// KeyPress comes before the digit filter: a host may change the key to another digit, which
// is then typed, or to anything else (0 included), which is discarded. Setting a non-zero
// KeyCode to 0 in KeyDown takes the key away from the box altogether.
//
// Exactly one Change reaches the host per edit (typing, deleting, pasting, setting SelText);
// setting value raises none.
class TALVEX_EXPORT NumType : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QVariant value READ valueVariant WRITE setValue)
    Q_PROPERTY(int SelStart READ selStart WRITE setSelStart)
    Q_PROPERTY(int SelLength READ selLength WRITE setSelLength)
    Q_PROPERTY(QString SelText READ selText WRITE setSelText)
    Q_PROPERTY(QFont Font READ boxFont WRITE setBoxFont)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(short Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool IsLocked READ isLocked WRITE setLocked)
    Q_PROPERTY(bool Enabled READ isBoxEnabled WRITE setBoxEnabled)

public:
    explicit NumType(QWidget* parent = nullptr);

    // The whole number shown, 0 before anything is assigned.
    double value() const { return m_value; }
    // Anything that reads as a number: a null variant stores 0 and shows "0"; otherwise every
    // character but digits and "." is dropped, the leading number of the rest is read and its
    // fraction cut off ("12abc" stores 12, "1,234" and -1234.9 store 1234).
    void setValue(const QVariant& newValue);

    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text);

    QFont boxFont() const;
    void setBoxFont(const QFont& font);

    QColor foreColor() const;
    void setForeColor(const QColor& color);
    QColor backColor() const;
    void setBackColor(const QColor& color);
    // The colours as hosts store them: 0x00BBGGRR, or a system colour such as 0x80000008
    // (window text) and 0x80000005 (window background), the defaults.
    quint32 foreColorValue() const;
    void setForeColorValue(quint32 value);
    quint32 backColorValue() const;
    void setBackColorValue(quint32 value);

    // 0 leading edge, 1 trailing edge, 2 centre. The edges follow the host's reading
    // direction: in a right-to-left window 0 puts the number against the right border.
    short alignment() const { return m_alignment; }
    void setAlignment(short alignment);

    bool isLocked() const;
    void setLocked(bool locked);
    bool isBoxEnabled() const;
    void setBoxEnabled(bool enabled);

    // The keys of the designed properties, in the order they are read.
    static QStringList persistedKeys();
    // Applies a window's designed properties in the order of persistedKeys(); an absent key
    // gives its default (value "", IsLocked false, Enabled true, ForeColor 0x80000008, Font
    // the host's own, BackColor 0x80000005, Alignment 0, SelLength 0, SelStart 0, SelText "").
    void readProperties(const QVariantMap& properties);
    // "valuOcx" always holds the value as a number; any other key is present only when its
    // property differs from the default, as reading restores the default of an absent key.
    QVariantMap writeProperties() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void KeyDown(short& KeyCode, short& Shift);
    void KeyPress(short& KeyAscii);
    void KeyUp(short& KeyCode, short& Shift);
    void MouseDown(short& Button, short& Shift, float& X, float& Y);
    void MouseMove(short& Button, short& Shift, float& X, float& Y);
    void MouseUp(short& Button, short& Shift, float& X, float& Y);
    void Change();
    void Click();
    void DblClick();
    // Raised once the line edit has taken the focus and settled its own selection, so that a
    // host may select the text here.
    void GotFocus();
    void LostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QVariant valueVariant() const { return m_value; }
    void writeValueText();
    void reformat();
    bool keyPressed(QKeyEvent* event);
    void keyReleased(QKeyEvent* event);
    void inputMethod(QInputMethodEvent* event);
    void mouseEvent(QMouseEvent* event);
    void typeText(const QString& typed);
    short filterKey(short keyAscii) const;
    void applyKey(short keyAscii);
    void setEditColor(QPalette::ColorRole role, const QColor& color);
    void applyAlignment();

    QLineEdit* m_edit;
    double m_value = 0;
    // The text of the last value taken, shown again when a change is refused.
    QString m_shownText;
    // Set while the value setter writes the text, so that write raises no Change.
    bool m_writingValue = false;
    // Set while reformatting writes the text; the change that write causes clears it.
    bool m_writingChange = false;
    // The line edit holds the alignment mirrored for the host's reading direction.
    short m_alignment = 0;
    bool m_afterDoubleClick = false;
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason;
    // The selection the host made on GotFocus, while the click that gave the focus may still
    // undo it; its length is -1 once a key or the release of that click came.
    int m_focusSelStart = 0;
    int m_focusSelLength = -1;
};
