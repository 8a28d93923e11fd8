#include "backup/progress_pacer.h"

#include <QProgressBar>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {
constexpr int Step = 2;
constexpr int DefaultInterval = 100;
} // namespace

ProgressPacer::ProgressPacer(QProgressBar* bar, QWidget* window)
    : QObject(window), m_bar(bar), m_window(window), m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(DefaultInterval);
    m_bar->setRange(0, 100);
    m_bar->hide();
    connect(m_timer, &QTimer::timeout, this, &ProgressPacer::tick);
}

void ProgressPacer::setInterval(int milliseconds)
{
    m_timer->setInterval(std::max(0, milliseconds));
}

int ProgressPacer::interval() const
{
    return m_timer->interval();
}

bool ProgressPacer::isRunning() const
{
    return m_timer->isActive();
}

void ProgressPacer::start()
{
    m_bar->setValue(0);
    m_bar->show();
    m_timer->start();
}

void ProgressPacer::tick()
{
    m_window->setCursor(Qt::WaitCursor);
    m_bar->setValue(std::min(100, m_bar->value() + Step));
    if (m_bar->value() < 100)
        return;
    m_timer->stop();
    m_window->unsetCursor();
    emit finished();
}
