#include "reports/report_fonts.h"

#include <QStringList>

namespace ReportFonts {

namespace {

QFont make(const QStringList& families, qreal points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Positions come from the font's outlines, the same on paper, in PDF and on screen.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

QFont caption(qreal points, bool bold)
{
    return make(
        {QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Naskh Arabic"), QStringLiteral("DejaVu Sans")},
        points, bold);
}

QFont body(qreal points, bool bold)
{
    return make({QStringLiteral("Noto Naskh Arabic"), QStringLiteral("Nazli"), QStringLiteral("Noto Sans Arabic"),
                 QStringLiteral("DejaVu Sans")},
                points, bold);
}

QFont title(qreal points)
{
    return make({QStringLiteral("Titr"), QStringLiteral("Noto Kufi Arabic"), QStringLiteral("Noto Sans Arabic")},
                points, false);
}

} // namespace ReportFonts
