// The preferences, owner-name, list-font and reminder windows.
#include "cheques/main_window.h"
#include "data/database.h"
#include "settings/settings_store.h"
#include "shots.h"
#include "startup/list_font_window.h"
#include "startup/owner_name_window.h"
#include "startup/preferences_window.h"
#include "startup/reminder_window.h"

#include <QComboBox>

namespace {

void store(const char* section, const char* key, const char* value)
{
    SettingsStore::write(QLatin1String(section), QLatin1String(key), QString::fromUtf8(value));
}

const ShotRegistrar preferences("preferences", [](ShotContext& context) {
    store("Set", "1", "1");
    store("Set", "3", "1");
    store("Set", "4", "2");
    PreferencesWindow window(context.db.dataDir(), &context.main);
    grabInto(window, context, QStringLiteral("preferences"));
});

const ShotRegistrar owner("owner", [](ShotContext& context) {
    OwnerNameWindow window(&context.main);
    grabInto(window, context, QStringLiteral("owner"));
});

const ShotRegistrar font("font", [](ShotContext& context) {
    store("CD", "Font", "Noto Naskh Arabic");
    store("CD", "FontSize", "20");
    ListFontWindow window(context.main.font(), &context.main);
    grabInto(window, context, QStringLiteral("font"));
});

// Two days ahead of the screenshots' today (1405/09/16) one sample cheque falls due.
const ShotRegistrar reminder("reminder", [](ShotContext& context) {
    store("Set", "4", "2");
    ReminderWindow window(context.db, &context.main);
    grabInto(window, context, QStringLiteral("reminder"));
});

} // namespace
