#include "data/row_source.h"
#include "list_rows.h"
#include "pdf_text.h"
#include "reports/report_engine.h"
#include "reports/report_fonts.h"
#include "reports/report_output.h"
#include "reports/report_values.h"
#include "testing.h"

#include <QPainter>
#include <QRegularExpression>
#include <QtTest>

namespace {

using Align = ReportItem::Align;
using Source = ReportItem::Source;

const QFont Font = ReportFonts::caption(10);

// A list with a heading on every page, page figures in the footer, the sum and count of
// "amount" after the last row, and one row per line (or more where "text" wraps).
ReportDefinition listLayout(Qt::LayoutDirection direction = Qt::RightToLeft)
{
    ReportDefinition d;
    d.direction = direction;
    d.margins = QMarginsF(10, 10, 10, 10);
    d.reportHeader.height = 12;
    d.reportHeader.items << ReportItem::label(QRectF(0, 0, 190, 10), QStringLiteral("REPORT-TOP"), Font);
    d.pageHeader.height = 8;
    d.pageHeader.items << ReportItem::label(QRectF(0, 0, 60, 7), QStringLiteral("HEADING"), Font);
    d.detail.height = 6;
    d.detail.items << ReportItem::field(QRectF(0, 0, 30, 6), QStringLiteral("mark"), Font)
                   << ReportItem::field(QRectF(30, 0, 40, 6), QStringLiteral("amount"), Font, Align::Start,
                                        ReportItem::Format::Grouped);
    ReportItem text = ReportItem::field(QRectF(70, 0, 40, 6), QStringLiteral("text"), Font);
    text.canGrow = true;
    d.detail.items << text;
    d.pageFooter.height = 8;
    d.pageFooter.items << ReportItem::label(QRectF(0, 1, 15, 6), QStringLiteral("Page"), Font)
                       << ReportItem::summary(Source::PageNumber, QRectF(15, 1, 10, 6), QString(), Font)
                       << ReportItem::label(QRectF(25, 1, 10, 6), QStringLiteral("of"), Font)
                       << ReportItem::summary(Source::PageCount, QRectF(35, 1, 10, 6), QString(), Font);
    d.reportFooter.height = 16;
    d.reportFooter.items << ReportItem::label(QRectF(0, 0, 30, 7), QStringLiteral("REPORT-END"), Font)
                         << ReportItem::summary(Source::Sum, QRectF(30, 0, 50, 7), QStringLiteral("amount"), Font)
                         << ReportItem::label(QRectF(0, 8, 30, 7), QStringLiteral("COUNT"), Font)
                         << ReportItem::summary(Source::Count, QRectF(30, 8, 30, 7), QStringLiteral("amount"), Font);
    return d;
}

QString mark(int row)
{
    return QStringLiteral("R%1").arg(row, 4, 10, QLatin1Char('0'));
}

// Every seventh row has a text that wraps over several lines, made of words that name the row.
QList<QVariantList> numberedRows(int count)
{
    QList<QVariantList> rows;
    for (int i = 1; i <= count; ++i) {
        QStringList words;
        for (int w = 0; w < (i % 7 == 0 ? 9 : 1); ++w)
            words << QStringLiteral("w%1x%2").arg(i).arg(w);
        rows << QVariantList{mark(i), i * 1000, words.join(QLatin1Char(' '))};
    }
    return rows;
}

std::unique_ptr<ReportEngine> engine(const ReportDefinition& definition, const QList<QVariantList>& rows,
                                     ListRows** source = nullptr)
{
    auto list = std::make_unique<ListRows>(
        QStringList{QStringLiteral("Mark"), QStringLiteral("AMOUNT"), QStringLiteral("text")}, rows);
    if (source)
        *source = list.get();
    return std::make_unique<ReportEngine>(definition, std::move(list));
}

// The figure printed beside a caption: on a right-to-left page the value stands to the left
// of its caption, so it comes first on the line.
QString beside(const QString& page, const QString& caption)
{
    const QRegularExpression pattern(QStringLiteral("([0-9,]+)\\s+") + QRegularExpression::escape(caption));
    return pattern.match(page).captured(1);
}

} // namespace

class TestReportEngine : public QObject
{
    Q_OBJECT

private slots:
    void numbers_data();
    void numbers();
    void formats_data();
    void formats();
    void totalsOverGroupedText();
    void emptyReport();
    void pagesKeepRowsWhole();
    void resumedPageMatchesContinuousPass();
    void rightToLeftColumns_data();
    void rightToLeftColumns();
    void groupsHaveTheirOwnTotals();
    void failingSourceIsReported();

private:
    TestEnvironment m_env;
};

void TestReportEngine::numbers_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("number");
    QTest::newRow("integer") << QVariant(qlonglong(1500000)) << true << 1500000.0;
    QTest::newRow("grouped text") << QVariant(QStringLiteral("1,500,000")) << true << 1500000.0;
    QTest::newRow("blanks around") << QVariant(QStringLiteral(" 250 ")) << true << 250.0;
    QTest::newRow("negative") << QVariant(QStringLiteral("-1,000")) << true << -1000.0;
    QTest::newRow("persian digits") << QVariant(QStringLiteral("۱٬۲۳۴")) << true << 1234.0;
    QTest::newRow("empty text") << QVariant(QStringLiteral("")) << false << 0.0;
    QTest::newRow("null") << QVariant() << false << 0.0;
    QTest::newRow("words") << QVariant(QStringLiteral("12abc")) << false << 0.0;
    QTest::newRow("exponent") << QVariant(QStringLiteral("1e5")) << false << 0.0;
}

void TestReportEngine::numbers()
{
    QFETCH(QVariant, value);
    QFETCH(bool, isNumber);
    QFETCH(double, number);
    const std::optional<double> read = ReportValues::number(value);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, number);
}

void TestReportEngine::formats_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QString>("printed");
    QTest::newRow("number grouped") << QVariant(1234567.0) << true << QStringLiteral("1,234,567");
    QTest::newRow("zero grouped") << QVariant(0) << true << QStringLiteral("0");
    QTest::newRow("grouped text kept") << QVariant(QStringLiteral("1,250,000")) << true << QStringLiteral("1,250,000");
    QTest::newRow("plain text regrouped") << QVariant(QStringLiteral("1250000")) << true << QStringLiteral("1,250,000");
    QTest::newRow("text that is no number") << QVariant(QStringLiteral("----")) << true << QStringLiteral("----");
    QTest::newRow("null") << QVariant() << true << QString();
    QTest::newRow("whole double as is") << QVariant(482311.0) << false << QStringLiteral("482311");
}

void TestReportEngine::formats()
{
    QFETCH(QVariant, value);
    QFETCH(bool, grouped);
    QFETCH(QString, printed);
    QCOMPARE(ReportValues::format(value, grouped ? ReportItem::Format::Grouped : ReportItem::Format::AsIs), printed);
}

void TestReportEngine::totalsOverGroupedText()
{
    // Amounts as the expense book stores them: grouped text, a plain number, and empty cells.
    const QList<QVariantList> rows = {{QStringLiteral("R0001"), QStringLiteral("1,500,000"), QString()},
                                      {QStringLiteral("R0002"), 250000, QString()},
                                      {QStringLiteral("R0003"), QVariant(), QString()},
                                      {QStringLiteral("R0004"), QStringLiteral(""), QString()}};
    auto report = engine(listLayout(), rows);
    PdfText pdf;
    QVERIFY2(pdf.render(*report), qPrintable(pdf.error()));
    QCOMPARE(pdf.pages().size(), 1);
    QCOMPARE(double(report->sum(QStringLiteral("Amount"))), 1750000.0);
    QCOMPARE(beside(pdf.text(), QStringLiteral("REPORT-END")), QStringLiteral("1,750,000"));
    QCOMPARE(beside(pdf.text(), QStringLiteral("COUNT")), QStringLiteral("4"));
    QVERIFY(pdf.text().contains(QStringLiteral("1,500,000")));
    QVERIFY(pdf.text().contains(QStringLiteral("250,000")));
}

void TestReportEngine::emptyReport()
{
    ReportDefinition definition = listLayout();
    definition.groupHeader.height = 8;
    definition.groupHeader.items << ReportItem::label(QRectF(0, 0, 50, 7), QStringLiteral("COLUMNS"), Font);
    auto report = engine(definition, {});
    PdfText pdf;
    QVERIFY2(pdf.render(*report), qPrintable(pdf.error()));
    QCOMPARE(report->pageCount(), 1);
    QCOMPARE(pdf.pages().size(), 1);
    const QString page = pdf.pages().first();
    for (const char* caption : {"REPORT-TOP", "HEADING", "COLUMNS", "REPORT-END"})
        QVERIFY2(page.contains(QLatin1String(caption)), caption);
    QCOMPARE(beside(page, QStringLiteral("REPORT-END")), QStringLiteral("0"));
    QCOMPARE(beside(page, QStringLiteral("COUNT")), QStringLiteral("0"));
    QCOMPARE(beside(page, QStringLiteral("Page")), QStringLiteral("1"));
    QCOMPARE(beside(page, QStringLiteral("of")), QStringLiteral("1"));
}

void TestReportEngine::pagesKeepRowsWhole()
{
    const int count = 300;
    ListRows* source = nullptr;
    auto report = engine(listLayout(), numberedRows(count), &source);
    PdfText pdf;
    QVERIFY2(pdf.render(*report), qPrintable(pdf.error()));
    // Laid out once, painted once: two readings, whatever the number of pages.
    QCOMPARE(source->rewinds, 2);
    const QStringList pages = pdf.pages();
    const int pageCount = report->pageCount();
    QVERIFY(pageCount >= 3);
    QCOMPARE(pages.size(), pageCount);

    qint64 laidOut = 0;
    int expected = 1;
    for (int p = 0; p < pageCount; ++p) {
        const QString& page = pages[p];
        QVERIFY2(page.contains(QStringLiteral("HEADING")), qPrintable(QString::number(p)));
        QCOMPARE(page.contains(QStringLiteral("REPORT-TOP")), p == 0);
        QCOMPARE(page.contains(QStringLiteral("REPORT-END")), p == pageCount - 1);
        QCOMPARE(beside(page, QStringLiteral("Page")), QString::number(p + 1));
        QCOMPARE(beside(page, QStringLiteral("of")), QString::number(pageCount));

        // The rows of the page, in order, each once; every word of a wrapped text on its row's page.
        QCOMPARE(report->firstRowOn(p), laidOut);
        const QRegularExpression marks(QStringLiteral("R(\\d{4})"));
        int onPage = 0;
        for (auto it = marks.globalMatch(page); it.hasNext(); ++onPage) {
            const int row = it.next().captured(1).toInt();
            QCOMPARE(row, expected++);
            if (row % 7 == 0) {
                for (int w = 0; w < 9; ++w)
                    QVERIFY2(page.contains(QStringLiteral("w%1x%2").arg(row).arg(w)), qPrintable(mark(row)));
            }
        }
        QCOMPARE(qint64(onPage), report->rowsOn(p));
        laidOut += onPage;
    }
    QCOMPARE(laidOut, qint64(count));
    QCOMPARE(report->rowCount(), qint64(count));
    QCOMPARE(beside(pages.last(), QStringLiteral("COUNT")), QString::number(count));
}

void TestReportEngine::resumedPageMatchesContinuousPass()
{
    ListRows* source = nullptr;
    auto report = engine(listLayout(), numberedRows(200), &source);
    const int width = 600;
    // Page 3 alone, resumed from where the layout saw it start.
    QImage alone = ReportOutput::pageImage(*report, 0, width);
    QVERIFY(report->pageCount() >= 3);
    source->forgetReads();
    alone = ReportOutput::pageImage(*report, 2, width);
    // Rows of the pages before are skipped, never read.
    QCOMPARE(source->lowestRead, int(report->firstRowOn(2)));

    // The same page at the end of one pass over pages 1 to 3 of the same sheet.
    QImage continuous(alone.size(), alone.format());
    continuous.setDotsPerMeterX(alone.dotsPerMeterX());
    continuous.setDotsPerMeterY(alone.dotsPerMeterY());
    continuous.fill(Qt::white);
    QPainter painter(&continuous);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPageLayout layout = report->pageLayout();
    const qreal scale = width / layout.fullRect(QPageLayout::Millimeter).width();
    const QRectF paintable = layout.paintRect(QPageLayout::Millimeter);
    const QRectF area(paintable.topLeft() * scale, paintable.size() * scale);
    QVERIFY(report->paintPages(
        painter, area, 0, 2,
        [&continuous] {
            continuous.fill(Qt::white);
            return true;
        },
        paintable.size()));
    painter.end();
    QVERIFY(continuous == alone);
}

void TestReportEngine::rightToLeftColumns_data()
{
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("right to left") << true;
    QTest::newRow("left to right") << false;
}

void TestReportEngine::rightToLeftColumns()
{
    QFETCH(bool, rightToLeft);
    ReportDefinition d;
    d.margins = QMarginsF(10, 10, 10, 10);
    d.direction = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    d.detail.height = 8;
    // The first column at the leading edge, its text at the leading side; the second column's at the far side.
    d.detail.items << ReportItem::field(QRectF(0, 0, 50, 8), QStringLiteral("mark"), Font, Align::Start)
                   << ReportItem::field(QRectF(50, 0, 50, 8), QStringLiteral("text"), Font, Align::End);
    auto report = engine(d, {{QStringLiteral("FIRST"), 0, QStringLiteral("SECOND")}});
    PdfText pdf;
    QVERIFY2(pdf.render(*report), qPrintable(pdf.error()));
    const QMap<QString, PdfWord> words = pdfWords(pdf.folder() + QStringLiteral("/report1.pdf"));
    QVERIFY(words.contains(QStringLiteral("FIRST")) && words.contains(QStringLiteral("SECOND")));
    const double pageRight = 210 - 10;
    const double pageLeft = 10;
    const double tolerance = 3; // millimetres: the cell's padding and the glyphs' side bearings
    const PdfWord first = words.value(QStringLiteral("FIRST"));
    const PdfWord second = words.value(QStringLiteral("SECOND"));
    if (rightToLeft) {
        QVERIFY(first.xMin > second.xMax);
        QVERIFY(qAbs(first.xMax / PointsPerMillimetre - pageRight) < tolerance);
        QVERIFY(qAbs(second.xMin / PointsPerMillimetre - (pageRight - 100)) < tolerance);
    } else {
        QVERIFY(first.xMax < second.xMin);
        QVERIFY(qAbs(first.xMin / PointsPerMillimetre - pageLeft) < tolerance);
        QVERIFY(qAbs(second.xMax / PointsPerMillimetre - (pageLeft + 100)) < tolerance);
    }
}

void TestReportEngine::groupsHaveTheirOwnTotals()
{
    ReportDefinition d = listLayout();
    d.groupColumn = QStringLiteral("text");
    d.groupHeader.height = 7;
    d.groupHeader.items << ReportItem::label(QRectF(0, 0, 20, 7), QStringLiteral("GROUP"), Font)
                        << ReportItem::field(QRectF(20, 0, 30, 7), QStringLiteral("TEXT"), Font);
    d.groupFooter.height = 7;
    d.groupFooter.items << ReportItem::label(QRectF(0, 0, 35, 7), QStringLiteral("SUBTOTAL"), Font)
                        << ReportItem::summary(Source::Sum, QRectF(35, 0, 40, 7), QStringLiteral("amount"), Font)
                        << ReportItem::label(QRectF(75, 0, 20, 7), QStringLiteral("ROWS"), Font)
                        << ReportItem::summary(Source::Count, QRectF(95, 0, 20, 7), QStringLiteral("amount"), Font);
    const QList<QVariantList> rows = {{QStringLiteral("R0001"), 1000, QStringLiteral("alpha")},
                                      {QStringLiteral("R0002"), 2000, QStringLiteral("alpha")},
                                      {QStringLiteral("R0003"), 4000, QStringLiteral("beta")}};
    auto report = engine(d, rows);
    PdfText pdf;
    QVERIFY2(pdf.render(*report), qPrintable(pdf.error()));
    const QString text = pdf.text();
    const QRegularExpression subtotal(QStringLiteral("([0-9,]+)\\s+SUBTOTAL"));
    QStringList subtotals;
    for (auto it = subtotal.globalMatch(text); it.hasNext();)
        subtotals << it.next().captured(1);
    QCOMPARE(subtotals, (QStringList{QStringLiteral("3,000"), QStringLiteral("4,000")}));
    QCOMPARE(text.count(QStringLiteral("GROUP")), 2);
    const QRegularExpression rowCounts(QStringLiteral("([0-9]+)\\s+ROWS"));
    QStringList counts;
    for (auto it = rowCounts.globalMatch(text); it.hasNext();)
        counts << it.next().captured(1);
    QCOMPARE(counts, (QStringList{QStringLiteral("2"), QStringLiteral("1")}));
    QVERIFY(text.indexOf(QStringLiteral("beta")) > text.indexOf(QStringLiteral("R0002")));
    QCOMPARE(beside(text, QStringLiteral("REPORT-END")), QStringLiteral("7,000"));
    QCOMPARE(beside(text, QStringLiteral("COUNT")), QStringLiteral("3"));
}

void TestReportEngine::failingSourceIsReported()
{
    TestDatabase data;
    auto report = std::make_unique<ReportEngine>(
        listLayout(), std::make_unique<QueryRowSource>(data.db().connection(), QStringLiteral("SELECT * FROM NoSuch")));
    QVERIFY(!report->readable());
    QVERIFY(!report->errorText().isEmpty());
    PdfText pdf;
    QVERIFY(!pdf.render(*report));
    QCOMPARE(report->pageCount(), 0);
}

QTEST_MAIN(TestReportEngine)
#include "test_report_engine.moc"
