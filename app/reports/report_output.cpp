#include "reports/report_output.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace ReportOutput {

namespace {

constexpr qreal MillimetresPerMetre = 1000.0;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Passes the PDF writer's output on to the device and remembers a write that fell short: the
// writer itself does not look at what its writes return.
class CheckedWrites : public QIODevice
{
public:
    explicit CheckedWrites(QIODevice& target) : m_target(target) {}

    bool failed() const { return m_failed; }
    QString reason() const { return m_reason; }
    qint64 written() const { return m_written; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (m_failed)
            return -1;
        const qint64 done = m_target.write(data, size);
        if (done != size) {
            m_failed = true;
            m_reason = m_target.errorString();
            return -1;
        }
        m_written += done;
        return done;
    }

private:
    QIODevice& m_target;
    bool m_failed = false;
    QString m_reason;
    qint64 m_written = 0;
};

} // namespace

bool writePdf(ReportEngine& report, QIODevice& device, QString* error, const ReportEngine::Progress& progress)
{
    CheckedWrites checked(device);
    checked.open(QIODevice::WriteOnly);
    bool printed = false;
    {
        QPdfWriter writer(&checked);
        writer.setPageLayout(report.pageLayout());
        writer.setTitle(report.definition().title);
        writer.setCreator(QStringLiteral("KAVIRO . 5.1"));
        printed = report.print(writer, progress);
    }
    checked.close();
    if (checked.failed()) {
        setError(error, checked.reason().isEmpty() ? QStringLiteral("نوشتن متوقف شد") : checked.reason());
        return false;
    }
    if (!printed) {
        setError(error, report.wasStopped() ? QStringLiteral("ذخيره PDF متوقف شد.")
                                            : QStringLiteral("اطلاعات گزارش خوانده نشد: ") + report.errorText());
        return false;
    }
    return true;
}

bool writePdf(ReportEngine& report, const QString& path, QString* error, const ReportEngine::Progress& progress)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        setError(error, QStringLiteral("پوشه %1 وجود ندارد.").arg(native(folder)));
        return false;
    }
    QTemporaryFile part(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!part.open()) {
        setError(error, QStringLiteral("در پوشه %1 نمي توان فايل نوشت (%2).").arg(native(folder), part.errorString()));
        return false;
    }
    QString reason;
    if (!writePdf(report, part, &reason, progress)) {
        const bool stopped = report.wasStopped();
        setError(error, stopped ? reason : QStringLiteral("نوشتن فايل %1 کامل نشد (%2).").arg(native(path), reason));
        return false;
    }
    // Only what reached the disk counts: a full disk may show itself no sooner than at the
    // flush, the sync or the close.
    const qint64 size = part.size();
    bool complete = part.flush() && ::fsync(part.handle()) == 0;
    if (!complete)
        reason =
            part.error() != QFileDevice::NoError ? part.errorString() : QString::fromLocal8Bit(std::strerror(errno));
    part.close();
    if (complete && (part.error() != QFileDevice::NoError || QFileInfo(part.fileName()).size() != size)) {
        complete = false;
        reason = part.errorString();
    }
    if (!complete) {
        setError(error, QStringLiteral("نوشتن فايل %1 کامل نشد (%2).").arg(native(path), reason));
        return false;
    }
    // A temporary file is for its owner's eyes only; the PDF is the user's to share. An older
    // file of that name keeps its own permissions.
    part.setPermissions(QFileInfo::exists(path) ? QFile::permissions(path)
                                                : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // rename() puts the finished file in the place of an older one in one step.
    if (std::rename(QFile::encodeName(part.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        setError(error, QStringLiteral("فايل %1 جايگزين نشد (%2).")
                            .arg(native(path), QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    part.setAutoRemove(false);
    return true;
}

QImage pageImage(ReportEngine& report, int page, int width)
{
    const QPageLayout layout = report.pageLayout();
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF paintable = layout.paintRect(QPageLayout::Millimeter);
    const qreal pixelsPerMillimetre = width / paper.width();
    QImage image(width, qRound(paper.height() * pixelsPerMillimetre), QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = qRound(pixelsPerMillimetre * MillimetresPerMetre);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(paintable.x() * pixelsPerMillimetre, paintable.y() * pixelsPerMillimetre,
                      paintable.width() * pixelsPerMillimetre, paintable.height() * pixelsPerMillimetre);
    report.paintPages(painter, area, page, page, {}, paintable.size());
    painter.end();
    return image;
}

} // namespace ReportOutput
