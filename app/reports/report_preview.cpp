#include "reports/report_preview.h"

#include "data/failure_text.h"
#include "reports/report_engine.h"
#include "reports/report_preview_window.h"
#include "ui/messages.h"

namespace ReportPreview {

namespace {

Presenter& presenter()
{
    static Presenter current;
    return current;
}

void showPreview(ReportEngine& report, QWidget* parent)
{
    ReportPreviewWindow window(report, parent);
    if (!window.prepare()) {
        Messages::show(parent, QStringLiteral("اطلاعات گزارش خوانده نشد: ") + window.errorText(),
                       Messages::Icon::Critical);
        return;
    }
    window.exec();
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
