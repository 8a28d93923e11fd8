// The menu bar with its settings menu open, drawn over the top of the main window:
// offscreen, a pop-up menu is a window of its own, so it is painted in by hand.
#include "cheques/main_window.h"
#include "shots.h"
#include "testing.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

namespace {

void menuBarShot(ShotContext& context)
{
    MainWindow& window = context.main;
    QMenuBar* bar = window.menuBar();
    auto* menu = control<QMenu>(window, "SETTing");
    const QRect item = bar->actionGeometry(menu->menuAction());
    menu->popup(bar->mapToGlobal(QPoint(item.right(), item.bottom() + 1)));
    QApplication::processEvents();
    QPixmap shot = window.grab(QRect(0, 0, window.width(), 360));
    {
        QPainter painter(&shot);
        painter.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
    }
    menu->hide();
    shot.save(context.out.filePath(QStringLiteral("menubar.png")));
}

const ShotRegistrar registrar("menus", menuBarShot);

} // namespace
