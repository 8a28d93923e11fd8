#include "ui/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace Fonts {

namespace {

const QStringList TextFonts = {QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Naskh Arabic"),
                               QStringLiteral("Nazli"), QStringLiteral("DejaVu Sans")};
const QStringList TitleFonts = {QStringLiteral("Titr"), QStringLiteral("Noto Kufi Arabic"),
                                QStringLiteral("Noto Sans Arabic")};

} // namespace

void install(QApplication& app)
{
    const QStringList families = QFontDatabase::families();
    for (const QString& family : TextFonts) {
        if (families.contains(family)) {
            QFont font(family, 10);
            app.setFont(font);
            break;
        }
    }
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), TextFonts);
    QFont::insertSubstitutions(QStringLiteral("B Nazanin"), QStringList{QStringLiteral("Nazli")} + TextFonts);
    QFont::insertSubstitutions(QStringLiteral("B Jadid"), TextFonts);
    QFont::insertSubstitutions(QStringLiteral("B Titr"), TitleFonts);
}

} // namespace Fonts
