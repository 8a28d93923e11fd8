#include "ui/list_dropper.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace {

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

ListDropper::ListDropper(QComboBox* combo) : QObject(combo), m_combo(combo)
{
    combo->installEventFilter(this);
    combo->view()->installEventFilter(this);
    combo->view()->viewport()->installEventFilter(this);
}

bool ListDropper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_combo->view()->viewport()) {
        if (event->type() == QEvent::MouseMove)
            mouseMoved(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return false;
    }
    if (watched == m_combo->view()) {
        if (event->type() == QEvent::Show) {
            m_moved = false;
            m_mouseAt.reset();
        }
        if (event->type() == QEvent::ShortcutOverride && isEnter(static_cast<QKeyEvent*>(event)) && !m_moved) {
            // The list would take Enter as the choice of its highlighted item already here.
            event->accept();
            return true;
        }
        return event->type() == QEvent::KeyPress && keyInList(static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
            dropLater();
    }
    return false;
}

void ListDropper::dropLater()
{
    QPointer<QComboBox> combo = m_combo;
    QTimer::singleShot(0, combo, [combo] {
        if (combo && combo->hasFocus() && combo->count() > 0 && !combo->view()->isVisible())
            combo->showPopup();
    });
}

void ListDropper::mouseMoved(const QPoint& at)
{
    if (!m_mouseAt)
        m_mouseAt = at;
    else if ((at - *m_mouseAt).manhattanLength() >= QApplication::startDragDistance())
        m_moved = true;
}

bool ListDropper::keyInList(QKeyEvent* key)
{
    QLineEdit* edit = m_combo->lineEdit();
    if (!edit)
        return false;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        m_moved = true;
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_moved)
            return false;
        break;
    default:
        if (key->text().isEmpty() || !key->text().at(0).isPrint())
            return false;
    }
    m_combo->hidePopup();
    QKeyEvent again(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat());
    QCoreApplication::sendEvent(edit, &again);
    return true;
}
