#pragma once

#include <QObject>

class QProgressBar;
class QTimer;
class QWidget;

// The progress display of the backup and restore windows: the bar climbs from 0 to 100 in
// steps of two, a step a tick, under the hourglass, and then finished() follows. The copy
// itself is complete before it starts; the pacing only lets the user see that something
// happened before the message comes.
class ProgressPacer : public QObject
{
    Q_OBJECT

public:
    // The timer is named Timer1 and ticks every 100 ms, fifty steps in all.
    ProgressPacer(QProgressBar* bar, QWidget* window);

    void setInterval(int milliseconds);
    int interval() const;
    bool isRunning() const;
    void start();

signals:
    void finished();

private:
    void tick();

    QProgressBar* m_bar;
    QWidget* m_window;
    QTimer* m_timer;
};
