#include "cheques/export_command.h"
#include "data/cheque_export.h"
#include "data/clock.h"
#include "testing.h"
#include "ui/messages.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

namespace {

// One cell read back from a written workbook.
struct Cell
{
    bool numeric = false;
    QString text;
    double number = 0;
};

QByteArray unzipped(const QString& file, const QString& member)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, member});
    unzip.waitForFinished();
    return unzip.exitCode() == 0 ? unzip.readAllStandardOutput() : QByteArray();
}

// Reads the first sheet of an .xlsx: its cells by (row, column), counted from 1, and whether
// it runs right to left. Strings may be shared or inline; both are resolved.
struct Sheet
{
    QMap<QPair<int, int>, Cell> cells;
    bool rightToLeft = false;

    explicit Sheet(const QString& file)
    {
        QStringList shared;
        QXmlStreamReader strings(unzipped(file, QStringLiteral("xl/sharedStrings.xml")));
        while (!strings.atEnd()) {
            strings.readNext();
            if (strings.isStartElement() && strings.name() == QLatin1String("si"))
                shared << strings.readElementText(QXmlStreamReader::IncludeChildElements);
        }

        QXmlStreamReader xml(unzipped(file, QStringLiteral("xl/worksheets/sheet1.xml")));
        QPair<int, int> at;
        QString type;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("sheetView")) {
                rightToLeft = xml.attributes().value(QLatin1String("rightToLeft")) == QLatin1String("1");
            } else if (xml.name() == QLatin1String("c")) {
                at = position(xml.attributes().value(QLatin1String("r")).toString());
                type = xml.attributes().value(QLatin1String("t")).toString();
            } else if (xml.name() == QLatin1String("v") || xml.name() == QLatin1String("is")) {
                const QString value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                Cell cell;
                if (type == QLatin1String("s")) {
                    cell.text = shared.value(value.toInt());
                } else if (type.isEmpty() || type == QLatin1String("n")) {
                    cell.numeric = true;
                    cell.number = value.toDouble();
                    cell.text = value;
                } else {
                    cell.text = value;
                }
                cells.insert(at, cell);
            }
        }
        if (xml.hasError())
            qWarning("%s", qPrintable(xml.errorString()));
    }

    static QPair<int, int> position(const QString& reference)
    {
        int column = 0;
        int i = 0;
        for (; i < reference.size() && reference.at(i).isLetter(); ++i)
            column = column * 26 + (reference.at(i).unicode() - 'A' + 1);
        return {reference.mid(i).toInt(), column};
    }

    Cell at(int row, int column) const { return cells.value({row, column}); }
    bool has(int row, int column) const { return cells.contains({row, column}); }
    int lastRow() const
    {
        int last = 0;
        for (auto it = cells.keyBegin(); it != cells.keyEnd(); ++it)
            last = std::max(last, it->first);
        return last;
    }
};

Fields cheque(int i, const QString& date)
{
    return {{QStringLiteral("PD"), 7},
            {QStringLiteral("TV"), QStringLiteral("1403/01/01")},
            {QStringLiteral("TCH"), date},
            {QStringLiteral("Num"), QString::number(500000 + i)},
            {QStringLiteral("NBank"), QStringLiteral("ملت")},
            {QStringLiteral("Mab"), 1000000.0 * (i + 1)},
            {QStringLiteral("SH"), QStringLiteral("خريد كالا ") + QString::number(i)},
            {QStringLiteral("Prd"), i % 2 ? QStringLiteral("پرداخت") : QStringLiteral("دريافت")},
            {QStringLiteral("V"), QStringLiteral("----")},
            {QStringLiteral("Shh"), i % 3 ? QString() : QStringLiteral("تحويل به حسابداري")}};
}

void checkHeader(const Sheet& sheet)
{
    const QStringList captions = ChequeExport::headerCaptions();
    QCOMPARE(captions.size(), 8);
    for (int i = 0; i < captions.size(); ++i)
        QCOMPARE(sheet.at(1, 3 + i).text, captions.at(i));
    QVERIFY(!sheet.has(1, 1) && !sheet.has(1, 2) && !sheet.has(1, 11));
    for (int column = 1; column <= 11; ++column)
        QVERIFY(!sheet.has(2, column));
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    QList<QUrl> m_opened;

private slots:
    void init()
    {
        m_opened.clear();
        setExportFileOpener([this](const QUrl& url) {
            m_opened << url;
            return true;
        });
        Clock::set(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    }

    void fiftyChequesFillRowsThreeToFiftyTwoInDateOrder()
    {
        TestDatabase data;
        QStringList dates;
        for (int i = 0; i < 50; ++i) {
            // Dates out of entry order, across months and years, so that the order is the export's own.
            const QString date = QStringLiteral("%1/%2/%3")
                                     .arg(1402 + (i * 7) % 3)
                                     .arg(1 + (i * 5) % 12, 2, 10, QLatin1Char('0'))
                                     .arg(1 + (i * 11) % 28, 2, 10, QLatin1Char('0'));
            dates << date;
            data.addCheque(cheque(i, date));
        }
        const QString path = QDir(data.dir()).filePath(QStringLiteral("cheques.xlsx"));
        QString error;
        QVERIFY2(ChequeExport::write(data.db(), path, &error), qPrintable(error));
        QVERIFY(error.isEmpty());

        const Sheet sheet(path);
        QVERIFY(sheet.rightToLeft);
        checkHeader(sheet);
        QCOMPARE(sheet.lastRow(), 52);

        std::sort(dates.begin(), dates.end());
        QString previous;
        for (int row = 3; row <= 52; ++row) {
            QVERIFY(!sheet.has(row, 1) && !sheet.has(row, 2) && !sheet.has(row, 11));
            const Cell date = sheet.at(row, 3);
            QVERIFY2(!date.numeric, "a date is written as text");
            QCOMPARE(date.text, dates.at(row - 3));
            // Every cell of a row comes from the same cheque: its number and amount go together.
            const int i = sheet.at(row, 4).text.toInt() - 500000;
            QVERIFY(!sheet.at(row, 4).numeric);
            const Cell amount = sheet.at(row, 6);
            QVERIFY2(amount.numeric, "an amount is written as a number");
            QCOMPARE(amount.number, 1000000.0 * (i + 1));
            QCOMPARE(sheet.at(row, 5).text, QStringLiteral("ملت"));
            QCOMPARE(sheet.at(row, 7).text, QStringLiteral("خريد كالا ") + QString::number(i));
            QCOMPARE(sheet.at(row, 8).text, i % 2 ? QStringLiteral("پرداخت") : QStringLiteral("دريافت"));
            QCOMPARE(sheet.at(row, 9).text, QStringLiteral("----"));
            QCOMPARE(sheet.has(row, 10), i % 3 == 0);
        }
    }

    void emptyListGivesTheHeaderOnly()
    {
        TestDatabase data;
        const QString path = QDir(data.dir()).filePath(QStringLiteral("empty.xlsx"));
        QVERIFY(ChequeExport::write(data.db(), path));
        const Sheet sheet(path);
        QVERIFY(sheet.rightToLeft);
        checkHeader(sheet);
        QCOMPARE(sheet.lastRow(), 1);
    }

    void commandSavesWhereChosenAndOpensTheFile()
    {
        TestDatabase data;
        data.addCheque(cheque(0, QStringLiteral("1405/09/16")));
        Messages::MessageLog log;
        const QString chosen = QDir(data.dir()).filePath(QStringLiteral("ليست"));
        log.answerText(chosen);
        exportChequeList(data.db(), nullptr);

        QCOMPARE(log.shown().size(), 1); // the chooser, nothing else
        const QString suggested = log.shown().first().text;
        QVERIFY2(suggested.endsWith(QStringLiteral("14050916.xlsx")), qPrintable(suggested));
        // The chooser gives no extension of its own; the file gets it.
        const QString written = chosen + QStringLiteral(".xlsx");
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(written)});
        QCOMPARE(Sheet(written).at(3, 3).text, QStringLiteral("1405/09/16"));
    }

    void unwritablePlaceIsReportedAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << QStringLiteral("no such folder/cheques.xlsx");
        QTest::newRow("a folder") << QStringLiteral("folder.xlsx");
    }
    void unwritablePlaceIsReportedAndKeepsTheOldFile()
    {
        QFETCH(QString, name);
        TestDatabase data;
        data.addCheque(cheque(0, QStringLiteral("1405/09/16")));
        QDir(data.dir()).mkdir(QStringLiteral("folder.xlsx"));
        const QString path = QDir(data.dir()).filePath(name);

        Messages::MessageLog log;
        log.answerText(path);
        exportChequeList(data.db(), nullptr);

        QCOMPARE(log.shown().size(), 2);
        const Messages::Shown shown = log.shown().last();
        QCOMPARE(shown.icon, Messages::Icon::Critical);
        QVERIFY2(shown.text.contains(QDir::toNativeSeparators(path)), qPrintable(shown.text));
        QVERIFY(m_opened.isEmpty());
        QVERIFY(!QFileInfo(path).isFile());
        QString error;
        QVERIFY(!ChequeExport::write(data.db(), path, &error));
        QCOMPARE(error, shown.text);
    }

    void failedReadLeavesAnExistingFileAsItWas()
    {
        TestDatabase data;
        const QString path = QDir(data.dir()).filePath(QStringLiteral("old.xlsx"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older export");
        old.close();
        data.db().close(); // the rows cannot be read any more

        QString error;
        QVERIFY(!ChequeExport::write(data.db(), path, &error));
        QVERIFY(error.contains(QDir::toNativeSeparators(path)));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("an older export"));
        QCOMPARE(QDir(data.dir()).entryList({QStringLiteral("old.xlsx*")}, QDir::Files | QDir::Hidden).size(), 1);
    }

    void cancelledChooserWritesNothing()
    {
        TestDatabase data;
        data.addCheque(cheque(0, QStringLiteral("1405/09/16")));
        const QStringList before = QDir(data.dir()).entryList(QDir::Files);
        Messages::MessageLog log;
        log.answerText(QString());
        exportChequeList(data.db(), nullptr);
        QCOMPARE(log.shown().size(), 1);
        QCOMPARE(log.unusedAnswers(), 0);
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(QDir(data.dir()).entryList(QDir::Files), before);
    }

    void fileNobodyOpensIsStillReportedSaved()
    {
        TestDatabase data;
        const QString path = QDir(data.dir()).filePath(QStringLiteral("saved.xlsx"));
        setExportFileOpener([](const QUrl&) { return false; });
        Messages::MessageLog log;
        log.answerText(path);
        exportChequeList(data.db(), nullptr);
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(log.shown().size(), 2);
        QCOMPARE(log.shown().last().icon, Messages::Icon::Information);
        QVERIFY(log.lastText().contains(QDir::toNativeSeparators(path)));
    }
};

QTEST_MAIN(TestExport)
#include "test_export.moc"
