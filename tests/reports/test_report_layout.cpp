#include "data/row_source.h"
#include "list_rows.h"
#include "pdf_text.h"
#include "reports/band_painter.h"
#include "reports/report_engine.h"
#include "reports/report_fonts.h"
#include "reports/report_output.h"
#include "reports/report_table.h"
#include "reports/report_values.h"
#include "reports/table_geometry.h"
#include "reports/text_widths.h"
#include "testing.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QtTest>

#include <numeric>

namespace {

using Kind = ReportColumn::Kind;
using Align = ReportItem::Align;
using Anchor = ReportItem::Anchor;
using Need = TableGeometry::Need;

constexpr qreal Close = 1e-6;

ReportColumn column(Kind kind, qreal minWidth, qreal maxWidth = 0)
{
    ReportColumn c;
    c.kind = kind;
    c.minWidth = minWidth;
    c.maxWidth = maxWidth;
    return c;
}

qreal total(const QList<qreal>& widths)
{
    return std::accumulate(widths.begin(), widths.end(), qreal(0));
}

QPageLayout paper(QPageSize::PageSizeId size, QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(size), orientation, QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
}

// A cheque list in small: date, number, bank, amount, description; a total and a count after
// the last row, the page number at the foot of every page.
ReportDefinition tableLayout()
{
    const QList<ReportTable::Column> columns = {
        {QStringLiteral("DATE"), QStringLiteral("date"), Kind::Figures, 16, 0, Align::Center, Qt::LeftToRight},
        {QStringLiteral("NUMBER"), QStringLiteral("number"), Kind::Figures, 14, 0, Align::Center, Qt::LeftToRight},
        {QStringLiteral("BANK"), QStringLiteral("bank"), Kind::Text, 14, 40, Align::Start, Qt::RightToLeft},
        {QStringLiteral("AMOUNT"), QStringLiteral("amount"), Kind::Figures, 18, 0, Align::Start, Qt::LeftToRight,
         ReportItem::Format::Grouped},
        {QStringLiteral("TEXT"), QStringLiteral("text"), Kind::Filler, 24, 0, Align::Start, Qt::RightToLeft},
    };
    ReportDefinition d;
    d.columns = ReportTable::columns(columns);
    d.pageHeader = ReportTable::headings(columns);
    d.detail = ReportTable::row(columns);
    const QFont font = ReportFonts::caption(10);
    d.pageFooter.height = 8;
    d.pageFooter.items << ReportItem::label(QRectF(0, 1, 15, 6), QStringLiteral("Page"), font)
                       << ReportItem::summary(ReportItem::Source::PageNumber, QRectF(15, 1, 10, 6), QString(), font);
    d.reportFooter.height = 16;
    d.reportFooter.items << ReportItem::label(QRectF(0, 0, 30, 7), QStringLiteral("TOTAL"), font)
                         << ReportItem::summary(ReportItem::Source::Sum, QRectF(30, 0, 56, 7), QStringLiteral("amount"),
                                                font)
                         << ReportItem::label(QRectF(0, 8, 30, 7), QStringLiteral("ROWS"), font)
                         << ReportItem::summary(ReportItem::Source::Count, QRectF(30, 8, 30, 7),
                                                QStringLiteral("amount"), font);
    return d;
}

const QStringList TableFields = {QStringLiteral("date"), QStringLiteral("number"), QStringLiteral("bank"),
                                 QStringLiteral("amount"), QStringLiteral("text")};

QList<QVariantList> tableRows(int count, double amount = 1250000)
{
    QList<QVariantList> rows;
    for (int i = 0; i < count; ++i)
        rows << QVariantList{QStringLiteral("1403/01/%1").arg(1 + i % 28, 2, 10, QLatin1Char('0')),
                             QStringLiteral("1402123456789%1").arg(i % 1000, 3, 10, QLatin1Char('0')),
                             i % 2 ? QStringLiteral("قرض الحسنه مهر ايران") : QStringLiteral("ملت"), amount,
                             QStringLiteral("row%1 بابت خريد کالا").arg(i)};
    return rows;
}

// The figure printed beside a caption, as pdftotext gives them back on a right-to-left page.
QString beside(const QString& text, const QString& caption)
{
    const QRegularExpression pattern(QStringLiteral("([0-9,]+)\\s+") + QRegularExpression::escape(caption));
    return pattern.match(folded(text)).captured(1);
}

QString lineText(const QString& text, const TextLine& line)
{
    return text.mid(line.start, line.length);
}

} // namespace

class TestReportLayout : public QObject
{
    Q_OBJECT

private slots:
    void columnsShareThePage_data();
    void columnsShareThePage();
    void itemsKeepToTheirEdges();
    void wrapping_data();
    void wrapping();
    void stretchedWordsGiveWayFirst();
    void figuresAreMeasuredWhole();
    void layoutFollowsThePaper();
    void narrowPagesKeepFiguresWhole();
    void totalsAreExactToTheRial();
    void longestValuesComeFromTheQuery();

private:
    TestEnvironment m_env;
};

// date (figures), amount (figures), bank (text), description (filler), kind (text)
void TestReportLayout::columnsShareThePage_data()
{
    QTest::addColumn<qreal>("width");
    QTest::newRow("room to spare goes to the description") << qreal(186);
    QTest::newRow("the bank wraps before a figure shrinks") << qreal(124);
    QTest::newRow("figures shrink once the texts are at their longest word") << qreal(100);
    QTest::newRow("nothing fits: everything gives way") << qreal(50);
}

void TestReportLayout::columnsShareThePage()
{
    QFETCH(qreal, width);
    const QList<ReportColumn> columns = {column(Kind::Figures, 16), column(Kind::Figures, 18),
                                         column(Kind::Text, 12, 40), column(Kind::Filler, 24),
                                         column(Kind::Text, 11, 20)};
    const QList<Need> needs = {{20, 0}, {40, 0}, {36, 15}, {0, 0}, {14, 14}};
    const QList<qreal> widths = TableGeometry::fit(columns, needs, width);
    QCOMPARE(widths.size(), columns.size());
    QVERIFY2(qAbs(total(widths) - width) < Close, qPrintable(QString::number(total(widths))));
    for (const qreal w : widths)
        QVERIFY(w > 0);
    if (width == 186) {
        QCOMPARE(widths[0], 20.0);
        QCOMPARE(widths[1], 40.0);
        QCOMPARE(widths[2], 36.0);
        QCOMPARE(widths[4], 14.0);
        QCOMPARE(widths[3], 76.0);
    } else if (width == 124) {
        QCOMPARE(widths[0], 20.0);
        QCOMPARE(widths[1], 40.0);
        QVERIFY(widths[2] < 36 && widths[2] >= 15 - Close);
        QCOMPARE(widths[3], 24.0);
        QCOMPARE(widths[4], 14.0);
    } else if (width == 100) {
        // Texts at their longest word, the description at its least, the figures smaller.
        QVERIFY(qAbs(widths[2] - 15) < Close);
        QVERIFY(qAbs(widths[4] - 14) < Close);
        QCOMPARE(widths[3], 24.0);
        QVERIFY(widths[0] < 20 && widths[0] >= 16 - Close);
        QVERIFY(widths[1] < 40 && widths[1] >= 18 - Close);
    }
}

void TestReportLayout::itemsKeepToTheirEdges()
{
    ReportDefinition d;
    d.designWidth = 186;
    const QFont font = ReportFonts::caption(10);
    ReportItem column = ReportItem::label(QRectF(0, 0, 0, 7), QStringLiteral("C"), font).anchored(Anchor::Column);
    column.tableColumn = 1;
    ReportItem separator = ReportItem::verticalLine(0, 0, 7).anchored(Anchor::Column);
    separator.tableColumn = 0;
    d.detail.items << ReportItem::label(QRectF(10, 0, 20, 7), QStringLiteral("L"), font)
                   << ReportItem::label(QRectF(150, 0, 36, 7), QStringLiteral("T"), font).anchored(Anchor::Trailing)
                   << ReportItem::horizontalLine(3, 0, 186).anchored(Anchor::Both) << column << separator;
    const ReportDefinition placed = TableGeometry::place(d, {30, 50, 40}, 273);
    const QList<ReportItem>& items = placed.detail.items;
    QCOMPARE(items[0].rect, QRectF(10, 0, 20, 7));
    QCOMPARE(items[1].rect, QRectF(237, 0, 36, 7));
    QCOMPARE(items[2].rect.width(), 273.0);
    QCOMPARE(items[3].rect, QRectF(30, 0, 50, 7));
    QCOMPARE(items[4].rect.left(), 30.0);
    QCOMPARE(items[4].rect.width(), 0.0);
    QCOMPARE(placed.designWidth, 273.0);
}

void TestReportLayout::wrapping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("width");
    QTest::addColumn<int>("lines");
    QTest::newRow("fits on one line") << QStringLiteral("ملت") << qreal(40) << 1;
    QTest::newRow("a long bank name at its blanks") << QStringLiteral("قرض الحسنه مهر ايران") << qreal(16) << 0;
    QTest::newRow("a 16-digit number in a narrow cell") << QStringLiteral("1402123456789012") << qreal(12) << 0;
    QTest::newRow("a long word between short ones")
        << QStringLiteral("بابت 14021234567890121402 کالا") << qreal(15) << 0;
    QTest::newRow("empty") << QString() << qreal(20) << 1;
}

// Every line fits, no letter is lost or repeated, and words break only where they must.
void TestReportLayout::wrapping()
{
    QFETCH(QString, text);
    QFETCH(qreal, width);
    QFETCH(int, lines);
    TextWidths widths;
    const QFont font = ReportFonts::body(10);
    const QList<TextLine> wrapped = widths.wrap(font, text, width);
    if (lines > 0)
        QCOMPARE(wrapped.size(), lines);
    else
        QVERIFY(wrapped.size() > 1);
    QString joined;
    int next = 0;
    for (const TextLine& line : wrapped) {
        QVERIFY2(line.width <= width + Close, qPrintable(lineText(text, line)));
        QVERIFY(qAbs(line.width - widths.of(font, lineText(text, line))) < 0.05);
        // What lies between two lines is a blank or nothing.
        QVERIFY(line.start == next || (line.start == next + 1 && text.at(next) == QLatin1Char(' ')));
        joined += lineText(text, line);
        next = line.start + line.length;
    }
    QCOMPARE(next, int(text.size()));
    QCOMPARE(QString(joined).remove(QLatin1Char(' ')), QString(text).remove(QLatin1Char(' ')));
    // A word that fits a line is never broken.
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (widths.of(font, word) > width)
            continue;
        bool whole = false;
        for (const TextLine& line : wrapped)
            whole = whole || lineText(text, line).split(QLatin1Char(' ')).contains(word);
        QVERIFY2(whole, qPrintable(word));
    }
}

void TestReportLayout::stretchedWordsGiveWayFirst()
{
    TextWidths widths;
    const QFont font = ReportFonts::caption(9.5, true);
    const QString heading = QStringLiteral("شــــــــــــــــــــرح چک");
    QCOMPARE(BandPainter::unstretched(widths, font, heading, 200), heading);
    const QString narrow = BandPainter::unstretched(widths, font, heading, 15);
    QCOMPARE(narrow, QStringLiteral("شرح چک"));
}

// Figures are added up from their characters: never narrower than they print, so a number
// said to fit its cell does.
void TestReportLayout::figuresAreMeasuredWhole()
{
    TextWidths widths;
    for (const QFont& font : {ReportFonts::body(10), ReportFonts::caption(11, true)}) {
        const QFontMetricsF shaped(font, &TextWidths::reference());
        for (const QString& text : {QStringLiteral("1402123456789012"), QStringLiteral("999,999,999,999,999"),
                                    QStringLiteral("1405/09/18"), QStringLiteral("AB-12/X")}) {
            const qreal printed = shaped.horizontalAdvance(text) * 25.4 / 1200;
            const qreal counted = widths.of(font, text);
            QVERIFY2(counted >= printed - Close, qPrintable(text));
            QVERIFY2(counted <= printed * 1.03, qPrintable(text));
        }
    }
}

void TestReportLayout::layoutFollowsThePaper()
{
    auto source = std::make_unique<ListRows>(TableFields, tableRows(300));
    ListRows* rows = source.get();
    ReportEngine report(tableLayout(), std::move(source));
    struct Case
    {
        QPageSize::PageSizeId size;
        QPageLayout::Orientation orientation;
        qreal width;
    };
    int portraitPages = 0;
    for (const Case& c :
         {Case{QPageSize::A4, QPageLayout::Portrait, 186}, Case{QPageSize::A5, QPageLayout::Portrait, 124},
          Case{QPageSize::A4, QPageLayout::Landscape, 273}}) {
        report.setPageLayout(paper(c.size, c.orientation));
        QVERIFY(report.layout());
        QVERIFY(qAbs(total(report.columnWidths()) - c.width) < 0.01);
        if (c.width == 186)
            portraitPages = report.pageCount();
        else if (c.width == 124)
            QVERIFY(report.pageCount() > portraitPages);
        else
            QVERIFY(report.pageCount() > portraitPages); // a shorter page holds fewer rows
        QCOMPARE(report.rowCount(), qint64(300));
    }
    // The widths are read once; each paper costs one more reading of the rows.
    QCOMPARE(rows->rewinds, 4);

    // The PDF has the paper of the page layout.
    report.setPageLayout(paper(QPageSize::A5, QPageLayout::Portrait));
    PdfText pdf;
    QVERIFY2(pdf.render(report), qPrintable(pdf.error()));
    QCOMPARE(pdf.pages().size(), report.pageCount());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf.folder() + QStringLiteral("/report1.pdf")});
    QVERIFY(info.waitForFinished(60000));
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("(A5)")));
}

// 15-digit amounts in a page too narrow for them shrink but print whole; nothing is elided.
void TestReportLayout::narrowPagesKeepFiguresWhole()
{
    ReportEngine report(tableLayout(), std::make_unique<ListRows>(TableFields, tableRows(40, 999999999999999.0)));
    report.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(8, 8, 8, 8), QPageLayout::Millimeter));
    PdfText pdf;
    QVERIFY2(pdf.render(report), qPrintable(pdf.error()));
    const QString text = pdf.text();
    QVERIFY(!text.contains(QChar(0x2026)));
    QCOMPARE(text.count(QStringLiteral("999,999,999,999,999")), 40);
    QCOMPARE(beside(text, QStringLiteral("TOTAL")), QStringLiteral("39,999,999,999,999,960"));
    for (int i = 0; i < 40; ++i)
        QVERIFY2(text.contains(QStringLiteral("row%1").arg(i)), qPrintable(QString::number(i)));
    // Smaller, not spilling over: the amount stays inside its cell.
    const QMap<QString, PdfWord> words = pdfWords(pdf.folder() + QStringLiteral("/report1.pdf"));
    QVERIFY(words.contains(QStringLiteral("999,999,999,999,999")));
    const PdfWord amount = words.value(QStringLiteral("999,999,999,999,999"));
    const qreal cell = report.columnWidths().at(3) - 2 * BandPainter::SidePadding;
    QVERIFY2(
        (amount.xMax - amount.xMin) / PointsPerMillimetre <= cell + 0.3,
        qPrintable(QStringLiteral("%1 mm in %2 mm").arg((amount.xMax - amount.xMin) / PointsPerMillimetre).arg(cell)));
}

void TestReportLayout::totalsAreExactToTheRial()
{
    QCOMPARE(ReportValues::groupedSum(119999999999999880.0L), QStringLiteral("119,999,999,999,999,880"));
    QCOMPARE(ReportValues::groupedSum(-999999999999999999.0L), QStringLiteral("-999,999,999,999,999,999"));
    QCOMPARE(ReportValues::groupedSum(0), QStringLiteral("0"));
    QCOMPARE(ReportValues::groupedSum(1499.5L), QStringLiteral("1,500"));

    // 120 cheques of the largest 15-digit amount: a double would round their total.
    ReportEngine report(tableLayout(), std::make_unique<ListRows>(TableFields, tableRows(120, 999999999999999.0)));
    PdfText pdf;
    QVERIFY2(pdf.render(report), qPrintable(pdf.error()));
    QCOMPARE(beside(pdf.pages().last(), QStringLiteral("TOTAL")), QStringLiteral("119,999,999,999,999,880"));
    QCOMPARE(beside(pdf.pages().last(), QStringLiteral("ROWS")), QStringLiteral("120"));
}

void TestReportLayout::longestValuesComeFromTheQuery()
{
    TestDatabase data;
    const QString Mellat = QStringLiteral("ملت");
    const QString Long = QStringLiteral("قرض الحسنه مهر ايران");
    QVERIFY(data.db().inTransaction([&] {
        for (int i = 0; i < 30; ++i)
            data.addCheque(
                {{QStringLiteral("TCH"), QStringLiteral("1403/01/01")},
                 {QStringLiteral("Num"), QString::number(1000 + i) + (i == 7 ? QStringLiteral("99") : QString())},
                 {QStringLiteral("NBank"), i < 20 ? Mellat : Long},
                 {QStringLiteral("Mab"), 1000 * i}});
        return true;
    }));
    QueryRowSource mellat(data.db().connection(), QStringLiteral("SELECT * FROM T1 WHERE NBank = ? ORDER BY TCH"),
                          {Mellat});
    // Distinct, and only of the rows the query selects.
    QCOMPARE(mellat.longestValues(QStringLiteral("NBank"), 64), std::optional<QVariantList>(QVariantList{Mellat}));
    const std::optional<QVariantList> numbers = mellat.longestValues(QStringLiteral("Num"), 2);
    QVERIFY(numbers && numbers->size() == 2);
    QCOMPARE(numbers->first().toString(), QStringLiteral("100799"));
    QVERIFY(!mellat.longestValues(QStringLiteral("NoSuchColumn"), 5).has_value());

    // Measured from the longest values or from every row, the columns come out alike.
    const QString sql = QStringLiteral("SELECT TCH AS date, Num AS number, NBank AS bank, Mab AS amount, SH AS text "
                                       "FROM T1 ORDER BY TCH");
    ReportEngine fromQuery(tableLayout(), std::make_unique<QueryRowSource>(data.db().connection(), sql));
    QVERIFY(fromQuery.layout());
    QSqlQuery all(data.db().connection());
    QVERIFY(all.exec(sql));
    QList<QVariantList> copied;
    while (all.next())
        copied << QVariantList{all.value(0), all.value(1), all.value(2), all.value(3), all.value(4)};
    ReportEngine fromRows(tableLayout(), std::make_unique<ListRows>(TableFields, copied));
    QVERIFY(fromRows.layout());
    const QList<qreal> a = fromQuery.columnWidths();
    const QList<qreal> b = fromRows.columnWidths();
    QCOMPARE(a.size(), b.size());
    for (int i = 0; i < a.size(); ++i)
        QVERIFY2(qAbs(a[i] - b[i]) < Close, qPrintable(QString::number(i)));
}

QTEST_MAIN(TestReportLayout)
#include "test_report_layout.moc"
