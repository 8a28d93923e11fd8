#include "data/report_queries.h"
#include "pdf_text.h"
#include "reports/cheque_reports.h"
#include "reports/page_view.h"
#include "reports/report_engine.h"
#include "reports/report_preview_window.h"
#include "testing.h"
#include "ui/messages.h"

#include <QComboBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSqlQuery>
#include <QToolButton>
#include <QtTest>

namespace {

// Cheques written straight into T1, in one transaction: a hundred thousand take a second.
void addCheques(Database& db, int count)
{
    QVERIFY(db.inTransaction([&] {
        QSqlQuery insert(db.connection());
        insert.prepare(
            QStringLiteral("INSERT INTO T1 (TV, TCH, Num, NBank, Mab, SH, Prd, V) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < count; ++i) {
            insert.addBindValue(QStringLiteral("1404/01/01"));
            insert.addBindValue(QStringLiteral("14%1/%2/%3")
                                    .arg(i / 10000, 2, 10, QLatin1Char('0'))
                                    .arg(1 + i / 1000 % 12, 2, 10, QLatin1Char('0'))
                                    .arg(1 + i % 28, 2, 10, QLatin1Char('0')));
            insert.addBindValue(QString::number(100000 + i));
            insert.addBindValue(i % 3 ? QStringLiteral("ملت") : QStringLiteral("توسعه صادرات ايران"));
            insert.addBindValue(double(1000 + i) * 10000);
            insert.addBindValue(QStringLiteral("C%1 بابت خريد کالا").arg(i, 6, 10, QLatin1Char('0')));
            insert.addBindValue(i % 2 ? QStringLiteral("دريافت") : QStringLiteral("پرداخت"));
            insert.addBindValue(QStringLiteral("----"));
            if (!insert.exec())
                return false;
        }
        return true;
    }));
}

std::unique_ptr<ReportEngine> byChequeDate(Database& db)
{
    ReportQueries::ReportChoice choice;
    choice.option[1] = true;
    return ChequeReports::chequeReport(db, choice);
}

// Enter on a focused button, as someone going through the toolbar with Tab presses it.
void press(QWidget* window, const char* name)
{
    auto* button = control<QToolButton>(window, name);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
}

} // namespace

class TestReportPreview : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_data = std::make_unique<TestDatabase>(); }
    void cleanup() { m_data.reset(); }

    void opensOnTheFirstOfManyPages();
    void zoomsAndFits();
    void savesThePdfTheUserNames();
    void pageSetupLaysThePagesOutAgain();
    void printsThroughThePrintDialog();
    void speaksPersian();

private:
    TestEnvironment m_env;
    std::unique_ptr<TestDatabase> m_data;

    struct Open
    {
        std::unique_ptr<ReportEngine> report;
        std::unique_ptr<ReportPreviewWindow> window;
    };
    Open open()
    {
        Open preview;
        preview.report = byChequeDate(m_data->db());
        preview.window = std::make_unique<ReportPreviewWindow>(*preview.report);
        preview.window->resize(1000, 700);
        if (!preview.window->prepare())
            qFatal("the preview did not lay out: %s", qPrintable(preview.window->errorText()));
        preview.window->show();
        QApplication::setActiveWindow(preview.window.get());
        if (!QTest::qWaitForWindowActive(preview.window.get()))
            qFatal("the preview did not become the active window");
        return preview;
    }
};

// Page 1 of a hundred thousand rows is there without the others being painted; the last page
// is painted when it is asked for, and no page in between.
void TestReportPreview::opensOnTheFirstOfManyPages()
{
    addCheques(m_data->db(), 100000);
    Open preview = open();
    QWidget* window = preview.window.get();
    const int pages = preview.report->pageCount();
    QVERIFY(pages > 2000);
    QCOMPARE(control<QSpinBox>(window, "pageBox")->value(), 1);
    QCOMPARE(control<QLabel>(window, "pageCountLabel")->text(), QStringLiteral("از %1").arg(pages));
    QVERIFY(control<QLabel>(window, "statusLine")->text().contains(QStringLiteral("100000")));
    PageView* view = preview.window->pages();
    QCOMPARE(view->painted(), QList<int>{0});
    QVERIFY(!control<QToolButton>(window, "previousPageButton")->isEnabled());

    QTest::keyClick(view, Qt::Key_End);
    QApplication::processEvents();
    QCOMPARE(control<QSpinBox>(window, "pageBox")->value(), pages);
    QCOMPARE(view->painted().last(), pages - 1);
    QVERIFY(view->painted().size() <= 3);
    QVERIFY(!control<QToolButton>(window, "nextPageButton")->isEnabled());

    press(window, "previousPageButton");
    QApplication::processEvents();
    QCOMPARE(view->currentPage(), pages - 2);
    // A page typed into the page box.
    auto* box = control<QSpinBox>(window, "pageBox");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "1500");
    QTest::keyClick(box, Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(view->currentPage(), 1499);
    QVERIFY(preview.window->isVisible());
    press(window, "firstPageButton");
    QCOMPARE(view->currentPage(), 0);
    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(view->currentPage(), 1);
}

void TestReportPreview::zoomsAndFits()
{
    addCheques(m_data->db(), 200);
    Open preview = open();
    QWidget* window = preview.window.get();
    PageView* view = preview.window->pages();
    auto* zoom = control<QComboBox>(window, "zoomBox");
    QCOMPARE(zoom->currentText(), QStringLiteral("عرض صفحه"));
    const qreal fitted = view->zoom();

    press(window, "zoomInButton");
    QVERIFY(view->zoom() > fitted);
    QVERIFY(zoom->currentText().endsWith(QLatin1Char('%')));
    QCOMPARE(zoom->currentText(), QStringLiteral("%1%").arg(qRound(view->zoom() * 100)));
    const qreal larger = view->zoom();
    // A shortcut presses its button, which takes a moment to come up again.
    QTest::keyClick(window, Qt::Key_Minus, Qt::ControlModifier);
    QTRY_VERIFY(view->zoom() < larger);

    // The whole page in view, chosen in the list with the arrow keys.
    zoom->setFocus();
    zoom->setCurrentIndex(0);
    QTest::keyClick(zoom, Qt::Key_Down);
    QCOMPARE(zoom->currentText(), QStringLiteral("تمام صفحه"));
    QCOMPARE(view->fit(), PageView::Fit::Page);
    const QSize page = (view->zoom() * QSizeF(210, 297) * view->logicalDpiX() / 25.4).toSize();
    QVERIFY(page.height() <= view->viewport()->height());

    // The zoom of a page keeps it in view.
    view->showPage(3);
    preview.window->zoomIn();
    QCOMPARE(view->currentPage(), 3);
}

void TestReportPreview::savesThePdfTheUserNames()
{
    addCheques(m_data->db(), 150);
    Open preview = open();
    QWidget* window = preview.window.get();
    QTemporaryDir dir;
    Messages::MessageLog log;

    // Without a suffix the file still becomes a PDF.
    log.answerText(dir.filePath(QStringLiteral("ليست")));
    press(window, "savePdfButton");
    const QString saved = dir.filePath(QStringLiteral("ليست.pdf"));
    PdfText pdf;
    QVERIFY2(pdf.read(saved), qPrintable(pdf.error()));
    QCOMPARE(pdf.pages().size(), preview.report->pageCount());
    QVERIFY(pdf.text().contains(QStringLiteral("C000149")));
    QVERIFY(control<QLabel>(window, "statusLine")->text().contains(saved));
    // The file chooser was asked, under its caption, with the list's name offered; nothing else was said.
    QCOMPARE(log.shown().size(), 1);
    QCOMPARE(log.shown().first().title, QStringLiteral("ذخيره PDF"));
    QVERIFY(log.shown().first().text.endsWith(QStringLiteral("ليست چک ها.pdf")));

    // Cancelled: nothing is written, nothing is said.
    log.clear();
    log.answerText(QString());
    preview.window->savePdf();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    QCOMPARE(log.shown().size(), 1);

    // A folder that is not there is named in a message.
    log.clear();
    const QString missing = dir.filePath(QStringLiteral("gone/list.pdf"));
    log.answerText(missing);
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    QTRY_COMPARE(log.shown().size(), 2);
    QCOMPARE(log.shown().last().icon, Messages::Icon::Critical);
    QVERIFY(log.lastText().contains(dir.filePath(QStringLiteral("gone"))));
    QCOMPARE(log.unusedAnswers(), 0);
}

// A5 landscape chosen in Qt's own page setup: the pages are laid out again for it, and the
// rows that were in view stay in view.
void TestReportPreview::pageSetupLaysThePagesOutAgain()
{
    addCheques(m_data->db(), 300);
    Open preview = open();
    PageView* view = preview.window->pages();
    const int before = preview.report->pageCount();
    view->showPage(4);
    const qint64 row = preview.report->firstRowOn(4);
    bool chosen = false;
    whenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPageSetupDialog*>(modal);
        if (dialog) {
            auto* size = control<QComboBox>(dialog, "pageSizeCombo");
            const int a5 = size->findText(QStringLiteral("A5"), Qt::MatchStartsWith);
            if (a5 >= 0) {
                size->setCurrentIndex(a5);
                control<QRadioButton>(dialog, "landscape")->click();
                chosen = true;
            }
            dialog->accept();
        } else {
            modal->close();
        }
    });
    press(preview.window.get(), "pageSetupButton");
    QVERIFY(chosen);
    const QPageLayout layout = preview.report->pageLayout();
    QCOMPARE(layout.pageSize().id(), QPageSize::A5);
    QCOMPARE(layout.orientation(), QPageLayout::Landscape);
    QVERIFY(preview.report->pageCount() > before);
    QCOMPARE(view->pageCount(), preview.report->pageCount());
    const int page = view->currentPage();
    QVERIFY(preview.report->firstRowOn(page) <= row);
    QVERIFY(row < preview.report->firstRowOn(page) + preview.report->rowsOn(page));
    QCOMPARE(control<QSpinBox>(preview.window.get(), "pageBox")->value(), page + 1);
}

void TestReportPreview::printsThroughThePrintDialog()
{
    addCheques(m_data->db(), 200);
    Open preview = open();
    QTemporaryDir dir;
    QPrinter& printer = preview.window->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString out = dir.filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(out);
    const auto accept = [](QWidget* modal) {
        if (auto* dialog = qobject_cast<QPrintDialog*>(modal))
            dialog->accept();
        else
            modal->close();
    };
    whenModal(accept);
    preview.window->print();
    PdfText pdf;
    QVERIFY2(pdf.read(out), qPrintable(pdf.error()));
    QCOMPARE(pdf.pages().size(), preview.report->pageCount());

    // Only the page in view.
    preview.window->pages()->showPage(2);
    printer.setPrintRange(QPrinter::CurrentPage);
    QFile::remove(out);
    whenModal([](QWidget* modal) {
        if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
            control<QRadioButton>(dialog, "printCurrentPage")->setChecked(true);
            dialog->accept();
        } else {
            modal->close();
        }
    });
    preview.window->print();
    QVERIFY2(pdf.read(out), qPrintable(pdf.error()));
    QCOMPARE(pdf.pages().size(), 1);
    QVERIFY(pdf.text().contains(QStringLiteral("C%1").arg(preview.report->firstRowOn(2), 6, 10, QLatin1Char('0'))));
}

// The preview's own captions are Persian, whether or not Qt's catalogue is loaded.
void TestReportPreview::speaksPersian()
{
    addCheques(m_data->db(), 3);
    Open preview = open();
    const QList<QToolButton*> buttons =
        preview.window->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(buttons.size() >= 10);
    for (QToolButton* button : buttons) {
        QString text = button->text();
        text.remove(QStringLiteral("PDF"));
        QVERIFY2(!text.isEmpty(), qPrintable(button->objectName()));
        for (const QChar c : text)
            QVERIFY2(c.script() != QChar::Script_Latin, qPrintable(button->objectName()));
        QVERIFY(!button->toolTip().isEmpty());
    }
    QCOMPARE(control<QToolButton>(preview.window.get(), "savePdfButton")->text(), QStringLiteral("ذخيره PDF"));
    QCOMPARE(control<QToolButton>(preview.window.get(), "closeButton")->text(), QStringLiteral("بستن"));
    QTest::keyClick(preview.window.get(), Qt::Key_Escape);
    QVERIFY(!preview.window->isVisible());
    QCOMPARE(preview.window->result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
