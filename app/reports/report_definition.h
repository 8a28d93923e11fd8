#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

// One thing printed in a band: a text (fixed, a column of the row, a sum or count over a
// column, the page number or the page count), a line, or a frame. Sizes are millimetres. The
// x of an item counts from the report's leading edge, which on a right-to-left report is the
// right edge of the page, so the first column of a table is the rightmost.
//
// Rects are drawn for a page of the definition's designWidth; on the page actually printed an
// item keeps its distance to the edge it is anchored to, stretches between both, or takes the
// place of a column of the table, whose widths follow the rows and the page.
//
// A text is never cut: one that wraps (canGrow) makes its band taller, any other is printed in
// a smaller size when it is wider than its box.
struct ReportItem
{
    enum class Kind
    {
        Text,
        Line,
        Frame
    };
    enum class Source
    {
        Fixed,
        Column,
        Sum,
        Count,
        PageNumber,
        PageCount
    };
    enum class Format
    {
        AsIs,
        // "#,##0": whole numbers grouped in threes; a value that is no number prints as it is.
        Grouped
    };
    // Start is the leading side: the right on a right-to-left report.
    enum class Align
    {
        Start,
        Center,
        End
    };
    enum class Anchor
    {
        Leading,
        Trailing,
        // Both edges: the item grows with the page.
        Both,
        // Across the table's column `tableColumn`; a vertical line stands at its trailing side.
        Column
    };

    Kind kind = Kind::Text;
    QRectF rect;
    Anchor anchor = Anchor::Leading;
    // The column of the table for Anchor::Column.
    int tableColumn = -1;
    Source source = Source::Fixed;
    QString text;
    QString column;
    Format format = Format::AsIs;
    Align align = Align::Start;
    // Captions written with their colon first read right when laid out left to right.
    Qt::LayoutDirection direction = Qt::RightToLeft;
    QFont font;
    QColor color = Qt::black;
    // Frames: the fill behind the band's texts; none when invalid.
    QColor fill;
    qreal lineWidth = 0.25;
    // A text that does not fit its width wraps onto more lines and makes its band taller;
    // what lies below it in the band moves down.
    bool canGrow = false;
    // Frames and vertical lines of a row grow with it.
    bool growsWithBand = false;
    // A text set just after the text printed before it in the band, wherever that ends: the
    // unit after an amount of any length.
    bool followsText = false;

    ReportItem anchored(Anchor to) const
    {
        ReportItem item = *this;
        item.anchor = to;
        return item;
    }

    static ReportItem label(const QRectF& rect, const QString& text, const QFont& font, Align align = Align::Start);
    static ReportItem field(const QRectF& rect, const QString& column, const QFont& font, Align align = Align::Start,
                            Format format = Format::AsIs);
    static ReportItem summary(Source source, const QRectF& rect, const QString& column, const QFont& font,
                              Align align = Align::Start);
    // From (x1, y) to (x2, y).
    static ReportItem horizontalLine(qreal y, qreal x1, qreal x2, qreal width = 0.25);
    // From (x, y1) to (x, y2).
    static ReportItem verticalLine(qreal x, qreal y1, qreal y2, qreal width = 0.25);
    static ReportItem frame(const QRectF& rect, qreal width = 0.25, const QColor& fill = QColor());
};

// A column of the report's table. Its width is found when the report is laid out on a page:
// from the widest value of its field over all rows, its heading's longest word and the room
// the page leaves.
struct ReportColumn
{
    enum class Kind
    {
        // Amounts, dates, numbers: on one line, at the width of the widest value; when the page
        // is too narrow for that, the figures print smaller, never cut.
        Figures,
        // Wraps when narrower than its widest value, and never grows beyond maxWidth.
        Text,
        // Takes the room the other columns leave, and wraps.
        Filler
    };

    QString heading;
    QString field;
    Kind kind = Kind::Text;
    qreal minWidth = 12;
    // No limit when 0.
    qreal maxWidth = 0;
    QFont font;
    QFont headingFont;
    ReportItem::Format format = ReportItem::Format::AsIs;
};

struct ReportBand
{
    qreal height = 0;
    QList<ReportItem> items;
    // A group header printed again at the top of each page its group runs onto.
    bool repeatOnEachPage = false;

    bool isEmpty() const { return height <= 0 && items.isEmpty(); }
};

// A banded report: the report header opens the first page, the page header and footer frame
// every page, the detail band prints once a row, the group header and footer enclose each run
// of rows with the same group value (one group spanning all rows when there is no group
// column), and the report footer follows the last row.
struct ReportDefinition
{
    QString title;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins = QMarginsF(12, 12, 12, 12);
    Qt::LayoutDirection direction = Qt::RightToLeft;
    // The width of the page the rects are drawn for.
    qreal designWidth = 186;
    QList<ReportColumn> columns;

    ReportBand reportHeader;
    ReportBand pageHeader;
    ReportBand groupHeader;
    ReportBand detail;
    ReportBand groupFooter;
    ReportBand pageFooter;
    ReportBand reportFooter;
    QString groupColumn;

    QPageLayout pageLayout() const { return QPageLayout(pageSize, orientation, margins, QPageLayout::Millimeter); }
};
