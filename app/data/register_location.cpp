#include "data/register_location.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

// Without a limit of its own a connection to a server that went away waits for minutes.
const QString TimeoutOption = QStringLiteral("connect_timeout");
const QString DefaultTimeout = QStringLiteral("5");

// A libpq value goes in single quotes, with its quotes and backslashes escaped, whenever it
// holds anything but letters, digits and a few marks.
QString optionValue(const QString& value)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.:/-]+$"));
    if (plain.match(value).hasMatch())
        return value;
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + escaped + QLatin1Char('\'');
}

} // namespace

bool RegisterLocation::isServerUri(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

bool RegisterLocation::parse(const QString& uri, RegisterLocation* location, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("نشانی سرور «%1» درست نیست: %2.").arg(uri, why);
        return false;
    };
    if (!isServerUri(uri))
        return fail(QStringLiteral("باید با postgresql:// آغاز شود"));
    const QUrl url(uri, QUrl::StrictMode);
    if (!url.isValid())
        return fail(url.errorString());
    RegisterLocation found;
    found.server = true;
    found.host = url.host(QUrl::FullyDecoded);
    found.port = url.port(5432);
    found.user = url.userName(QUrl::FullyDecoded);
    found.password = url.password(QUrl::FullyDecoded);
    found.database = url.path(QUrl::FullyDecoded).mid(1);
    static const QRegularExpression keyword(QStringLiteral("^[a-z_]+$"));
    const QUrlQuery query(url);
    for (const auto& item : query.queryItems(QUrl::FullyDecoded)) {
        if (!keyword.match(item.first).hasMatch())
            return fail(QStringLiteral("گزینه «%1» شناخته نیست").arg(item.first));
        // The URI's own parts win over the same keywords in its options, as libpq reads them.
        if (item.first == QLatin1String("host") && found.host.isEmpty())
            found.host = item.second;
        else if (item.first == QLatin1String("port"))
            found.port = item.second.toInt();
        else if (item.first == QLatin1String("dbname") && found.database.isEmpty())
            found.database = item.second;
        else if (item.first == QLatin1String("user") && found.user.isEmpty())
            found.user = item.second;
        else if (item.first == QLatin1String("password") && found.password.isEmpty())
            found.password = item.second;
        else if (item.first != QLatin1String("host") && item.first != QLatin1String("dbname") &&
                 item.first != QLatin1String("user") && item.first != QLatin1String("password"))
            found.options << qMakePair(item.first, item.second);
    }
    if (found.database.isEmpty())
        return fail(QStringLiteral("نام بانک اطلاعاتی ندارد"));
    if (found.port <= 0 || found.port > 65535)
        return fail(QStringLiteral("درگاه آن درست نیست"));
    *location = found;
    return true;
}

QString RegisterLocation::uri() const
{
    if (!server)
        return QString();
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(user);
    url.setHost(host.isEmpty() ? QStringLiteral("localhost") : host);
    if (port != 5432)
        url.setPort(port);
    url.setPath(QLatin1Char('/') + database);
    QUrlQuery query;
    for (const auto& option : options)
        query.addQueryItem(option.first, option.second);
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

QString RegisterLocation::connectOptions() const
{
    QStringList parts;
    bool timeout = false;
    for (const auto& option : options) {
        parts << option.first + QLatin1Char('=') + optionValue(option.second);
        timeout = timeout || option.first == TimeoutOption;
    }
    if (!timeout)
        parts << TimeoutOption + QLatin1Char('=') + DefaultTimeout;
    return parts.join(QLatin1Char(';'));
}
