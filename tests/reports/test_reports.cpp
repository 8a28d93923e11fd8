#include "data/clock.h"
#include "data/data_control.h"
#include "pdf_text.h"
#include "reports/expense_report.h"
#include "reports/print_settings_dialog.h"
#include "reports/report_preview.h"
#include "settings/settings_store.h"
#include "testing.h"
#include "ui/date_box.h"
#include "ui/messages.h"
#include "words/number_format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

#include <map>

namespace {

const QString Received = QStringLiteral("دريافت");
const QString Paid = QStringLiteral("پرداخت");
const QString Passed = QStringLiteral("پاس شد");
const QString Voided = QStringLiteral("باطل شد");
const QString Mellat = QStringLiteral("ملت");
const QString Saderat = QStringLiteral("صادرات");
const QString Tejarat = QStringLiteral("تجارت");
const QString Quoted = QStringLiteral("O'Neil");
const QString Owner = QStringLiteral("فروشگاه نمونه");
const QString Today = QStringLiteral("1405/09/16");
const QString TotalCaption = QStringLiteral("مبلغ به عدد");
const QString CountCaption = QStringLiteral("تعداد چک هاي نمايش داده شده");
const QString PageCaption = QStringLiteral("شماره صفحه جاري");

struct Cheque
{
    const char* mark;
    const char* date;
    QString bank;
    double amount;
    QString status;
    QString kind;
    const char* entered;
};

// Marks in the description name the cheques in the printed list.
const Cheque Cheques[] = {
    {"C01", "1403/01/01", Mellat, 1000, QStringLiteral("----"), Received, "1404/05/05"},
    {"C02", "1403/12/29", Mellat, 2000, Passed, Paid, "1404/05/01"},
    {"C03", "1403/06/15", Saderat, 4000, Passed, Received, "1404/05/03"},
    {"C04", "1402/12/29", Mellat, 8000, Passed, Received, "1404/05/02"},
    {"C05", "1404/01/01", Tejarat, 16000, Voided, Paid, "1404/05/04"},
    {"C06", "1403/03/03", Mellat, 32000, Passed, Received, "1404/05/06"},
    {"C07", "1403/09/09", Quoted, 64000, QStringLiteral("----"), Paid, "1404/05/07"},
};

double amountOf(const QString& mark)
{
    for (const Cheque& c : Cheques) {
        if (mark == QLatin1String(c.mark))
            return c.amount;
    }
    return 0;
}

QStringList marksIn(const QString& text, const QString& letter)
{
    QStringList marks;
    const QRegularExpression pattern(letter + QStringLiteral("\\d\\d"));
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        marks << it.next().captured(0);
    return marks;
}

// "C04/C01 C06" means C04 first, then C01 and C06 in either order (rows that sort alike).
bool inOrder(const QStringList& marks, const QString& expected)
{
    int at = 0;
    for (const QString& group : expected.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QStringList members = group.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (at + members.size() > marks.size())
            return false;
        QStringList printed = marks.mid(at, members.size());
        members.sort();
        printed.sort();
        if (members != printed)
            return false;
        at += members.size();
    }
    return at == marks.size();
}

// The figures on the printed line that carries a caption.
QStringList figuresBeside(const QString& text, const QString& caption)
{
    const QString wanted = folded(caption);
    for (const QString& line : folded(text).split(QLatin1Char('\n'))) {
        if (!line.contains(wanted))
            continue;
        QStringList figures;
        const QRegularExpression number(QStringLiteral("[0-9][0-9,]*"));
        for (auto it = number.globalMatch(line); it.hasNext();)
            figures << it.next().captured(0);
        return figures;
    }
    return {};
}

// The text with nothing between its letters: pdftotext may set a colon on either side of the
// blank beside it and mirror the quotes around a value on a right-to-left line.
QString squeezed(const QString& text)
{
    QString out;
    for (const QChar c : folded(text)) {
        if (c.isSpace())
            continue;
        out += c == QChar(0x00AB) || c == QChar(0x00BB) ? QLatin1Char('"') : c;
    }
    return out;
}

// Rials as large as a register holds: fifteen digits each, eighteen in the total of 120.
const double Largest = 999999999999999.0;
const QString LargestText = QStringLiteral("999,999,999,999,999");
const QString LargestTotal = QStringLiteral("119,999,999,999,999,880");
const QString LongBank = QStringLiteral("قرض الحسنه مهر ايران");
const QString OtherLongBank = QStringLiteral("توسعه صادرات ايران");

QString nationalNumber(int i)
{
    return QStringLiteral("14021234567890%1").arg(i, 2, 10, QLatin1Char('0'));
}

const QStringList ChequeCaptions = {QStringLiteral("تاريخ چک"),
                                    QStringLiteral("شماره"),
                                    QStringLiteral("نام بانک"),
                                    QStringLiteral("مبلغ"),
                                    QStringLiteral("شــــــــــــــــــــرح چک"),
                                    QStringLiteral("نوع چک"),
                                    QStringLiteral("وضعيت")};

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    std::unique_ptr<TestDatabase> m_data;
    std::unique_ptr<PrintSettingsDialog> m_dialog;
    PdfText m_pdf;
    int m_presented = 0;
    // The paper the presenter prints on through a QPrinter; none: a PDF of the report's own.
    std::optional<QPageLayout> m_paper;

    template <typename T> T* child(QAnyStringView name) { return control<T>(m_dialog.get(), name); }

    // In one transaction: a commit a row would make the tests wait on the disk.
    void inOneGo(const std::function<void()>& work)
    {
        QVERIFY(m_data->db().inTransaction([&] {
            work();
            return true;
        }));
    }

    void addCheques()
    {
        inOneGo([this] { addChequeRows(); });
    }

    void addChequeRows()
    {
        for (const Cheque& c : Cheques)
            m_data->addCheque({{QStringLiteral("TCH"), QString::fromLatin1(c.date)},
                               {QStringLiteral("Num"), QStringLiteral("1%1").arg(QString::fromLatin1(c.mark).mid(1))},
                               {QStringLiteral("NBank"), c.bank},
                               {QStringLiteral("Mab"), c.amount},
                               {QStringLiteral("SH"), QString::fromLatin1(c.mark)},
                               {QStringLiteral("V"), c.status},
                               {QStringLiteral("Prd"), c.kind},
                               {QStringLiteral("TV"), QString::fromLatin1(c.entered)}});
    }

    void addArchived(const char* mark, const char* date, const QString& bank, double amount, const QString& kind)
    {
        using namespace ArchiveTable;
        TableWriter(m_data->db(), Name)
            .insert({{Date, QString::fromLatin1(date)},
                     {Description, QString::fromLatin1(mark)},
                     {Amount, amount},
                     {Bank, bank},
                     {Number, QStringLiteral("900")},
                     {Type, kind},
                     {Status, Passed}});
    }

    void addExpense(int id, const char* mark, const QString& amount)
    {
        using namespace ExpenseTable;
        TableWriter(m_data->db(), Name)
            .insert({{Number, id},
                     {Date, QStringLiteral("1405/09/0%1").arg(id)},
                     {Kind, QStringLiteral("قبوض")},
                     {Description, QString::fromLatin1(mark)},
                     {Amount, amount}});
    }

    void open(const QString& mode)
    {
        m_dialog = std::make_unique<PrintSettingsDialog>(m_data->db());
        m_dialog->setMode(mode);
        m_dialog->show();
    }

    void chooseFilter(int option, const QString& value)
    {
        child<QRadioButton>(qPrintable(QStringLiteral("Option%1").arg(option)))->click();
        if (option == 6)
            child<QComboBox>("Combo1")->setEditText(value);
        if (option == 7)
            child<QComboBox>("Combo2")->setEditText(value);
        if (option == 8)
            child<QComboBox>("Combo3")->setEditText(value);
    }

    void printAndRead()
    {
        const int before = m_presented;
        child<QPushButton>("AeroButton1")->click();
        QCOMPARE(m_presented, before + 1);
    }

    // Reports go into a PDF that the test reads back, instead of a preview window: written by
    // the report itself, or printed on m_paper through a QPrinter as the preview prints.
    void readReports()
    {
        ReportPreview::setPresenter([this](ReportEngine& report, QWidget*) {
            ++m_presented;
            if (!m_paper) {
                QVERIFY2(m_pdf.render(report), qPrintable(m_pdf.error()));
                return;
            }
            const QString path = m_pdf.folder() + QStringLiteral("/printed%1.pdf").arg(m_presented);
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageLayout(*m_paper);
            QVERIFY2(report.print(printer), qPrintable(report.errorText()));
            QVERIFY2(m_pdf.read(path), qPrintable(m_pdf.error()));
        });
    }

    void addLargeCheques()
    {
        inOneGo([this] {
            for (int i = 0; i < 120; ++i)
                m_data->addCheque(
                    {{QStringLiteral("TCH"), QStringLiteral("1404/02/%1").arg(1 + i % 28, 2, 10, QLatin1Char('0'))},
                     {QStringLiteral("Num"), nationalNumber(i)},
                     {QStringLiteral("NBank"), i % 2 ? LongBank : OtherLongBank},
                     {QStringLiteral("Mab"), Largest},
                     {QStringLiteral("SH"), QStringLiteral("شرکت بازرگاني آريا بابت خريد عمده لوازم خانگي")},
                     {QStringLiteral("V"), QStringLiteral("----")},
                     {QStringLiteral("Prd"), i % 3 ? Received : Paid}});
        });
    }

    // Types into a box one key a letter, as a Persian keyboard does.
    static void typePersian(QWidget* box, const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

private slots:
    void initTestCase() { readReports(); }
    void cleanupTestCase() { ReportPreview::setPresenter({}); }
    void init()
    {
        m_paper.reset();
        Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
        SettingsStore::write(QStringLiteral("1"), QStringLiteral("2"), Owner);
        m_data = std::make_unique<TestDatabase>();
        m_presented = 0;
    }
    void cleanup()
    {
        m_dialog.reset();
        m_data.reset();
    }

    void chequeRules_data();
    void chequeRules();
    void chequeReportFramesEveryPage();
    void emptyChequeList();
    void noRuleTellsTheUser();
    void archiveRules_data();
    void archiveRules();
    void archiveIgnoresCombinedSearch();
    void expenseReportListsTheBook();
    void emptyExpenseBook();
    void enablingRules();
    void listsComeFromTheActiveCheques();
    void modeHidesCombinedSearch();
    void previewShowsTheReport();
    void printsWholeOnEveryPaper_data();
    void printsWholeOnEveryPaper();
    void listSaysWhatItHolds_data();
    void listSaysWhatItHolds();
    void settingsSayWhichChoiceDecides();
    void latinTextHasASansFace();
    void expenseFiguresWholeOnA5();
    void banksPrintInPersianOrder();
    void chosenBankFoundInEitherForm();
};

void TestReports::chequeRules_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    // Ticked boxes of the combined search: b(ank), s(tatus), k(ind), d(ates).
    QTest::addColumn<QString>("combined");
    QTest::addColumn<QString>("expected");

    QTest::newRow("dates of one year, both ends in") << 9 << ""
                                                     << "1403/01/01"
                                                     << "1403/12/29"
                                                     << ""
                                                     << "C01/C06/C03/C07/C02";
    QTest::newRow("from after to") << 9 << ""
                                   << "1403/12/29"
                                   << "1403/01/01"
                                   << ""
                                   << "";
    QTest::newRow("bank") << 6 << Mellat << ""
                          << ""
                          << ""
                          << "C04/C01/C06/C02";
    QTest::newRow("bank with a quote") << 6 << Quoted << ""
                                       << ""
                                       << ""
                                       << "C07";
    QTest::newRow("status") << 7 << Voided << ""
                            << ""
                            << ""
                            << "C05";
    QTest::newRow("kind") << 8 << Paid << ""
                          << ""
                          << ""
                          << "C07/C02/C05";
    QTest::newRow("by cheque date") << 1 << ""
                                    << ""
                                    << ""
                                    << ""
                                    << "C04/C01/C06/C03/C07/C02/C05";
    QTest::newRow("by bank") << 2 << ""
                             << ""
                             << ""
                             << ""
                             << "C07/C05/C03/C01 C02 C04 C06";
    QTest::newRow("by status") << 3 << ""
                               << ""
                               << ""
                               << ""
                               << "C01 C07/C05/C02 C03 C04 C06";
    QTest::newRow("by entry date") << 4 << ""
                                   << ""
                                   << ""
                                   << ""
                                   << "C02/C04/C03/C05/C01/C06/C07";
    // In the Persian alphabet پ comes before د: paid cheques first.
    QTest::newRow("by kind") << 5 << ""
                             << ""
                             << ""
                             << ""
                             << "C02 C05 C07/C01 C03 C04 C06";
    QTest::newRow("bank and status") << 0 << ""
                                     << ""
                                     << ""
                                     << "bs"
                                     << "C04/C06/C02";
    QTest::newRow("bank, status and kind") << 0 << ""
                                           << ""
                                           << ""
                                           << "bsk"
                                           << "C04/C06";
    QTest::newRow("bank and kind") << 0 << ""
                                   << ""
                                   << ""
                                   << "bk"
                                   << "C04/C01/C06";
    QTest::newRow("all four: the last rule wins") << 0 << ""
                                                  << ""
                                                  << ""
                                                  << "bskd"
                                                  << "C06";
    QTest::newRow("combined after the bank filter wins") << 6 << Saderat << ""
                                                         << ""
                                                         << "bs"
                                                         << "C04/C06/C02";
    QTest::newRow("kind filter after the combined wins") << 8 << Paid << ""
                                                         << ""
                                                         << "bs"
                                                         << "C07/C02/C05";
    QTest::newRow("order after the combined wins") << 1 << ""
                                                   << ""
                                                   << ""
                                                   << "bs"
                                                   << "C04/C01/C06/C03/C07/C02/C05";
    QTest::newRow("bank and dates without the rest: bank and status rule") << 0 << ""
                                                                           << ""
                                                                           << ""
                                                                           << "bsd"
                                                                           << "C04/C06/C02";
}

void TestReports::chequeRules()
{
    QFETCH(int, option);
    QFETCH(QString, value);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, combined);
    QFETCH(QString, expected);
    addCheques();
    open(QStringLiteral("1"));
    if (!combined.isEmpty()) {
        child<QCheckBox>("Check2")->click();
        const struct
        {
            QChar letter;
            const char* box;
            const char* combo;
            QString text;
        } parts[] = {{QLatin1Char('b'), "Check5", "Combo4", Mellat},
                     {QLatin1Char('s'), "Check1", "Combo5", Passed},
                     {QLatin1Char('k'), "Check3", "Combo6", Received},
                     {QLatin1Char('d'), "Check4", nullptr, QString()}};
        for (const auto& part : parts) {
            if (!combined.contains(part.letter))
                continue;
            child<QCheckBox>(part.box)->click();
            if (part.combo)
                child<QComboBox>(part.combo)->setEditText(part.text);
        }
        child<DateBox>("MaskEdBox3")->setText(QStringLiteral("1403/01/01"));
        child<DateBox>("MaskEdBox4")->setText(QStringLiteral("1403/06/30"));
    }
    if (option != 0)
        chooseFilter(option, value);
    if (option == 9) {
        child<DateBox>("MaskEdBox1")->setText(from);
        child<DateBox>("MaskEdBox2")->setText(to);
    }
    printAndRead();

    const QStringList marks = marksIn(m_pdf.text(), QStringLiteral("C"));
    QVERIFY2(inOrder(marks, expected), qPrintable(marks.join(QLatin1Char(' '))));
    double sum = 0;
    for (const QString& mark : marks)
        sum += amountOf(mark);
    QCOMPARE(figuresBeside(m_pdf.text(), TotalCaption), QStringList{GroupedNumber(sum)});
    QCOMPARE(figuresBeside(m_pdf.text(), CountCaption), QStringList{QString::number(marks.size())});
}

void TestReports::chequeReportFramesEveryPage()
{
    inOneGo([this] {
        for (int i = 0; i < 130; ++i)
            m_data->addCheque({{QStringLiteral("TCH"), QStringLiteral("1404/01/01")},
                               {QStringLiteral("Mab"), 1250000},
                               {QStringLiteral("SH"), QStringLiteral("K%1").arg(i, 3, 10, QLatin1Char('0'))}});
    });
    open(QStringLiteral("1"));
    chooseFilter(1, QString());
    printAndRead();
    const QStringList pages = m_pdf.pages();
    QVERIFY(pages.size() >= 3);
    const QString pageCount = QString::number(pages.size());
    for (int p = 0; p < pages.size(); ++p) {
        const QString page = folded(pages[p]);
        // The headings on every page; the owner, the program's name and the date on the first only.
        QVERIFY(page.contains(folded(QStringLiteral("نام بانک"))));
        QCOMPARE(page.contains(folded(Owner)), p == 0);
        QCOMPARE(page.contains(folded(QStringLiteral("نرم افزار کاويرو ويرايش نهايي"))), p == 0);
        QCOMPARE(page.contains(Today), p == 0);
        QStringList figures = figuresBeside(pages[p], PageCaption);
        figures.sort();
        QStringList wanted{QString::number(p + 1), pageCount};
        wanted.sort();
        QCOMPARE(figures, wanted);
        QCOMPARE(page.contains(folded(TotalCaption)), p == pages.size() - 1);
    }
    QCOMPARE(marksIn(m_pdf.text(), QStringLiteral("K")).size(), 130);
    QCOMPARE(figuresBeside(m_pdf.text(), TotalCaption), QStringList{QStringLiteral("162,500,000")});
    QCOMPARE(figuresBeside(m_pdf.text(), CountCaption), QStringList{QStringLiteral("130")});
}

void TestReports::emptyChequeList()
{
    open(QStringLiteral("1"));
    chooseFilter(1, QString());
    printAndRead();
    QCOMPARE(m_pdf.pages().size(), 1);
    QCOMPARE(figuresBeside(m_pdf.text(), TotalCaption), QStringList{QStringLiteral("0")});
    QCOMPARE(figuresBeside(m_pdf.text(), CountCaption), QStringList{QStringLiteral("0")});
}

void TestReports::noRuleTellsTheUser()
{
    addCheques();
    Messages::MessageLog log;
    open(QStringLiteral("1"));
    // The combined search without a second condition is no rule of the report.
    child<QCheckBox>("Check2")->click();
    child<QCheckBox>("Check5")->click();
    child<QPushButton>("AeroButton1")->click();
    QCOMPARE(m_presented, 0);
    QCOMPARE(log.shown().size(), 1);
    QVERIFY(log.lastText().contains(QStringLiteral("جستجوي ترکيبي")));
    // Nothing chosen at all.
    log.clear();
    child<QCheckBox>("Check2")->click();
    m_dialog->preview();
    QCOMPARE(m_presented, 0);
    QCOMPARE(log.lastText(), QStringLiteral("براي چاپ، يکي از فيلترها يا يکي از ترتيب هاي چاپ را انتخاب کنيد."));
    // A mode other than the two reports does nothing.
    log.clear();
    m_dialog->setMode(QStringLiteral("0"));
    chooseFilter(1, QString());
    child<QPushButton>("AeroButton1")->click();
    QCOMPARE(m_presented, 0);
    QVERIFY(log.shown().isEmpty());
}

void TestReports::archiveRules_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("by date") << 1 << ""
                             << "A01/A02/A03/A04";
    QTest::newRow("by entry date is by date") << 4 << ""
                                              << "A01/A02/A03/A04";
    QTest::newRow("by bank") << 2 << ""
                             << "A04/A03/A01 A02";
    QTest::newRow("bank") << 6 << Mellat << "A01/A02";
    QTest::newRow("kind") << 8 << Paid << "A02/A04";
    QTest::newRow("dates") << 9 << ""
                           << "A02/A03";
}

void TestReports::archiveRules()
{
    QFETCH(int, option);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    addArchived("A03", "1403/05/05", Saderat, 300, Received);
    addArchived("A01", "1402/01/01", Mellat, 100, Received);
    addArchived("A04", "1404/01/01", Tejarat, 400, Paid);
    addArchived("A02", "1403/01/01", Mellat, 200, Paid);
    open(QStringLiteral("2"));
    chooseFilter(option, value);
    child<DateBox>("MaskEdBox1")->setText(QStringLiteral("1403/01/01"));
    child<DateBox>("MaskEdBox2")->setText(QStringLiteral("1403/12/29"));
    printAndRead();
    const QStringList marks = marksIn(m_pdf.text(), QStringLiteral("A"));
    QVERIFY2(inOrder(marks, expected), qPrintable(marks.join(QLatin1Char(' '))));
    double sum = 0;
    for (const QString& mark : marks)
        sum += mark.mid(1).toInt() * 100;
    QCOMPARE(figuresBeside(m_pdf.text(), TotalCaption), QStringList{GroupedNumber(sum)});
    QCOMPARE(figuresBeside(m_pdf.text(), CountCaption), QStringList{QString::number(marks.size())});
    QVERIFY(folded(m_pdf.text()).contains(folded(Owner)));
    QVERIFY(m_pdf.text().contains(Today));
}

void TestReports::archiveIgnoresCombinedSearch()
{
    addArchived("A01", "1402/01/01", Mellat, 100, Received);
    addArchived("A02", "1403/01/01", Saderat, 200, Paid);
    Messages::MessageLog log;
    open(QStringLiteral("2"));
    auto* combined = child<QCheckBox>("Check2");
    QVERIFY(!combined->isVisible());
    // Even ticked behind the user's back, the combined search is no rule of the archive report.
    combined->setChecked(true);
    child<QCheckBox>("Check5")->setChecked(true);
    child<QCheckBox>("Check1")->setChecked(true);
    child<QComboBox>("Combo4")->setEditText(Mellat);
    child<QComboBox>("Combo5")->setEditText(Passed);
    m_dialog->preview();
    QCOMPARE(m_presented, 0);
    QCOMPARE(log.shown().size(), 1);
    chooseFilter(1, QString());
    printAndRead();
    QCOMPARE(marksIn(m_pdf.text(), QStringLiteral("A")), (QStringList{QStringLiteral("A01"), QStringLiteral("A02")}));
}

void TestReports::expenseReportListsTheBook()
{
    addExpense(1, "E01", QStringLiteral("1,500,000"));
    addExpense(2, "E02", QStringLiteral("250,000"));
    addExpense(3, "E03", QStringLiteral(""));
    addExpense(4, "E04", QStringLiteral("12,345,678"));
    previewExpenseReport(m_data->db(), nullptr);
    QCOMPARE(m_presented, 1);
    const QString text = m_pdf.text();
    QCOMPARE(marksIn(text, QStringLiteral("E")),
             (QStringList{QStringLiteral("E01"), QStringLiteral("E02"), QStringLiteral("E03"), QStringLiteral("E04")}));
    QVERIFY(text.contains(QStringLiteral("1,500,000")) && text.contains(QStringLiteral("12,345,678")));
    QVERIFY(folded(text).contains(folded(QStringLiteral("شرح هزينه"))));
    QVERIFY(folded(text).contains(folded(QStringLiteral("نرم افزار ثبت هزينه"))));
    QCOMPARE(figuresBeside(text, QStringLiteral("جمع كل")), QStringList{QStringLiteral("14,095,678")});
    QCOMPARE(figuresBeside(text, QStringLiteral("تعداد ليست هزينه ها")), QStringList{QStringLiteral("4")});
}

void TestReports::emptyExpenseBook()
{
    previewExpenseReport(m_data->db(), nullptr);
    QCOMPARE(m_presented, 1);
    const QString text = m_pdf.text();
    QCOMPARE(m_pdf.pages().size(), 1);
    QVERIFY(folded(text).contains(folded(QStringLiteral("نوع هزينه"))));
    QCOMPARE(figuresBeside(text, QStringLiteral("جمع كل")), QStringList{QStringLiteral("0")});
    QCOMPARE(figuresBeside(text, QStringLiteral("تعداد ليست هزينه ها")), QStringList{QStringLiteral("0")});
}

void TestReports::enablingRules()
{
    addCheques();
    open(QStringLiteral("1"));
    auto* preview = child<QPushButton>("AeroButton1");
    const char* const fields[] = {"Combo1", "Combo2", "Combo3", "MaskEdBox1", "MaskEdBox2"};
    auto enabledFields = [&] {
        QStringList enabled;
        for (const char* name : fields) {
            if (child<QWidget>(name)->isEnabled())
                enabled << QString::fromLatin1(name);
        }
        return enabled.join(QLatin1Char(' '));
    };
    QVERIFY(!preview->isEnabled());
    QCOMPARE(enabledFields(), QString());
    QVERIFY(!child<QGroupBox>("AeroGroupBox2")->isVisible());

    chooseFilter(6, QString());
    QVERIFY(preview->isEnabled());
    QCOMPARE(enabledFields(), QStringLiteral("Combo1"));
    const int banks = child<QComboBox>("Combo1")->count();
    QCOMPARE(banks, 4);
    chooseFilter(6, QString());
    QCOMPARE(child<QComboBox>("Combo1")->count(), banks);
    chooseFilter(7, QString());
    QCOMPARE(enabledFields(), QStringLiteral("Combo2"));
    chooseFilter(8, QString());
    QCOMPARE(enabledFields(), QStringLiteral("Combo3"));
    chooseFilter(9, QString());
    QCOMPARE(enabledFields(), QStringLiteral("MaskEdBox1 MaskEdBox2"));

    // The combined search: its group and the preview follow the tick, an option enables again.
    auto* combined = child<QCheckBox>("Check2");
    combined->click();
    QVERIFY(child<QGroupBox>("AeroGroupBox2")->isVisible());
    QVERIFY(preview->isEnabled());
    combined->click();
    QVERIFY(!child<QGroupBox>("AeroGroupBox2")->isVisible());
    QVERIFY(!preview->isEnabled());
    chooseFilter(1, QString());
    QVERIFY(preview->isEnabled());

    combined->click();
    const struct
    {
        const char* box;
        QStringList fields;
    } conditions[] = {{"Check5", {QStringLiteral("Combo4")}},
                      {"Check1", {QStringLiteral("Combo5")}},
                      {"Check3", {QStringLiteral("Combo6")}},
                      {"Check4", {QStringLiteral("MaskEdBox3"), QStringLiteral("MaskEdBox4")}}};
    for (const auto& condition : conditions) {
        auto* box = child<QCheckBox>(condition.box);
        for (bool ticked : {true, false}) {
            box->click();
            QCOMPARE(box->isChecked(), ticked);
            for (const QString& field : condition.fields)
                QCOMPARE(child<QWidget>(field)->isEnabled(), ticked);
        }
    }
}

void TestReports::listsComeFromTheActiveCheques()
{
    addCheques();
    addArchived("A01", "1402/01/01", QStringLiteral("سپه"), 100, Received);
    open(QStringLiteral("2"));
    auto items = [](QComboBox* combo) {
        QStringList texts;
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
        texts.sort();
        return texts;
    };
    QStringList banks{Mellat, Saderat, Tejarat, Quoted};
    banks.sort();
    QCOMPARE(items(child<QComboBox>("Combo4")), banks);
    chooseFilter(6, QString());
    // A bank found only in the archive cannot be chosen.
    QCOMPARE(items(child<QComboBox>("Combo1")), banks);
    QStringList statuses{QStringLiteral("----"), Passed, Voided};
    statuses.sort();
    QCOMPARE(items(child<QComboBox>("Combo5")), statuses);
    QCOMPARE(child<QComboBox>("Combo4")->currentText(), QStringLiteral("بانك"));
}

void TestReports::modeHidesCombinedSearch()
{
    open(QStringLiteral("1"));
    QCOMPARE(m_dialog->objectName(), QStringLiteral("Form12"));
    QCOMPARE(child<QLabel>("Label8")->text(), QStringLiteral("1"));
    auto* combined = child<QCheckBox>("Check2");
    QVERIFY(combined->isVisible());
    combined->click();
    QVERIFY(child<QGroupBox>("AeroGroupBox2")->isVisible());
    m_dialog->hide();
    m_dialog->setMode(QStringLiteral("2"));
    m_dialog->show();
    QCOMPARE(child<QLabel>("Label8")->text(), QStringLiteral("2"));
    QVERIFY(!combined->isVisible());
    QVERIFY(!child<QGroupBox>("AeroGroupBox2")->isVisible());
    m_dialog->hide();
    m_dialog->setMode(QStringLiteral("1"));
    m_dialog->show();
    QVERIFY(combined->isVisible());
    QVERIFY(child<QGroupBox>("AeroGroupBox2")->isVisible());
}

void TestReports::previewShowsTheReport()
{
    addCheques();
    open(QStringLiteral("1"));
    chooseFilter(1, QString());
    // The program's own preview this time, closed with Escape once it shows its first page.
    ReportPreview::setPresenter({});
    QString pages;
    QString title;
    whenModal(
        [&](QWidget* modal) {
            title = modal->windowTitle();
            pages = control<QLabel>(modal, "pageCountLabel")->text();
            QTest::keyClick(modal, Qt::Key_Escape);
        },
        QStringLiteral("reportPreview"));
    // Enter on the focused preview button opens it, as a click does.
    auto* button = child<QPushButton>("AeroButton1");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    readReports();
    QCOMPARE(pages, QStringLiteral("از 1"));
    QCOMPARE(title, QStringLiteral("ليست چک ها"));
}

void TestReports::printsWholeOnEveryPaper_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("printer");
    QTest::newRow("A4 portrait, the report's own PDF") << int(QPageSize::A4) << int(QPageLayout::Portrait) << false;
    QTest::newRow("A5 portrait through the printer") << int(QPageSize::A5) << int(QPageLayout::Portrait) << true;
    QTest::newRow("A4 landscape through the printer") << int(QPageSize::A4) << int(QPageLayout::Landscape) << true;
}

// 15-digit amounts, their 18-digit total, 16-digit cheque numbers and long bank names print
// whole on every paper, with every heading and the date, and nothing is elided.
void TestReports::printsWholeOnEveryPaper()
{
    QFETCH(int, size);
    QFETCH(int, orientation);
    QFETCH(bool, printer);
    if (printer)
        m_paper = QPageLayout(QPageSize(QPageSize::PageSizeId(size)), QPageLayout::Orientation(orientation),
                              QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    addLargeCheques();
    open(QStringLiteral("1"));
    chooseFilter(1, QString());
    printAndRead();
    const QString text = m_pdf.text();
    QVERIFY(!text.contains(QChar(0x2026)));
    QCOMPARE(text.count(LargestText), 120);
    for (int i = 0; i < 120; ++i)
        QVERIFY2(text.contains(nationalNumber(i)), qPrintable(nationalNumber(i)));
    QCOMPARE(figuresBeside(text, TotalCaption), QStringList{LargestTotal});
    QCOMPARE(figuresBeside(text, CountCaption), QStringList{QStringLiteral("120")});
    // A bank name may wrap at its blanks on narrow paper; its words are never cut.
    const QString plain = folded(text);
    for (const QString& bank : {LongBank, OtherLongBank}) {
        if (size == int(QPageSize::A4))
            QVERIFY2(plain.count(folded(bank)) >= 60, qPrintable(bank));
        for (const QString& word : bank.split(QLatin1Char(' ')))
            QVERIFY2(plain.count(folded(word)) >= 60, qPrintable(word));
    }
    // A heading may wrap at its blank where its column is narrow.
    const QString first = folded(m_pdf.pages().first());
    for (const QString& caption : ChequeCaptions) {
        for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY2(first.contains(folded(word)), qPrintable(caption));
    }
    QVERIFY(first.contains(Today));
    QVERIFY(squeezed(m_pdf.pages().first()).contains(squeezed(QStringLiteral("انتخاب: همه چک ها ؛ ترتيب: تاريخ چک"))));
    // The headings come back on every page.
    for (const QString& page : m_pdf.pages())
        QVERIFY(folded(page).contains(folded(QStringLiteral("نام بانک"))));
}

void TestReports::listSaysWhatItHolds_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("combined");
    QTest::addColumn<QString>("line");
    QTest::newRow("one bank") << "1" << 6 << Mellat << false << QStringLiteral("انتخاب: بانک «ملت» ؛ ترتيب: تاريخ چک");
    QTest::newRow("one status") << "1" << 7 << Voided << false
                                << QStringLiteral("انتخاب: وضعيت «باطل شد» ؛ ترتيب: تاريخ چک");
    QTest::newRow("one kind") << "1" << 8 << Paid << false
                              << QStringLiteral("انتخاب: نوع چک «پرداخت» ؛ ترتيب: تاريخ چک");
    QTest::newRow("every cheque by bank")
        << "1" << 2 << QString() << false << QStringLiteral("انتخاب: همه چک ها ؛ ترتيب: نام بانک");
    QTest::newRow("bank and status together")
        << "1" << 0 << QString() << true << QStringLiteral("انتخاب: بانک «ملت»، وضعيت «پاس شد» ؛ ترتيب: تاريخ چک");
    QTest::newRow("the archive by entry date")
        << "2" << 4 << QString() << false << QStringLiteral("انتخاب: همه چک هاي بايگاني ؛ ترتيب: تاريخ چک");
    QTest::newRow("dates") << "1" << 9 << QString() << false << QStringLiteral("از تاريخ");
}

void TestReports::listSaysWhatItHolds()
{
    QFETCH(QString, mode);
    QFETCH(int, option);
    QFETCH(QString, value);
    QFETCH(bool, combined);
    QFETCH(QString, line);
    addCheques();
    addArchived("A01", "1402/01/01", Mellat, 100, Received);
    open(mode);
    if (combined) {
        child<QCheckBox>("Check2")->click();
        child<QCheckBox>("Check5")->click();
        child<QCheckBox>("Check1")->click();
        child<QComboBox>("Combo4")->setEditText(Mellat);
        child<QComboBox>("Combo5")->setEditText(Passed);
    } else {
        chooseFilter(option, value);
    }
    if (option == 9) {
        child<DateBox>("MaskEdBox1")->setText(QStringLiteral("1403/01/01"));
        child<DateBox>("MaskEdBox2")->setText(QStringLiteral("1403/12/29"));
    }
    // The print settings show beforehand what the list will say.
    const QString deciding = child<QLabel>("choiceLine")->text();
    printAndRead();
    const QString page = m_pdf.pages().first();
    QVERIFY2(squeezed(page).contains(squeezed(line)), qPrintable(page.left(600)));
    if (option == 9) {
        const QString dated = folded(page).split(QLatin1Char('\n')).filter(folded(line)).value(0);
        QVERIFY2(dated.contains(QStringLiteral("1403/01/01")) && dated.contains(QStringLiteral("1403/12/29")),
                 qPrintable(dated));
    }
    QVERIFY2(squeezed(deciding).contains(squeezed(QString(line).remove(QStringLiteral("انتخاب: ")))),
             qPrintable(deciding));
}

// A sort option picked earlier wins over a combined search filled in later; the print
// settings say so, and say which choice will decide as the user goes on choosing.
void TestReports::settingsSayWhichChoiceDecides()
{
    addCheques();
    Messages::MessageLog log;
    open(QStringLiteral("1"));
    auto* line = child<QLabel>("choiceLine");
    QCOMPARE(line->text(), QStringLiteral("هنوز فيلتر يا ترتيبي انتخاب نشده است."));
    QTest::mouseClick(child<QRadioButton>("Option1"), Qt::LeftButton);
    QCOMPARE(line->text(), QStringLiteral("چاپ مي شود: همه چک ها ؛ ترتيب: تاريخ چک"));

    child<QCheckBox>("Check2")->click();
    child<QCheckBox>("Check5")->click();
    child<QCheckBox>("Check1")->click();
    auto* bank = child<QComboBox>("Combo4");
    bank->lineEdit()->clear();
    typePersian(bank->lineEdit(), Mellat);
    auto* status = child<QComboBox>("Combo5");
    status->lineEdit()->clear();
    typePersian(status->lineEdit(), Passed);
    QVERIFY(line->text().startsWith(QStringLiteral("چاپ مي شود: همه چک ها ؛ ترتيب: تاريخ چک")));
    QVERIFY(line->text().contains(QStringLiteral("جستجوي ترکيبي به کار نمي رود")));

    // With a filter instead of the order, the combined search decides, and the filter is put aside.
    chooseFilter(6, Saderat);
    QVERIFY(line->text().startsWith(QStringLiteral("چاپ مي شود: بانک «ملت»، وضعيت «پاس شد»")));
    QVERIFY(line->text().contains(QStringLiteral("فيلتر انتخاب شده به کار نمي رود")));
    printAndRead();
    QCOMPARE(marksIn(m_pdf.text(), QStringLiteral("C")).size(), 3);

    // The bank alone is no combination: the bank filter decides again.
    child<QCheckBox>("Check1")->click();
    QVERIFY(line->text().startsWith(QStringLiteral("چاپ مي شود: بانک «صادرات»")));
    QVERIFY(line->text().contains(QStringLiteral("بانک را همراه با وضعيت يا نوع چک مي خواهد")));
    printAndRead();
    QCOMPARE(marksIn(m_pdf.text(), QStringLiteral("C")), QStringList{QStringLiteral("C03")});

    // The archive has no combined search to put aside.
    m_dialog->hide();
    m_dialog->setMode(QStringLiteral("2"));
    m_dialog->show();
    QCOMPARE(line->text(), QStringLiteral("چاپ مي شود: بانک «صادرات» ؛ ترتيب: تاريخ چک"));
    QVERIFY(log.shown().isEmpty());
}

// Cheque numbers with letters and Latin bank names print in Noto Sans, not in a serif face.
void TestReports::latinTextHasASansFace()
{
    m_data->addCheque({{QStringLiteral("TCH"), QStringLiteral("1404/01/01")},
                       {QStringLiteral("Num"), QStringLiteral("AB-1234/X")},
                       {QStringLiteral("NBank"), QStringLiteral("Bank Melli")},
                       {QStringLiteral("Mab"), 1000},
                       {QStringLiteral("SH"), QStringLiteral("Invoice 12 بابت کالا")}});
    open(QStringLiteral("1"));
    chooseFilter(1, QString());
    printAndRead();
    QVERIFY(m_pdf.text().contains(QStringLiteral("AB-1234/X")));
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {m_pdf.folder() + QStringLiteral("/report1.pdf")});
    QVERIFY(fonts.waitForFinished(60000));
    const QString list = QString::fromUtf8(fonts.readAllStandardOutput());
    QVERIFY2(list.contains(QStringLiteral("NotoSans-")), qPrintable(list));
    for (const char* serif : {"Serif", "Nazli", "Times", "Liberation"})
        QVERIFY2(!list.contains(QLatin1String(serif)), qPrintable(list));
}

void TestReports::expenseFiguresWholeOnA5()
{
    m_paper = QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                          QPageLayout::Millimeter);
    inOneGo([this] {
        for (int i = 1; i <= 120; ++i)
            addExpense(i, "E01", LargestText);
    });
    previewExpenseReport(m_data->db(), nullptr);
    const QString text = m_pdf.text();
    QVERIFY(!text.contains(QChar(0x2026)));
    QCOMPARE(text.count(LargestText), 120);
    QCOMPARE(figuresBeside(text, QStringLiteral("جمع كل")), QStringList{LargestTotal});
    const QString first = folded(m_pdf.pages().first());
    for (const char* caption : {"تاريخ", "نوع هزينه", "شرح هزينه", "مبلغ"})
        QVERIFY2(first.contains(folded(QString::fromUtf8(caption))), caption);
    QVERIFY(squeezed(first).contains(squeezed(QStringLiteral("انتخاب: همه هزينه هاي دفتر ؛ ترتيب: ثبت در دفتر"))));
}

// Banks typed on either layout, marked P01.. in the order the Persian alphabet gives them.
static void addPersianBanks(TestDatabase& data)
{
    const struct
    {
        const char* mark;
        QString bank;
    } rows[] = {{"P05", QStringLiteral("ملت")},      {"P04", QStringLiteral("كشاورزي")},
                {"P02", QStringLiteral("پاسارگاد")}, {"P01", QStringLiteral("آینده")},
                {"P03", QStringLiteral("تجارت")},    {"P06", QStringLiteral("کشاورزی")}};
    QVERIFY(data.db().inTransaction([&] {
        for (const auto& row : rows)
            data.addCheque({{QStringLiteral("TCH"), QStringLiteral("1403/01/01")},
                            {QStringLiteral("NBank"), row.bank},
                            {QStringLiteral("Mab"), 1000},
                            {QStringLiteral("SH"), QString::fromLatin1(row.mark)},
                            {QStringLiteral("V"), QStringLiteral("----")},
                            {QStringLiteral("Prd"), Received}});
        return true;
    }));
}

void TestReports::banksPrintInPersianOrder()
{
    addPersianBanks(*m_data);
    open(QStringLiteral("1"));
    // The bank list of the filter comes in the same order.
    QStringList offered;
    auto* banks = child<QComboBox>("Combo4");
    for (int i = 0; i < banks->count(); ++i)
        offered << banks->itemText(i);
    QCOMPARE(offered, (QStringList{QStringLiteral("آینده"), QStringLiteral("پاسارگاد"), QStringLiteral("تجارت"),
                                   QStringLiteral("كشاورزي"), QStringLiteral("کشاورزی"), QStringLiteral("ملت")}));
    chooseFilter(2, QString());
    printAndRead();
    const QStringList marks = marksIn(m_pdf.text(), QStringLiteral("P"));
    QVERIFY2(inOrder(marks, QStringLiteral("P01/P02/P03/P04/P06/P05")), qPrintable(marks.join(QLatin1Char(' '))));
}

// A bank typed into the filter on a Persian keyboard finds the cheques typed with Arabic letters.
void TestReports::chosenBankFoundInEitherForm()
{
    addPersianBanks(*m_data);
    open(QStringLiteral("1"));
    chooseFilter(6, QString());
    auto* bank = child<QComboBox>("Combo1");
    bank->lineEdit()->clear();
    bank->setFocus();
    typePersian(bank->lineEdit(), QStringLiteral("کشاورزی"));
    QCOMPARE(bank->currentText(), QStringLiteral("کشاورزی"));
    printAndRead();
    const QStringList marks = marksIn(m_pdf.text(), QStringLiteral("P"));
    QVERIFY2(inOrder(marks, QStringLiteral("P04 P06")), qPrintable(marks.join(QLatin1Char(' '))));
    QCOMPARE(figuresBeside(m_pdf.text(), TotalCaption), QStringList{GroupedNumber(2000)});
}

QTEST_MAIN(TestReports)
#include "test_reports.moc"
