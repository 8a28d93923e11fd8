#include "tolvan_resizer.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

namespace {

const char* const FullscreenKey = "Fullscreen";

bool layoutHolds(const QLayout* layout, const QWidget* widget)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (!item)
            continue;
        if (item->widget() == widget)
            return true;
        if (item->layout() && layoutHolds(item->layout(), widget))
            return true;
    }
    return false;
}

// A widget whose place is kept by a layout (or by a main window or splitter, which act as one)
// would be moved back by it at once, so its geometry is not ours to set.
bool isLaidOut(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    if (!parent)
        return false;
    if (qobject_cast<const QMainWindow*>(parent) || qobject_cast<const QSplitter*>(parent))
        return true;
    const QLayout* layout = parent->layout();
    return layout && (layout->menuBar() == widget || layoutHolds(layout, widget));
}

bool isDockedStatusBar(const QWidget* widget)
{
    return qobject_cast<const QStatusBar*>(widget) && isLaidOut(widget);
}

// Widgets that are not controls of the window's own design: windows of their own, menus, and
// the inner parts Qt builds for composite widgets.
bool isForeign(const QWidget* widget)
{
    return widget->isWindow() || widget->objectName().startsWith(QLatin1String("qt_")) ||
           qobject_cast<const QMenuBar*>(widget) || qobject_cast<const QMenu*>(widget);
}

// Only plain containers are entered; every other widget is one control whose parts follow it.
bool isContainer(const QWidget* widget)
{
    const QMetaObject* type = widget->metaObject();
    return type == &QWidget::staticMetaObject || type == &QFrame::staticMetaObject ||
           qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QStackedWidget*>(widget) ||
           qobject_cast<const QTabWidget*>(widget);
}

QList<QWidget*> containedWidgets(QWidget* container)
{
    QList<QWidget*> widgets;
    if (auto* tabs = qobject_cast<QTabWidget*>(container)) {
        // The pages live in the tab widget's inner stack; they are reached through the tab widget.
        for (int i = 0; i < tabs->count(); ++i)
            widgets.append(tabs->widget(i));
        return widgets;
    }
    for (QObject* child : container->children()) {
        if (child->isWidgetType())
            widgets.append(static_cast<QWidget*>(child));
    }
    return widgets;
}

} // namespace

Tolvan_Resizer::Tolvan_Resizer(QWidget* window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("Tolvan_Resize"));
    if (window)
        window->installEventFilter(this);
}

void Tolvan_Resizer::readProperties(const QVariantMap& properties)
{
    m_fullscreen = properties.value(QLatin1String(FullscreenKey), true).toBool();
}

QVariantMap Tolvan_Resizer::writeProperties() const
{
    return {{QLatin1String(FullscreenKey), m_fullscreen}};
}

bool Tolvan_Resizer::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_window)
        return false;
    const bool onWindow = watched == m_window;
    switch (event->type()) {
    case QEvent::Show:
        if (onWindow && !m_loaded)
            load();
        break;
    case QEvent::Resize:
        // A main window's inner area is its central widget, which the main window resizes itself.
        if (m_loaded && watched == m_area && !m_window->isMinimized())
            rescale();
        break;
    case QEvent::WindowStateChange:
        // Size changes while minimised were passed over; coming back catches up with them.
        if (m_loaded && onWindow && !m_window->isMinimized())
            rescale();
        break;
    default:
        break;
    }
    return false;
}

QWidget* Tolvan_Resizer::innerArea() const
{
    if (auto* mainWindow = qobject_cast<QMainWindow*>(m_window.data())) {
        if (QWidget* central = mainWindow->centralWidget())
            return central;
    }
    return m_window;
}

void Tolvan_Resizer::load()
{
    m_loaded = true;
    m_area = innerArea();
    if (m_area != m_window)
        m_area->installEventFilter(this);
    record();
    if (!m_fullscreen)
        return;
    // The frame cannot be changed while the window is in the middle of being shown, so the
    // change follows as soon as the show is over.
    const bool wasMaximised = m_window->windowState().testFlag(Qt::WindowMaximized);
    QTimer::singleShot(0, this, [this, wasMaximised] { applyFullscreen(wasMaximised); });
}

void Tolvan_Resizer::applyFullscreen(bool wasMaximised)
{
    if (!m_window)
        return;
    const bool visible = m_window->isVisible();
    m_window->setWindowFlag(Qt::FramelessWindowHint, true); // hides the window
    Qt::WindowStates state = m_window->windowState();
    state.setFlag(Qt::WindowMaximized, !wasMaximised);
    m_window->setWindowState(state);
    if (visible)
        m_window->show();
}

void Tolvan_Resizer::record()
{
    m_records.clear();
    m_initialSize = m_area->size();
    recordTree(m_window);
}

void Tolvan_Resizer::recordTree(QWidget* parent)
{
    for (QWidget* widget : containedWidgets(parent)) {
        if (isForeign(widget) || isDockedStatusBar(widget))
            continue;
        if (widget->property("Tag").toString() != QLatin1String("NO")) {
            Record entry;
            entry.widget = widget;
            entry.hasGeometry = !isLaidOut(widget);
            entry.geometry = widget->geometry();
            entry.pointSize = qMax<qreal>(0, widget->font().pointSizeF());
            m_records.append(entry);
        }
        // An excluded container only keeps its own place; what it holds is scaled all the same.
        if (isContainer(widget))
            recordTree(widget);
    }
}

void Tolvan_Resizer::rescale()
{
    const QSize current = m_area ? m_area->size() : QSize();
    if (m_initialSize.width() <= 0 || m_initialSize.height() <= 0 || current.width() <= 0 || current.height() <= 0)
        return;
    const qreal horizontal = qreal(current.width()) / m_initialSize.width();
    const qreal vertical = qreal(current.height()) / m_initialSize.height();
    const qreal fontRatio = horizontal < vertical ? horizontal : vertical;

    for (const Record& entry : std::as_const(m_records)) {
        QWidget* widget = entry.widget;
        if (!widget)
            continue;
        if (entry.pointSize > 0) {
            const qreal size = fontRatio * entry.pointSize;
            QFont font = widget->font();
            if (!qFuzzyCompare(font.pointSizeF(), size)) {
                font.setPointSizeF(size);
                widget->setFont(font);
            }
        }
        if (entry.hasGeometry) {
            const QRect& g = entry.geometry;
            widget->setGeometry(qRound(g.x() * horizontal), qRound(g.y() * vertical), qRound(g.width() * horizontal),
                                qRound(g.height() * vertical));
        }
    }
}
