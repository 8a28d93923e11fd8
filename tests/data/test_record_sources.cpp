#include "data/archive_queries.h"
#include "data/bank_ledger.h"
#include "data/cheque_queries.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/due_cheques.h"
#include "data/report_queries.h"
#include "data/row_source.h"
#include "data/search_index.h"
#include "data/sql_engine.h"
#include "data/table_writer.h"
#include "data/tables.h"
#include "testing.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

Q_DECLARE_METATYPE(RecordSource)

namespace {

struct Rows
{
    QStringList sorted;  // every row as text, sorted: the same rows whatever their order
    QStringList ordered; // the order column of each row, in the order the rows came
};

QString rowText(const QSqlRecord& record, const QList<QVariant>& values)
{
    QStringList cells;
    for (int i = 0; i < values.size(); ++i)
        cells << record.fieldName(i).toLower() + QLatin1Char('=') +
                     (values.at(i).isNull() ? QStringLiteral("<null>") : values.at(i).toString());
    return cells.join(QLatin1Char('|'));
}

// What the wording of a source gives when SQLite runs it as it stands. A test run on a server
// reads the wording on a local file that holds the same rows, so that the lists of the server
// are compared with those of the local file.
Rows readWording(Database& db, const RecordSource& source)
{
    Rows rows;
    QSqlQuery query(db.connection());
    if (!query.prepare(source.sql))
        qFatal("wording does not prepare: %s", qPrintable(source.sql));
    for (const QVariant& value : source.binds())
        query.addBindValue(value);
    if (!query.exec())
        qFatal("wording does not run: %s", qPrintable(source.sql));
    while (query.next()) {
        QList<QVariant> values;
        for (int i = 0; i < query.record().count(); ++i)
            values << query.value(i);
        rows.sorted << rowText(query.record(), values);
        if (!source.order.isEmpty())
            rows.ordered << query.value(query.record().indexOf(source.order)).toString();
    }
    rows.sorted.sort();
    return rows;
}

// What the data control shows for the same source, through the statements the engine composes.
Rows readList(DataControl& list, const RecordSource& source)
{
    Rows rows;
    list.setRecordSource(source);
    if (!list.refresh())
        qFatal("list does not read: %s", qPrintable(list.errorText()));
    RowModel* model = list.model();
    for (int r = 0; r < list.recordCount(); ++r) {
        QList<QVariant> values;
        QSqlRecord record;
        for (int c = 0; c < model->columnCount(); ++c) {
            values << model->value(r, c);
            record.append(QSqlField(model->headerData(c, Qt::Horizontal).toString()));
        }
        rows.sorted << rowText(record, values);
        if (!source.order.isEmpty())
            rows.ordered << model->value(r, source.order).toString();
    }
    rows.sorted.sort();
    return rows;
}

QVariant scalarOf(Database& db, const QString& sql)
{
    QSqlQuery query(db.connection());
    return query.exec(sql) && query.next() ? query.value(0) : QVariant();
}

ReportQueries::ReportChoice option(int number)
{
    ReportQueries::ReportChoice choice;
    choice.option[number] = true;
    choice.bank = QStringLiteral("ملت");
    choice.status = QStringLiteral("----");
    choice.kind = QStringLiteral("دريافت");
    choice.from = QStringLiteral("1403/01/01");
    choice.to = QStringLiteral("1403/06/31");
    return choice;
}

} // namespace

class TestRecordSources : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> m_data;
    // On a server run, a local file with the same rows; the register itself otherwise.
    QTemporaryDir m_localDir;
    std::unique_ptr<Database> m_local;
    Database& local() { return m_local ? *m_local : m_data->db(); }

    void insertEverywhere(const QString& table, const Fields& fields)
    {
        QVERIFY(TableWriter(m_data->db(), table).insert(fields));
        if (m_local)
            QVERIFY(TableWriter(*m_local, table).insert(fields));
    }

    void addArchived(const QVariant& amount, const QString& bank, const QVariant& type, const QString& description)
    {
        using namespace ArchiveTable;
        insertEverywhere(Name, {{Date, QStringLiteral("1403/0%1/10").arg(m_archived++ % 9 + 1)},
                                {Description, description},
                                {Amount, amount},
                                {Bank, bank},
                                {Number, QStringLiteral("77%1").arg(m_archived)},
                                {Type, type},
                                {Status, QStringLiteral("پاس شد")}});
    }
    int m_archived = 0;

private slots:
    void initTestCase()
    {
        m_data = std::make_unique<TestDatabase>();
        QCOMPARE(m_data->opened(), Database::OpenResult::Created);
        if (testsOnServer()) {
            m_local = std::make_unique<Database>(m_localDir.path());
            QCOMPARE(m_local->open(), Database::OpenResult::Created);
        }
        using namespace ChequeTable;
        const QStringList names = {QStringLiteral("علي رضايي"), QStringLiteral("O'Brien"), QStringLiteral("50% نقد"),
                                   QString()};
        for (int i = 0; i < 40; ++i) {
            Fields cheque = {{BankKey, i % 3 + 1},
                             {EntryDate, QStringLiteral("1402/12/%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0'))},
                             {Date, QStringLiteral("1403/%1/%2")
                                        .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                                        .arg(i % 5 + 1, 2, 10, QLatin1Char('0'))},
                             {Number, QString::number(1000 + i)},
                             {Bank, i % 2 ? QStringLiteral("ملت") : QStringLiteral("صادرات")},
                             {Amount, 1500 + (i % 7) * 1000},
                             {Description, names.at(i % names.size())},
                             {Type, i % 3 ? QStringLiteral("دريافت") : QStringLiteral("پرداخت")},
                             {Status, i % 4 ? QStringLiteral("----") : QStringLiteral("پاس شد")},
                             {Remarks, i % 5 ? QString() : QStringLiteral("تحويل")}};
            insertEverywhere(Name, cheque);
        }
        // Cheques typed on either layout: the Persian forms beside the Arabic ones above.
        const QStringList banks = {QStringLiteral("کشاورزی"), QStringLiteral("آینده"), QStringLiteral("كشاورزي"),
                                   QStringLiteral("تجارت"), QStringLiteral("پاسارگاد")};
        for (int i = 0; i < banks.size(); ++i) {
            insertEverywhere(Name, {{BankKey, 1},
                                    {EntryDate, QStringLiteral("1403/03/01")},
                                    {Date, QStringLiteral("1403/03/0%1").arg(i + 1)},
                                    {Number, QStringLiteral("۱۲۵%1").arg(i)},
                                    {Bank, banks.at(i)},
                                    {Amount, 12500 + i},
                                    {Description, i % 2 ? QStringLiteral("علی کالا")
                                                        : QStringLiteral("كالاي مي‌خواهم")},
                                    {Type, i % 2 ? QStringLiteral("دریافت") : QStringLiteral("پرداخت")},
                                    {Status, QStringLiteral("----")}});
        }
        // A cheque added to the archive from the list keeps no type; an amount typed as text.
        addArchived(7200000, QStringLiteral("ملت"), QStringLiteral("دريافت"), QStringLiteral("رضا"));
        addArchived(4750000, QStringLiteral("صادرات"), QVariant(), QStringLiteral("اجاره"));
        // A server's amount columns hold whole numbers only; there the cell is empty instead.
        addArchived(testsOnServer() ? QVariant() : QVariant(QStringLiteral("نامعلوم")), QStringLiteral("ملت"),
                    QStringLiteral("پرداخت"), QStringLiteral("قبض"));
        addArchived(18500000, QString(), QStringLiteral("پرداخت"), QStringLiteral("O'Brien"));
        // Empty, not null: an empty search leaves these out of the archive list.
        addArchived(1000, QStringLiteral(""), QStringLiteral(""), QStringLiteral("بي نام"));
        const QStringList amounts = {QStringLiteral("9,000"), QStringLiteral("10,000,000"), QStringLiteral(" 250000"),
                                     QStringLiteral("abc")};
        for (int i = 0; i < amounts.size(); ++i)
            insertEverywhere(ExpenseTable::Name, {{ExpenseTable::Number, i + 1},
                                                  {ExpenseTable::Date, QStringLiteral("1403/02/0%1").arg(i + 1)},
                                                  {ExpenseTable::Kind, QStringLiteral("قبوض")},
                                                  {ExpenseTable::Description, QString::number(i)},
                                                  {ExpenseTable::Amount, amounts.at(i)}});
    }

    // Every record source the program builds: the list composed from its fields holds the same
    // rows as its wording, in the same order, and so do the rows a report reads.
    void programSourcesReadAsTheirWording_data()
    {
        QTest::addColumn<RecordSource>("source");
        QTest::newRow("cheques") << ChequeQueries::all();
        QTest::newRow("cheques by date") << ChequeQueries::byDate();
        for (int choice = 0; choice < ChequeQueries::SearchColumns; ++choice) {
            for (const QString& text : {QString(), QStringLiteral("1"), QStringLiteral("'"), QStringLiteral("رضا"),
                                        QStringLiteral("علی"), QStringLiteral("۱۲۵"), QStringLiteral("کشاورزی")})
                QTest::addRow("cheque search %d '%s'", choice, qPrintable(text))
                    << ChequeQueries::textSearch(choice, text);
        }
        QTest::newRow("cheque dates") << ChequeQueries::dateRange(QStringLiteral("1403/02/01"),
                                                                  QStringLiteral("1403/07/03"));
        QTest::newRow("half a date") << ChequeQueries::dateRange(QStringLiteral("1403/02/01"), QStringLiteral("1403"));
        QTest::newRow("due") << DueCheques::source(QDate(2024, 3, 20), 0);
        QTest::newRow("type") << ChequeQueries::ofType(QStringLiteral("دريافت"));
        QTest::newRow("archive") << ArchiveQueries::all();
        for (int choice = 0; choice < ArchiveQueries::SearchColumns; ++choice) {
            for (const QString& text :
                 {QString(), QStringLiteral("0"), QStringLiteral("ملت"), QStringLiteral("دریافت")})
                QTest::addRow("archive search %d '%s'", choice, qPrintable(text))
                    << ArchiveQueries::columnSearch(choice, text);
        }
        QTest::newRow("archive dates") << ArchiveQueries::dateRange(QStringLiteral("1403/02/01"),
                                                                    QStringLiteral("1403/04/30"));
        for (int number = 1; number <= 9; ++number) {
            QTest::addRow("cheque report %d", number) << *ReportQueries::chequeSource(option(number));
            QTest::addRow("archive report %d", number) << *ReportQueries::archiveSource(option(number));
        }
        ReportQueries::ReportChoice combined;
        combined.combined = combined.byBank = combined.byStatus = combined.byKind = combined.byDates = true;
        combined.combinedBank = QStringLiteral("ملت");
        combined.combinedStatus = QStringLiteral("----");
        combined.combinedKind = QStringLiteral("دريافت");
        combined.combinedFrom = QStringLiteral("1403/01/01");
        combined.combinedTo = QStringLiteral("1403/12/29");
        QTest::newRow("combined report") << *ReportQueries::chequeSource(combined);
        combined.byDates = false;
        combined.combinedBank = QStringLiteral("کشاورزی");
        combined.combinedKind = QStringLiteral("دريافت");
        QTest::newRow("combined report without dates") << *ReportQueries::chequeSource(combined);
        QTest::newRow("expenses") << ReportQueries::expenseSource();
        QTest::newRow("banks") << BankLedger::AllBanks;
    }
    void programSourcesReadAsTheirWording()
    {
        QFETCH(RecordSource, source);
        Database& db = m_data->db();
        const Rows wording = readWording(local(), source);
        DataControl list(db);
        const Rows shown = readList(list, source);
        QCOMPARE(shown.sorted, wording.sorted);
        QCOMPARE(shown.ordered, wording.ordered);
        QCOMPARE(list.recordCount(), wording.sorted.size());

        std::unique_ptr<RowSource> report = rowsOf(db, source);
        QVERIFY2(report->rewind(), qPrintable(report->errorText()));
        int count = 0;
        while (report->next())
            ++count;
        QCOMPARE(count, wording.sorted.size());
    }

    // The archive adds up only the cells that hold a number, from memory as in the database.
    void archiveSearchFromMemoryAgreesWithTheDatabase()
    {
        Database& db = m_data->db();
        DataControl list(db);
        list.setTotal(ArchiveTable::Amount, ArchiveQueries::TotalReading);
        for (int choice = 0; choice < ArchiveQueries::SearchColumns; ++choice) {
            for (const QString& text : {QStringLiteral("ا"), QStringLiteral("0"), QStringLiteral("'")}) {
                const RecordSource source = ArchiveQueries::columnSearch(choice, text);
                db.searchIndex().wait();
                QVERIFY(
                    TableWriter(db, ArchiveTable::Name).update(1, {{ArchiveTable::Status, QStringLiteral("پاس شد")}}));
                const Rows fromDatabase = readList(list, source);
                const double databaseTotal = list.total();
                list.warmSearch(source);
                db.searchIndex().wait();
                const Rows fromMemory = readList(list, source);
                QVERIFY(db.searchIndex().ready(
                    db.connection(), {ArchiveTable::Name, source.searchColumn, ArchiveTable::Date,
                                      db.engine().amount(ArchiveTable::Amount, ArchiveQueries::TotalReading)}));
                QCOMPARE(fromMemory.sorted, fromDatabase.sorted);
                QCOMPARE(list.total(), databaseTotal);
            }
        }
        // The figures of the one text cell: it is listed, and adds nothing. (A server holds no such cell.)
        if (testsOnServer())
            return;
        readList(list, ArchiveQueries::columnSearch(3, QStringLiteral("نامعلوم")));
        QCOMPARE(list.recordCount(), 1);
        QCOMPARE(list.total(), 0.0);
    }

    // A bank, status or kind chosen in a report is found however it was typed, and the lists of
    // words come in Persian alphabetical order; the stored texts stay as they were typed.
    void chosenTextsAndWordOrdersFollowPersian()
    {
        Database& db = m_data->db();
        DataControl list(db);
        list.setTotal(ChequeTable::Amount);
        ReportQueries::ReportChoice byBank;
        byBank.option[6] = true;
        byBank.bank = QStringLiteral("کشاورزی");
        readList(list, *ReportQueries::chequeSource(byBank));
        QCOMPARE(list.recordCount(), 2);
        QCOMPARE(list.total(), 12500.0 + 12502.0);
        ReportQueries::ReportChoice byKind;
        byKind.option[8] = true;
        byKind.kind = QStringLiteral("دریافت");
        readList(list, *ReportQueries::chequeSource(byKind));
        QCOMPARE(list.recordCount(), 26 + 2);

        QCOMPARE(ReportQueries::distinctBanks(db),
                 (QStringList{QStringLiteral("آینده"), QStringLiteral("پاسارگاد"), QStringLiteral("تجارت"),
                              QStringLiteral("صادرات"), QStringLiteral("كشاورزي"), QStringLiteral("کشاورزی"),
                              QStringLiteral("ملت")}));

        list.setRecordSource(ChequeQueries::all());
        QVERIFY(list.setSort(QStringLiteral("NBank")));
        QStringList banks;
        for (int r = 0; r < list.recordCount(); ++r) {
            const QString bank = list.model()->value(r, ChequeTable::Bank).toString();
            if (banks.isEmpty() || banks.last() != bank)
                banks << bank;
        }
        QCOMPARE(banks, ReportQueries::distinctBanks(db));
        QVERIFY(list.setSort(QStringLiteral("NBank DESC")));
        QCOMPARE(list.model()->value(0, ChequeTable::Bank).toString(), QStringLiteral("ملت"));
        // Amounts keep their order of numbers.
        QVERIFY(list.setSort(QStringLiteral("Mab")));
        QCOMPARE(list.model()->value(0, ChequeTable::Amount).toDouble(), 1500.0);
        QCOMPARE(list.model()->value(list.recordCount() - 1, ChequeTable::Amount).toDouble(), 12504.0);

        QCOMPARE(scalarOf(db, QStringLiteral("SELECT COUNT(*) FROM T1 WHERE NBank = 'كشاورزي'")).toInt(), 1);
        // Nothing of the program's own is left in the file for other programs to trip over.
        QCOMPARE(scalarOf(db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE sql LIKE '%kaviro%'")).toInt(),
                 0);
    }

    void theWriterChangesOnlyTheRowItNames()
    {
        TestDatabase data;
        QCOMPARE(data.opened(), Database::OpenResult::Created);
        TableWriter kinds(data.db(), KindTable::Name);
        QList<qint64> ids;
        for (const char* name : {"اجاره", "برق", "آب"}) {
            qint64 id = -1;
            QVERIFY2(kinds.insert({{KindTable::KindName, QString::fromUtf8(name)}}, &id),
                     qPrintable(kinds.errorText()));
            ids << id;
        }
        QVERIFY(kinds.update(ids.at(1), {{KindTable::KindName, QStringLiteral("گاز")}}));
        QVERIFY(kinds.remove(ids.at(0)));
        const QString names = testsOnServer()
                                  ? QStringLiteral("SELECT string_agg(Name, ',' ORDER BY kaviro_row) FROM T5")
                                  : QStringLiteral("SELECT group_concat(Name, ',') FROM T5");
        QCOMPARE(scalarOf(data.db(), names).toString(), QStringLiteral("گاز,آب"));

        // A row that is gone is a failure with a reason, never a quiet success.
        QVERIFY(!kinds.remove(ids.at(0)));
        QVERIFY(!kinds.errorText().isEmpty());
        QVERIFY(!kinds.update(ids.at(0), {{KindTable::KindName, QStringLiteral("x")}}));
        QVERIFY(!kinds.update(-1, {{KindTable::KindName, QStringLiteral("x")}}));

        // Names are the program's; one that is not a column name stops the write before SQL.
        QVERIFY(!kinds.insert({{QStringLiteral("Name) VALUES ('x'); --"), QStringLiteral("y")}}));
        QVERIFY(kinds.errorText().contains(QStringLiteral("نام ستون")));
        QVERIFY(!TableWriter(data.db(), QStringLiteral("T5; DROP TABLE T1")).insert({{KindTable::KindName, 1}}));
        QCOMPARE(scalarOf(data.db(), QStringLiteral("SELECT COUNT(*) FROM T5")).toInt(), 2);
        QCOMPARE(scalarOf(data.db(), QStringLiteral("SELECT COUNT(*) FROM T1")).toInt(), 0);

        data.db().close();
        QVERIFY(!kinds.insert({{KindTable::KindName, QStringLiteral("z")}}));
        QVERIFY(!kinds.errorText().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRecordSources)
#include "test_record_sources.moc"
