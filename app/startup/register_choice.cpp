#include "startup/register_choice.h"

#include "settings/settings_store.h"
#include "ui/messages.h"

namespace RegisterChoice {

namespace {

constexpr int PasswordTries = 3;

// What libpq says when the server wants a password it was not given or did not take.
bool wantsPassword(const QString& error)
{
    return error.contains(QLatin1String("password"), Qt::CaseInsensitive);
}

} // namespace

bool chosen(const QString& option, RegisterLocation* location, QString* error)
{
    const QString named = option.isEmpty() ? SettingsStore::read(Settings::RegisterServer).trimmed() : option;
    if (named.isEmpty() || named == QLatin1String("local")) {
        *location = RegisterLocation::localFile();
        return true;
    }
    return RegisterLocation::parse(named, location, error);
}

Database::OpenResult open(Database& database, QWidget* parent)
{
    Database::OpenResult result = database.open();
    for (int tries = 0; tries < PasswordTries; ++tries) {
        if (result != Database::OpenResult::Failed || !database.isServer() || !wantsPassword(database.errorText()))
            return result;
        const RegisterLocation& location = database.location();
        const QString password =
            Messages::password(parent,
                               QStringLiteral("گذرواژه کاربر %1 در سرور %2:")
                                   .arg(location.user.isEmpty() ? QStringLiteral("-") : location.user, location.host),
                               QStringLiteral("ورود به سرور بانک اطلاعاتی"));
        if (password.isNull())
            return result;
        database.setPassword(password);
        result = database.open();
    }
    return result;
}

} // namespace RegisterChoice
