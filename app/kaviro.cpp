#include "kaviro.h"

#include "app_options.h"
#include "calendar/jalali.h"
#include "data/clock.h"
#include "data/database.h"
#include "ui/fonts.h"
#include "ui/messages.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int runKaviro(QApplication& app)
{
    app.setApplicationName(QStringLiteral("KAVIRO"));
    app.setLayoutDirection(Qt::RightToLeft);
    Fonts::install(app);

    const AppOptions options = AppOptions::parse(app.arguments(), QCoreApplication::applicationDirPath());
    Database database(options.dataDir);
    if (database.open() == Database::OpenResult::Failed) {
        Messages::show(nullptr, database.errorText(), Messages::Icon::Critical);
        return 1;
    }

    QWidget window;
    window.setWindowTitle(QString::fromLatin1(Messages::DefaultTitle));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(JalaliDateString(Clock::today(), 3), &window));
    layout->addWidget(new QLabel(QDir::toNativeSeparators(database.filePath()), &window));
    window.show();
    return app.exec();
}
