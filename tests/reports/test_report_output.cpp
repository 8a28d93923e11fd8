#include "list_rows.h"
#include "pdf_text.h"
#include "reports/report_engine.h"
#include "reports/report_fonts.h"
#include "reports/report_output.h"
#include "testing.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace {

// A disk that fills up after so many bytes: every write beyond fails, as a full disk's do.
class FillingDevice : public QIODevice
{
public:
    explicit FillingDevice(qint64 room) : m_room(room) {}

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (size > m_room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_room -= size;
        return size;
    }

private:
    qint64 m_room;
};

std::unique_ptr<ReportEngine> report(int rows)
{
    ReportDefinition d;
    const QFont font = ReportFonts::caption(10);
    d.detail.height = 6;
    d.detail.items << ReportItem::field(QRectF(0, 0, 60, 6), QStringLiteral("mark"), font);
    QList<QVariantList> list;
    for (int i = 0; i < rows; ++i)
        list << QVariantList{QStringLiteral("ROW%1").arg(i)};
    return std::make_unique<ReportEngine>(d, std::make_unique<ListRows>(QStringList{QStringLiteral("mark")}, list));
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestReportOutput : public QObject
{
    Q_OBJECT

private slots:
    void aFullDeviceIsAFailure();
    void aMissingFolderIsNamed();
    void aNewFileReplacesTheOldOneWhole();
    void aStoppedSaveKeepsTheOldFile();
    void progressCountsThePages();

private:
    TestEnvironment m_env;
};

void TestReportOutput::aFullDeviceIsAFailure()
{
    auto pdf = report(400);
    QBuffer whole;
    whole.open(QIODevice::WriteOnly);
    QString error;
    QVERIFY2(ReportOutput::writePdf(*pdf, whole, &error), qPrintable(error));
    QVERIFY(whole.size() > 4096);

    FillingDevice full(whole.size() / 2);
    full.open(QIODevice::WriteOnly);
    QVERIFY(!ReportOutput::writePdf(*pdf, full, &error));
    QVERIFY2(error.contains(QStringLiteral("No space left")), qPrintable(error));
}

void TestReportOutput::aMissingFolderIsNamed()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("gone"));
    auto pdf = report(3);
    QString error;
    QVERIFY(!ReportOutput::writePdf(*pdf, folder + QStringLiteral("/list.pdf"), &error));
    QVERIFY2(error.contains(folder), qPrintable(error));
    QVERIFY(!QFileInfo::exists(folder));
}

void TestReportOutput::aNewFileReplacesTheOldOneWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ليست چک ها.pdf"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older list");
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    auto pdf = report(120);
    QString error;
    QVERIFY2(ReportOutput::writePdf(*pdf, path, &error), qPrintable(error));
    PdfText text;
    QVERIFY2(text.read(path), qPrintable(text.error()));
    QCOMPARE(text.pages().size(), pdf->pageCount());
    QVERIFY(text.text().contains(QStringLiteral("ROW119")));
    // Nothing is left beside it, and it keeps the permissions of the file it replaced.
    QCOMPARE(filesIn(dir.path()), QStringList{QFileInfo(path).fileName()});
    // (The owner's bits above 0x0fff are the user's, as seen from this process.)
    QCOMPARE(QFile::permissions(path) & 0x0fff,
             QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup);

    // A new file can be read by others, not only by its owner as a temporary file.
    const QString fresh = dir.filePath(QStringLiteral("new.pdf"));
    QVERIFY(ReportOutput::writePdf(*pdf, fresh, &error));
    QVERIFY(QFile::permissions(fresh) & QFileDevice::ReadOther);
}

void TestReportOutput::aStoppedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.pdf"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older list");
    }
    auto pdf = report(400);
    QString error;
    const bool saved = ReportOutput::writePdf(*pdf, path, &error, [](int page, int) { return page < 2; });
    QVERIFY(!saved);
    QVERIFY(pdf->wasStopped());
    QVERIFY(!error.isEmpty());
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("an older list"));
    QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("list.pdf")});

    // The next save is not stopped by the one before.
    QVERIFY2(ReportOutput::writePdf(*pdf, path, &error), qPrintable(error));
    QVERIFY(!pdf->wasStopped());
}

void TestReportOutput::progressCountsThePages()
{
    auto pdf = report(400);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QList<int> told;
    int count = -1;
    QVERIFY(ReportOutput::writePdf(*pdf, buffer, nullptr, [&](int page, int pages) {
        told << page;
        count = pages;
        return true;
    }));
    QCOMPARE(count, pdf->pageCount());
    QCOMPARE(told.size(), count + 1);
    for (int i = 0; i < told.size(); ++i)
        QCOMPARE(told[i], i);
}

QTEST_MAIN(TestReportOutput)
#include "test_report_output.moc"
