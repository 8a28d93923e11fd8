#include "reports/report_preview.h"

#include "data/failure_text.h"
#include "reports/report_engine.h"
#include "ui/messages.h"

#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

namespace ReportPreview {

namespace {

Presenter& presenter()
{
    static Presenter current;
    return current;
}

void showPreview(ReportEngine& report, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.definition().pageLayout());
    printer.setDocName(report.definition().title);
    printer.setCreator(QStringLiteral("KAVIRO . 5.1"));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(report.definition().title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter* target) { report.print(*target); });
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        dialog.resize(qMin(1000, available.width() - 40), qMin(760, available.height() - 60));
    }
    dialog.exec();
}

} // namespace

void show(ReportEngine& report, QWidget* parent)
{
    if (!report.readable()) {
        Messages::show(
            parent,
            FailureText::withDetail(QStringLiteral("اطلاعات گزارش از بانک اطلاعاتی خوانده نشد."), report.errorText()),
            Messages::Icon::Critical);
        return;
    }
    if (presenter())
        presenter()(report, parent);
    else
        showPreview(report, parent);
}

void setPresenter(Presenter replacement)
{
    presenter() = std::move(replacement);
}

} // namespace ReportPreview
