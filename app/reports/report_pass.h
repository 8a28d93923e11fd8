#pragma once

#include "reports/report_definition.h"

#include <QHash>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class BandPainter;
class QPainter;
class RowSource;
class TextWidths;

// Where a page starts: the row about to be printed and the step it is at, the group that is
// open and the running totals. The layout keeps one of these a page; painting resumes from it.
struct ReportPageStart
{
    enum class Step
    {
        GroupBreak,
        Detail,
        LastGroup,
        ReportFooter,
        Done
    };

    qint64 row = 0;
    Step step = Step::GroupBreak;
    bool groupOpen = false;
    QVariant groupKey;
    // Wider than a double, which holds whole numbers exactly up to 16 digits only: a total
    // of 18 digits must come out to the rial.
    std::vector<long double> groupSums;
    qint64 groupCount = 0;
    std::vector<long double> reportSums;
    qint64 reportCount = 0;
    // Rows printed on the page, counted while laying out.
    qint64 rows = 0;
};

// One walk over the rows, laying out or painting. It places the rows band by band and starts
// a new page whenever the next band does not fit; what it carries from page to page is a
// ReportPageStart, so a walk can begin at any page the layout recorded. It works in
// millimetres, with texts measured by TextWidths, so that painting on any device breaks the
// pages where the layout did.
class ReportPass
{
public:
    // summed: the columns whose sums the report prints, in the order of the totals; content:
    // the page's printable area in millimetres.
    ReportPass(const ReportDefinition& definition, RowSource& rows, const std::vector<QString>& summed,
               TextWidths& widths, const QSizeF& content);
    ~ReportPass();

    // Laying out: where each page starts.
    void recordInto(std::vector<ReportPageStart>* pages) { m_record = pages; }
    // Painting: the pages first..last into area; nextPage goes on to the device's next page.
    void paintInto(QPainter& painter, const QRectF& area, int first, int last, int pageCount,
                   std::function<bool()> nextPage);

    // Walks from `start`, the beginning of page `page`; false when the rows cannot be read
    // or the device refuses a page.
    bool run(ReportPageStart start, int page);

    const ReportPageStart& end() const { return m_c; }
    QString error() const { return m_error; }

private:
    using Step = ReportPageStart::Step;
    enum class BandKind
    {
        ReportHeader,
        PageHeader,
        GroupHeader,
        Detail,
        GroupFooter,
        PageFooter,
        ReportFooter
    };

    void resolveColumns();
    QVariant value(const QString& column) const;
    QVariant groupKey() const;
    void step();
    void openGroup(const QVariant& key);
    void closeGroup();
    void accumulate();
    qreal bandHeight(const ReportBand& band, BandKind kind);
    qreal detailHeight() { return bandHeight(m_def.detail, BandKind::Detail); }
    bool ensure(qreal height);
    bool newPage();
    void beginPage();
    void finishPage();
    void place(const ReportBand& band, BandKind kind, qreal height);
    QString textOf(const ReportItem& item, BandKind kind) const;

    const ReportDefinition& m_def;
    RowSource& m_rows;
    const std::vector<QString>& m_summed;
    std::vector<int> m_summedIndex;
    QHash<QString, int> m_columns;
    TextWidths& m_widths;
    const QSizeF m_content;
    const qreal m_bottom;

    std::unique_ptr<BandPainter> m_painter;
    int m_first = 0;
    int m_last = -1;
    int m_pageCount = 0;
    std::function<bool()> m_nextPage;
    std::vector<ReportPageStart>* m_record = nullptr;

    ReportPageStart m_c;
    bool m_have = false;
    bool m_stopped = false;
    int m_page = 0;
    qreal m_y = 0;
    qreal m_bodyTop = 0;
    qint64 m_rowsOnPage = 0;
    QString m_error;
};
