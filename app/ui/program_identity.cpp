#include "ui/program_identity.h"

#include "build_config.h"

#include <QGuiApplication>

namespace ProgramIdentity {

QString appId()
{
    return QStringLiteral(KAVIRO_APP_ID);
}

QIcon icon()
{
    QIcon builtIn;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/kaviro-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(appId(), builtIn);
}

void apply(QGuiApplication& app)
{
    app.setWindowIcon(icon());
    QGuiApplication::setDesktopFileName(appId());
}

} // namespace ProgramIdentity
