#include "reports/report_fonts.h"

#include <QStringList>

namespace ReportFonts {

namespace {

// Latin letters and the signs the Persian faces lack ("/", "-") come from Noto Sans, the sans
// face drawn to go with Noto's Arabic ones; without it they would fall to Nazli's or the
// system's serif letters.
const QString LatinFace = QStringLiteral("Noto Sans");

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
    return make({QStringLiteral("Noto Sans Arabic"), LatinFace, QStringLiteral("Noto Naskh Arabic"),
                 QStringLiteral("DejaVu Sans")},
                points, bold);
}

QFont body(qreal points, bool bold)
{
    return make({QStringLiteral("Noto Naskh Arabic"), LatinFace, QStringLiteral("Noto Sans Arabic"),
                 QStringLiteral("Nazli"), QStringLiteral("DejaVu Sans")},
                points, bold);
}

QFont title(qreal points)
{
    return make(
        {QStringLiteral("Titr"), LatinFace, QStringLiteral("Noto Kufi Arabic"), QStringLiteral("Noto Sans Arabic")},
        points, false);
}

} // namespace ReportFonts
