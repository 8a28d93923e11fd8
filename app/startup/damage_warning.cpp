#include "startup/damage_warning.h"

#include "data/database.h"
#include "data/failure_text.h"
#include "data/integrity_check.h"
#include "ui/messages.h"

#include <QWidget>

namespace DamageWarning {

QString text(const QString& databaseFile, const QString& report)
{
    // clang-format 14 never settles on this text: every run splits its lines anew.
    // clang-format off
    return FailureText::withDetail(
        QStringLiteral("فایل بانک اطلاعاتی %1 آسیب دیده است "
                       "و ممکن است بخشی از چک‌ها و حساب‌ها درست خوانده یا ذخیره نشود. "
                       "پیش از ثبت اطلاعات تازه، از منوی «ذخيره سازي اطلاعات» با «بازيابي اطلاعات» "
                       "آخرین نسخه پشتیبان سالم را بازیابی کنید.")
            .arg(FailureText::quotedPath(databaseFile)),
        report);
    // clang-format on
}

void watch(const Database& database, QWidget* window)
{
    // A server checks its own pages.
    if (database.isServer())
        return;
    const QString file = database.filePath();
    auto* check = new IntegrityCheck(file, window);
    QObject::connect(check, &IntegrityCheck::finished, window, [window, file](const QString& report) {
        if (!report.isEmpty())
            Messages::show(window, text(file, report), Messages::Icon::Critical);
    });
    check->start();
}

} // namespace DamageWarning
