#include "timing.h"

#include "cheques/main_window.h"
#include "data/cheque_queries.h"
#include "data/cheque_status.h"
#include "data/data_control.h"
#include "data/database.h"
#include "data/search_index.h"
#include "data/tables.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTextStream>

#include <algorithm>
#include <memory>
#include <vector>

namespace Timing {

namespace {

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Figures
{
    double median;
    double worst;
};

// The median and the worst of times; nothing timed gives zeros rather than a read past the end.
Figures figuresOf(std::vector<double> times)
{
    if (times.empty())
        return {0, 0};
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

// Chooses the search column and types the text one character at a time, each keystroke
// timed until the list, its count, total and words are updated and painted. With pause,
// the typing starts once the column is in memory, as it is when the user takes a moment
// between choosing the column and typing; the time that takes is printed.
Figures typeInto(MainWindow& window, Database& db, int column, const QString& text, bool pause, QTextStream& out)
{
    auto* chooser = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    box->clear();
    chooser->setCurrentIndex(column);
    emit chooser->activated(column);
    QApplication::processEvents();
    if (pause) {
        QElapsedTimer timer;
        timer.start();
        db.searchIndex().wait();
        out << "  column read into memory in the background: " << elapsedMs(timer) << " ms" << Qt::endl;
    }
    std::vector<double> times;
    for (const QChar c : text) {
        QElapsedTimer timer;
        timer.start();
        box->insert(QString(c));
        window.repaint();
        QApplication::processEvents();
        times.push_back(elapsedMs(timer));
    }
    return figuresOf(std::move(times));
}

} // namespace

double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

RegisterLocation locationOf(const QString& target, QString* dir)
{
    RegisterLocation location;
    QString error;
    if (RegisterLocation::isServerUri(target) && RegisterLocation::parse(target, &location, &error)) {
        dir->clear();
        return location;
    }
    *dir = target;
    return RegisterLocation::localFile();
}

namespace {

// The register at target (a data folder or a server URI), opened; nothing when it cannot be,
// and then out says why.
std::unique_ptr<Database> openAt(const QString& target, QTextStream& out)
{
    QString dir;
    const RegisterLocation location = locationOf(target, &dir);
    auto db = std::make_unique<Database>(dir, location);
    if (db->open() != Database::OpenResult::Opened) {
        out << db->errorText() << Qt::endl;
        return nullptr;
    }
    return db;
}

} // namespace

int passBenchmark(const QString& target, int count, QTextStream& out)
{
    const std::unique_ptr<Database> opened = openAt(target, out);
    if (!opened)
        return 1;
    Database& db = *opened;
    DataControl list(db);
    list.setRecordSource(ChequeQueries::byDate());
    list.setTotal(ChequeTable::Amount);
    if (!list.refresh()) {
        out << list.errorText() << Qt::endl;
        return 1;
    }
    std::vector<double> writes;
    std::vector<double> rereads;
    for (int i = 0; i < count && list.hasCurrent(); ++i) {
        const ShownRow shown = list.shownRow();
        QElapsedTimer timer;
        timer.start();
        QString error;
        if (!ChequeStatus::pass(db, shown, &error) ||
            !ChequeStatus::moveToArchive(db, shown.with(ChequeTable::Status, ChequeStatus::Passed), &error)) {
            out << error << Qt::endl;
            return 1;
        }
        writes.push_back(elapsedMs(timer));
        timer.restart();
        if (!list.refresh()) {
            out << list.errorText() << Qt::endl;
            return 1;
        }
        rereads.push_back(elapsedMs(timer));
    }
    const std::size_t passed = writes.size();
    const Figures write = figuresOf(std::move(writes));
    const Figures reread = figuresOf(std::move(rereads));
    out << "pass with its ledger line and archive move (" << passed << " cheques of " << list.recordCount()
        << "): median " << write.median << " ms, worst " << write.worst << " ms" << Qt::endl;
    out << "  the totalled list read again after it: median " << reread.median << " ms, worst " << reread.worst << " ms"
        << Qt::endl;
    return 0;
}

int listBenchmark(const QString& target, QTextStream& out)
{
    QElapsedTimer timer;
    timer.start();
    const std::unique_ptr<Database> opened = openAt(target, out);
    if (!opened)
        return 1;
    Database& db = *opened;
    MainWindow window(db);
    window.show();
    window.activate();
    window.repaint();
    QApplication::processEvents();
    const double startMs = elapsedMs(timer);
    out << "rows " << window.cheques().recordCount()
        << ", words: " << window.findChild<QLabel*>(QStringLiteral("Label4"))->text() << Qt::endl;
    out << "start-up to totalled list: " << startMs << " ms" << Qt::endl;

    const struct
    {
        const char* name;
        int column;
        QString text;
    } searches[] = {// typed on a Persian keyboard: the register holds "علي رضايي", folded on every row
                    {"description", 4, QStringLiteral("علی رضایی")},
                    {"amount", 3, QStringLiteral("۲۵۰۰۰۰")},
                    // listed in the bank's Persian order, which the snapshot is read in
                    {"bank", 1, QStringLiteral("کشاورزی")}};
    // First with the column in memory, then typed at once after choosing it (each choice of
    // the other column drops the snapshot of this one).
    for (const bool pause : {true, false}) {
        for (const auto& search : searches) {
            const Figures figures = typeInto(window, db, search.column, search.text, pause, out);
            out << "search keystroke, " << search.name << (pause ? " (column in memory)" : " (typed at once)")
                << ": median " << figures.median << " ms, worst " << figures.worst << " ms" << Qt::endl;
            db.searchIndex().wait();
        }
    }
    // The sort panel's order by bank: every cheque (the quick filter "all") sorted in Persian
    // alphabetical order.
    auto* quickFilter = window.findChild<QComboBox*>(QStringLiteral("Combo2"));
    quickFilter->setCurrentIndex(0);
    emit quickFilter->activated(0);
    QApplication::processEvents();
    for (const QString& sort : {QStringLiteral("Nbank"), QStringLiteral("Nbank DESC")}) {
        QElapsedTimer sorting;
        sorting.start();
        if (!window.cheques().setSort(sort)) {
            out << window.cheques().errorText() << Qt::endl;
            return 1;
        }
        window.repaint();
        QApplication::processEvents();
        out << "sort by bank (" << sort << "), " << window.cheques().recordCount() << " rows: " << elapsedMs(sorting)
            << " ms" << Qt::endl;
    }
    out << "peak memory: " << peakMemoryMb() << " MB" << Qt::endl;
    return 0;
}

} // namespace Timing
