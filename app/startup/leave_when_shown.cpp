#include "startup/leave_when_shown.h"

#include <QDialog>
#include <QEvent>
#include <QMetaObject>

#include <cstdio>

namespace {

class LeaveWhenShown : public QObject
{
public:
    explicit LeaveWhenShown(QDialog& window) : QObject(&window), m_window(window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Show) {
            m_window.removeEventFilter(this);
            // Queued, so that the window is laid out and on the screen when it is painted.
            QMetaObject::invokeMethod(this, &LeaveWhenShown::leave, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void leave()
    {
        m_window.grab();
        std::fprintf(stderr, "KAVIRO: %s shown\n", qPrintable(m_window.objectName()));
        std::fflush(stderr);
        m_window.reject();
    }

    QDialog& m_window;
};

} // namespace

void leaveWhenShownIfAsked(QDialog& window)
{
    if (qEnvironmentVariableIsSet("KAVIRO_LEAVE_WHEN_SHOWN"))
        new LeaveWhenShown(window);
}
