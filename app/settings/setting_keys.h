#pragma once

#include <QLatin1String>

// One stored preference: its section and key as the settings file has always named them. The
// store matches both without regard to case; the program spells each one here, once.
struct SettingKey
{
    QLatin1String section;
    QLatin1String key;
};

namespace Settings {

// The owner and the program password.
inline constexpr QLatin1String OwnerSection{"1"};
inline constexpr SettingKey OwnerName{OwnerSection, QLatin1String("2")};
inline constexpr SettingKey Password{OwnerSection, QLatin1String("3")};

// The start-up options; each is "1" or "0", the day count a whole number.
inline constexpr QLatin1String StartSection{"Set"};
inline constexpr SettingKey PersianKeyboardAtStart{StartSection, QLatin1String("1")};
inline constexpr SettingKey StartAtLogon{StartSection, QLatin1String("2")};
inline constexpr SettingKey ReminderAtStart{StartSection, QLatin1String("3")};
inline constexpr SettingKey ReminderDays{StartSection, QLatin1String("4")};

// The look of the main list.
inline constexpr QLatin1String ListLookSection{"CD"};
inline constexpr SettingKey ListFont{ListLookSection, QLatin1String("Font")};
inline constexpr SettingKey ListFontSize{ListLookSection, QLatin1String("FontSize")};
inline constexpr SettingKey ListForeColor{ListLookSection, QLatin1String("ForeColor")};
inline constexpr SettingKey ListBackColor{ListLookSection, QLatin1String("BackColor")};

// The column widths of each list (its keys are the list's own); the main list keeps its row
// height there too, and the expense list shares the main list's section with keys of its own.
inline constexpr QLatin1String MainListSection{"DataGird"};
inline constexpr SettingKey MainListRowHeight{MainListSection, QLatin1String("Row")};
inline constexpr QLatin1String ArchiveListSection{"DataGird8"};
inline constexpr QLatin1String BankListSection{"DataGirdb"};
inline constexpr QLatin1String StatementListSection{"DataGird5"};
inline constexpr QLatin1String ExpenseListSection{MainListSection};

// Where the last backup went: its drive, and its folder twice over, as the restore reads it.
inline constexpr SettingKey BackupDrive{QLatin1String("Chd"), QLatin1String("1")};
inline constexpr SettingKey BackupFolder{QLatin1String("DIR"), QLatin1String("1")};
inline constexpr SettingKey BackupChosenFolder{QLatin1String("ChDir"), QLatin1String("1")};

// Where the register is kept: empty for this PC's file, or the URI of a PostgreSQL database
// (postgresql://user@host:port/dbname), never with a password in it.
inline constexpr SettingKey RegisterServer{QLatin1String("Register"), QLatin1String("Server")};

} // namespace Settings
