#include "data/integrity_check.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QUuid>

namespace {

// Enough of SQLite's report to say what is wrong; a badly damaged file lists thousands of pages.
constexpr int ReportedProblems = 1;

} // namespace

IntegrityCheck::IntegrityCheck(const QString& databaseFile, QObject* parent) : QObject(parent), m_file(databaseFile) {}

IntegrityCheck::~IntegrityCheck()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void IntegrityCheck::start()
{
    if (isRunning())
        return;
    delete m_thread;
    m_thread = QThread::create([this] { m_report = findDamage(m_file); });
    // Emitted by the finished thread, delivered on the thread of this object.
    connect(m_thread, &QThread::finished, this, [this] { emit finished(m_report); });
    m_thread->start(QThread::LowPriority);
}

bool IntegrityCheck::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

QString IntegrityCheck::findDamage(const QString& databaseFile)
{
    const QString name = QStringLiteral("kaviro-integrity-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString report;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databaseFile);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open()) {
            report = db.lastError().text();
        } else {
            // quick_check reads every page and checks its structure; the slower integrity_check
            // would also compare each index with its table, which loses no data when it fails.
            QSqlQuery check(db);
            check.setForwardOnly(true);
            if (!check.exec(QStringLiteral("PRAGMA quick_check(%1)").arg(ReportedProblems))) {
                report = check.lastError().text();
            } else {
                QStringList lines;
                while (check.next())
                    lines << check.value(0).toString();
                if (check.lastError().isValid())
                    lines << check.lastError().text();
                if (lines.isEmpty())
                    report = QStringLiteral("quick_check gave no answer");
                else if (lines != QStringList{QStringLiteral("ok")})
                    report = lines.join(QLatin1Char('\n'));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return report;
}
