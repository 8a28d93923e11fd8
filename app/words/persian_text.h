#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// Texts as people type them. The register holds names typed years ago on Arabic layouts (ي ك),
// while a Persian keyboard types ی ک, Persian digits and the zero-width non-joiner; a search must
// find the one with the other, and a list of names must come in Persian alphabetical order rather
// than in the order of their character codes. Stored texts are never changed: only comparisons
// use these forms.
namespace PersianText {

// The form in which two texts are compared: Arabic ي and ى are Persian ی, Arabic ك is Persian ک,
// Persian and Arabic-Indic digits are ASCII digits, Latin capitals are small letters, and the
// zero-width non-joiner, the tatweel and the Arabic diacritics (fathatan to sukun) are dropped.
// A text that has none of these is given back as it is, without a copy.
QString fold(const QString& text);

// The same fold over UTF-8, written to out (which is cleared first): folding UTF-8 gives the
// UTF-8 of fold(). Returns false, leaving out empty, when nothing would change.
bool foldUtf8(const char* text, size_t size, std::string& out);
QByteArray foldUtf8(const QByteArray& text);

// Compares in Persian alphabetical order (آ ا ب پ ت ث ج چ ح خ د ذ ر ز ژ س ش ص ض ط ظ ع غ ف ق ک گ
// ل م ن و ه ی): the Arabic forms sort with their Persian twins, Persian digits with ASCII ones,
// Latin text without regard to case and before Persian, and what the fold drops is passed over.
// Texts that are alike in that order are told apart by their characters, so that the order is
// total. Negative, zero or positive, as strcmp.
int compareUtf8(const char* a, size_t aSize, const char* b, size_t bSize);
int compare(const QString& a, const QString& b);
// For std::sort and the like.
inline bool lessThan(const QString& a, const QString& b)
{
    return compare(a, b) < 0;
}

// The fold as character tables, for a database that writes it inline, as in PostgreSQL's
// translate(text, from, to): the character at each place of mappedFrom() becomes the one at the
// same place of mappedTo(), and each character of removed() is dropped. Applied in this way they
// give exactly fold().
QString mappedFrom();
QString mappedTo();
QString removed();

} // namespace PersianText
