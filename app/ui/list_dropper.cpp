#include "ui/list_dropper.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QItemSelectionModel>
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

ListDropper::ListDropper(QComboBox* combo) : QObject(combo), m_combo(combo), m_view(combo->view())
{
    // The view is made before the box is watched: making it sends the box events of its own.
    m_viewport = m_view->viewport();
    combo->installEventFilter(this);
    m_view->installEventFilter(this);
    m_viewport->installEventFilter(this);
}

void ListDropper::dropOnFocus(QComboBox* combo)
{
    ListDropper* dropper = nullptr;
    for (QObject* child : combo->children()) {
        if (auto* own = dynamic_cast<ListDropper*>(child))
            dropper = own;
    }
    if (!dropper)
        dropper = new ListDropper(combo);
    dropper->m_dropsOnFocus = true;
}

bool ListDropper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_viewport) {
        if (event->type() == QEvent::MouseMove)
            mouseMoved(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return false;
    }
    if (watched == m_view) {
        if (event->type() == QEvent::Show)
            opened();
        if (event->type() == QEvent::ShortcutOverride && isEnter(static_cast<QKeyEvent*>(event)) && !picks()) {
            // The list would take Enter as the choice of its highlighted item already here.
            event->accept();
            return true;
        }
        return event->type() == QEvent::KeyPress && keyInList(static_cast<QKeyEvent*>(event));
    }
    if (watched == m_combo && event->type() == QEvent::FocusIn && m_dropsOnFocus) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
            dropLater();
    }
    return false;
}

void ListDropper::opened()
{
    m_moved = false;
    m_mouseAt.reset();
    m_openedWith = m_combo->currentIndex();
    // The view would highlight its first item on taking the focus, which no one chose. A current
    // index set, even an empty one, keeps it from doing so.
    if (m_combo->currentIndex() < 0) {
        m_view->selectionModel()->clearSelection();
        m_view->setCurrentIndex(QModelIndex());
    }
}

bool ListDropper::picks() const
{
    const QModelIndex highlighted = m_view->currentIndex();
    // Moving along the list may already make the item current in the box; what counts is the
    // choice the list opened with.
    return m_moved && highlighted.isValid() && highlighted.row() != m_openedWith;
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
        if (picks())
            return false;
        passOn(key);
        return true;
    default:
        if (!m_combo->lineEdit() || key->text().isEmpty() || !key->text().at(0).isPrint())
            return false;
        passOn(key);
        return true;
    }
}

void ListDropper::passOn(QKeyEvent* key)
{
    m_combo->hidePopup();
    QWidget* target = m_combo->lineEdit() ? static_cast<QWidget*>(m_combo->lineEdit()) : m_combo;
    QKeyEvent again(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat());
    QCoreApplication::sendEvent(target, &again);
}
