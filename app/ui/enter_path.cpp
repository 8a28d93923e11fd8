#include "ui/enter_path.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
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

class SelectOnFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            // The click that gave the focus would place the caret and undo a selection made now.
            QPointer<QLineEdit> edit = qobject_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, edit, [edit] {
                if (edit)
                    edit->selectAll();
            });
        }
        return QObject::eventFilter(watched, event);
    }
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
        edit->installEventFilter(filter);
}
