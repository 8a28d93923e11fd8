#pragma once

#include <QDir>
#include <QString>

#include <functional>

class Database;
class MainWindow;
class QWidget;

// What every screenshot is taken with: the sample database, the main window on it
// (shown, at the screenshots' today) and the output folder.
struct ShotContext
{
    Database& db;
    MainWindow& main;
    QDir out;
};

// Shows the window, lets it paint and saves it as out/<name>.png.
void grabInto(QWidget& window, const ShotContext& context, const QString& name);

// A file shots_<area>.cpp registers its screenshots with a static ShotRegistrar;
// they are taken after the main window's, in the order of their names.
using Shot = std::function<void(ShotContext&)>;
struct ShotRegistrar
{
    ShotRegistrar(const char* name, Shot shot);
};
