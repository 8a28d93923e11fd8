#include "timing.h"

#include "data/data_control.h"
#include "data/database.h"
#include "words/amount_words.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace Timing {

namespace {

// What one screen of the list reads.
constexpr int ScreenRows = 40;

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

void showScreen(DataControl& list)
{
    RowModel* model = list.model();
    for (int row = 0; row < std::min(ScreenRows, model->rowCount()); ++row) {
        for (int column = 0; column < model->columnCount(); ++column)
            model->value(row, column);
    }
    AmountToWords(list.total());
}

struct Figures
{
    double median;
    double worst;
};

Figures typeInto(DataControl& list, const QString& column, const QString& text)
{
    std::vector<double> times;
    const QString sql = QStringLiteral("SELECT *  From T1 Where (instr(%1 ,?) <> 0) order by %1").arg(column);
    for (int length = 1; length <= text.size(); ++length) {
        QElapsedTimer timer;
        timer.start();
        list.setRecordSource(sql, {text.left(length)});
        list.refresh();
        showScreen(list);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    return {sorted[sorted.size() / 2], sorted.back()};
}

} // namespace

int listBenchmark(const QString& dir, QTextStream& out)
{
    QElapsedTimer timer;
    timer.start();
    Database db(dir);
    if (db.open() != Database::OpenResult::Opened) {
        out << db.errorText() << Qt::endl;
        return 1;
    }
    DataControl list(db);
    list.setRecordSource(QStringLiteral("SELECT * FROM T1"));
    list.setTotalExpression(QStringLiteral("Mab"));
    list.refresh();
    list.setSort(QStringLiteral("Tch"));
    showScreen(list);
    const double startMs = double(timer.nsecsElapsed()) / 1e6;
    out << "rows " << list.recordCount() << Qt::endl;
    out << "start-up to totalled list: " << startMs << " ms" << Qt::endl;

    const Figures text = typeInto(list, QStringLiteral("SH"), QStringLiteral("علي رضايي"));
    out << "search keystroke, description: median " << text.median << " ms, worst " << text.worst << " ms" << Qt::endl;
    const Figures amount = typeInto(list, QStringLiteral("Mab"), QStringLiteral("250000"));
    out << "search keystroke, amount: median " << amount.median << " ms, worst " << amount.worst << " ms" << Qt::endl;
    out << "peak memory: " << peakMemoryMb() << " MB" << Qt::endl;
    return 0;
}

} // namespace Timing
