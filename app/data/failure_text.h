#pragma once

#include <QString>

// How the program words a failure for the user: one Persian sentence that says what did not
// happen and to which file, and then, on a line of its own, the words of the system or of the
// database engine as a detail. The engine's words are never the message itself: they are
// English, and they do not say which of the user's files was concerned.
namespace FailureText {

// sentence, and when detail is not empty a line "جزئیات: " + detail under it.
QString withDetail(const QString& sentence, const QString& detail);

// sentence with %1 standing for the file concerned, and the detail under it.
QString about(const QString& sentence, const QString& path, const QString& detail);

// The path as the user reads it, between the quotation marks of a Persian sentence.
QString quotedPath(const QString& path);

// Why a file operation failed, in Persian, for the errno values a user can do something
// about (a full disk, no right to write, a read-only disk, a folder that is gone); empty for
// any other value.
QString reasonOf(int error);

// The system's own words for errno, as a detail.
QString systemText(int error);

} // namespace FailureText
