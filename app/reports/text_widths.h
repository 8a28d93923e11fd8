#pragma once

#include "reports/report_definition.h"

#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <unordered_map>

class QPaintDevice;

// The widths of the texts of a report's items on one device. The values that come back row
// after row (bank names, statuses, kinds) are remembered, so that each is shaped once and
// not on every row.
class TextWidths
{
public:
    explicit TextWidths(const QPaintDevice* device) : m_device(device) {}

    qreal of(const ReportItem& item, const QString& text);
    const QFontMetricsF& metrics(const ReportItem& item);

private:
    struct Known
    {
        QFontMetricsF metrics;
        QHash<QString, qreal> widths;
    };
    Known& known(const ReportItem& item);

    const QPaintDevice* m_device;
    std::unordered_map<const ReportItem*, Known> m_known;
};
