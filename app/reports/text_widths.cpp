#include "reports/text_widths.h"

namespace {

// Enough for the repeated values of a column; descriptions, which rarely repeat, come and go.
constexpr int MaxRemembered = 1024;

} // namespace

TextWidths::Known& TextWidths::known(const ReportItem& item)
{
    auto found = m_known.find(&item);
    if (found == m_known.end())
        found = m_known.emplace(&item, Known{QFontMetricsF(item.font, m_device), {}}).first;
    return found->second;
}

qreal TextWidths::of(const ReportItem& item, const QString& text)
{
    Known& entry = known(item);
    const auto width = entry.widths.constFind(text);
    if (width != entry.widths.cend())
        return *width;
    if (entry.widths.size() >= MaxRemembered)
        entry.widths.clear();
    const qreal measured = entry.metrics.horizontalAdvance(text);
    entry.widths.insert(text, measured);
    return measured;
}

const QFontMetricsF& TextWidths::metrics(const ReportItem& item)
{
    return known(item).metrics;
}
