#include "data/failure_text.h"

#include <QDir>

#include <cerrno>
#include <cstring>

namespace FailureText {

QString withDetail(const QString& sentence, const QString& detail)
{
    const QString trimmed = detail.trimmed();
    if (trimmed.isEmpty())
        return sentence;
    return sentence + QLatin1Char('\n') + QStringLiteral("جزئیات: ") + trimmed;
}

QString about(const QString& sentence, const QString& path, const QString& detail)
{
    return withDetail(sentence.arg(quotedPath(path)), detail);
}

QString quotedPath(const QString& path)
{
    // A path reads from left to right inside the right-to-left sentence: isolated, its leading
    // "/" stays in front of it instead of wandering to its end.
    return QStringLiteral("«\u2066") + QDir::toNativeSeparators(path) + QStringLiteral("\u2069»");
}

QString reasonOf(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("جای خالی دیسک کافی نیست");
    case EDQUOT:
        return QStringLiteral("سهمیه دیسک شما پر شده است");
    case EFBIG:
        return QStringLiteral(
            "فایل از اندازه‌ای که دیسک یا سیستم می‌پذیرد بزرگ‌تر "
            "می‌شود");
    case EACCES:
    case EPERM:
        return QStringLiteral("اجازه نوشتن در آنجا نیست");
    case EROFS:
        return QStringLiteral("دیسک فقط خواندنی است");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("پوشه آن وجود ندارد");
    case EISDIR:
        return QStringLiteral("پوشه‌ای به همین نام آنجا هست");
    case EIO:
        return QStringLiteral("دیسک در خواندن یا نوشتن خطا داد");
    default:
        return QString();
    }
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace FailureText
