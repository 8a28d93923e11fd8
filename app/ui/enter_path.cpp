#include "ui/enter_path.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace {

class EnterFilter : public QObject
{
public:
    EnterFilter(QWidget* from, QWidget* to) : QObject(from), m_to(to) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || !m_to)
            return false;
        // An open drop-down list takes Enter as the choice of its item first.
        if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo->view()->isVisible())
            return false;
        m_to->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QPointer<QWidget> m_to;
};

// Selects the whole text of a box as soon as the box has taken the focus, in the same turn of the
// event loop: a key typed right after the focus moved (type-ahead, a fast typist) replaces the old
// text and is never itself selected. The box's own focus handling (a mask puts the caret on its
// first blank) runs first, so the selection is made once the application reports the new focus.
// A click that gave the focus places the caret after that; the text is selected again when the
// button is released, unless the click dragged a selection of its own or a key came first.
class SelectOnFocus : public QObject
{
public:
    explicit SelectOnFocus(QWidget* window) : QObject(window)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focused(now); });
    }

    void watch(QLineEdit* edit)
    {
        edit->installEventFilter(this);
        m_edits << edit;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* edit = static_cast<QLineEdit*>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
            m_reason = static_cast<QFocusEvent*>(event)->reason();
            m_clicked = m_reason == Qt::MouseFocusReason ? edit : nullptr;
            break;
        case QEvent::KeyPress:
        case QEvent::InputMethod:
            m_clicked = nullptr;
            break;
        case QEvent::MouseButtonRelease:
            if (m_clicked == edit && !edit->hasSelectedText())
                edit->selectAll();
            m_clicked = nullptr;
            break;
        default:
            break;
        }
        return false;
    }

private:
    void focused(QWidget* now)
    {
        auto* edit = qobject_cast<QLineEdit*>(now);
        // Back from a pop-up (a menu, the calendar, a completer) the user goes on where the caret was.
        if (!edit || !m_edits.contains(edit) || m_reason == Qt::PopupFocusReason)
            return;
        edit->selectAll();
    }

    QList<QPointer<QLineEdit>> m_edits;
    Qt::FocusReason m_reason = Qt::OtherFocusReason;
    QPointer<QLineEdit> m_clicked;
};

} // namespace

void moveFocusOnEnter(QWidget* from, QWidget* to)
{
    if (!from)
        return;
    auto* filter = new EnterFilter(from, to);
    from->installEventFilter(filter);
    // A combo box or a composite box receives its keys in the inner line edit.
    if (auto* combo = qobject_cast<QComboBox*>(from); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(filter);
    for (QLineEdit* inner : from->findChildren<QLineEdit*>())
        inner->installEventFilter(filter);
}

void AutoSelectTextBoxes(QWidget* window)
{
    auto* filter = new SelectOnFocus(window);
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        filter->watch(edit);
}
