#include "words/persian_text.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace PersianText {

namespace {

// Every character the fold changes lies below U+0800 (two bytes of UTF-8) except the
// zero-width non-joiner, so one table of that size answers each UTF-16 unit at once.
constexpr char16_t TableSize = 0x800;
constexpr char16_t Dropped = 0xFFFF;
constexpr char16_t NonJoiner = 0x200C;

constexpr char16_t PersianYeh = 0x06CC;
constexpr char16_t PersianKaf = 0x06A9;

// The Persian alphabet in its order; the second column is the Arabic forms that sort with the
// letter (those the fold does not already make the letter).
constexpr struct
{
    char16_t letter;
    const char16_t* twins;
} Alphabet[] = {
    {0x0621, u""},                   // hamza, before the letters as in dictionaries
    {0x0622, u""},                   // آ
    {0x0627, u"\u0623\u0625\u0671"}, // ا أ إ ٱ
    {0x0628, u""},
    {0x067E, u""},
    {0x062A, u""},
    {0x062B, u""},
    {0x062C, u""},
    {0x0686, u""},
    {0x062D, u""},
    {0x062E, u""},
    {0x062F, u""},
    {0x0630, u""},
    {0x0631, u""},
    {0x0632, u""},
    {0x0698, u""},
    {0x0633, u""},
    {0x0634, u""},
    {0x0635, u""},
    {0x0636, u""},
    {0x0637, u""},
    {0x0638, u""},
    {0x0639, u""},
    {0x063A, u""},
    {0x0641, u""},
    {0x0642, u""},
    {PersianKaf, u""},
    {0x06AF, u""},
    {0x0644, u""},
    {0x0645, u""},
    {0x0646, u""},
    {0x0648, u"\u0624"},       // و ؤ
    {0x0647, u"\u0629\u06C0"}, // ه ة ۀ
    {PersianYeh, u"\u0626"},   // ی ئ
};

// Ranks: 0 for what the fold drops, the code point + 1 below the Arabic block (Latin, digits,
// spaces and marks first), the Persian letters next, then the rest of the block, and everything
// above U+0800 after that in code point order.
constexpr quint32 LetterBase = 0x0600;
constexpr quint32 ArabicBase = 0x0700;
constexpr quint32 AboveBase = 0x1000;

struct Tables
{
    std::array<char16_t, TableSize> fold{};
    std::array<quint32, TableSize> rank{};
    // Bytes of UTF-8 that may begin a character the fold changes.
    std::array<bool, 256> maybeFolded{};

    Tables()
    {
        for (char16_t c = 0; c < TableSize; ++c)
            fold[c] = c;
        for (char16_t c = 'A'; c <= 'Z'; ++c)
            fold[c] = c + 0x20;
        for (char16_t c = 0x00C0; c <= 0x00DE; ++c) {
            if (c != 0x00D7) // the multiplication sign has no small form
                fold[c] = c + 0x20;
        }
        fold[0x0649] = fold[0x064A] = PersianYeh;
        fold[0x0643] = PersianKaf;
        for (char16_t d = 0; d < 10; ++d)
            fold[0x0660 + d] = fold[0x06F0 + d] = u'0' + d;
        fold[0x0640] = Dropped;
        for (char16_t c = 0x064B; c <= 0x0652; ++c)
            fold[c] = Dropped;

        for (char16_t c = 0; c < TableSize; ++c)
            rank[c] = c < 0x0600 ? c + 1u : ArabicBase + c;
        for (quint32 i = 0; i < std::size(Alphabet); ++i) {
            rank[Alphabet[i].letter] = LetterBase + i;
            for (const char16_t* twin = Alphabet[i].twins; *twin; ++twin)
                rank[*twin] = LetterBase + i;
        }
        // A rank is of the folded character: ي has the rank of ی, ۵ that of 5, what is dropped none.
        std::array<quint32, TableSize> folded{};
        for (char16_t c = 0; c < TableSize; ++c)
            folded[c] = fold[c] == Dropped ? 0 : rank[fold[c]];
        rank = folded;

        for (char16_t c = 0; c < TableSize; ++c) {
            if (fold[c] != c)
                maybeFolded[c < 0x80 ? c : 0xC0 | (c >> 6)] = true;
        }
        maybeFolded[0xE2] = true; // U+200C is E2 80 8C
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

inline char16_t foldUnit(const Tables& t, char16_t c)
{
    if (c < TableSize)
        return t.fold[c];
    return c == NonJoiner ? Dropped : c;
}

inline bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// The rank of the character at text[i] (UTF-8), moving i past it.
quint32 nextRank(const Tables& t, const unsigned char* text, size_t size, size_t& i)
{
    const unsigned char b = text[i];
    if (b < 0x80) {
        ++i;
        return t.rank[b];
    }
    int length = 0;
    quint32 cp = 0;
    if (b >= 0xC2 && b < 0xE0) {
        length = 2;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b < 0xF0) {
        length = 3;
        cp = b & 0x0F;
    } else if (b >= 0xF0 && b < 0xF5) {
        length = 4;
        cp = b & 0x07;
    }
    if (length == 0 || i + size_t(length) > size) {
        ++i;
        return 0x110000 + AboveBase + b; // a stray byte, after every character
    }
    for (int k = 1; k < length; ++k) {
        if (!isContinuation(text[i + size_t(k)])) {
            ++i;
            return 0x110000 + AboveBase + b;
        }
        cp = (cp << 6) | (text[i + size_t(k)] & 0x3F);
    }
    i += size_t(length);
    if (cp < TableSize)
        return t.rank[cp];
    return cp == NonJoiner ? 0 : AboveBase + cp;
}

} // namespace

QString fold(const QString& text)
{
    const Tables& t = tables();
    const char16_t* units = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && foldUnit(t, units[i]) == units[i])
        ++i;
    if (i == size)
        return text;
    QString folded(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(folded.data());
    std::copy(units, units + i, out);
    qsizetype length = i;
    for (; i < size; ++i) {
        const char16_t c = foldUnit(t, units[i]);
        if (c != Dropped)
            out[length++] = c;
    }
    folded.truncate(length);
    return folded;
}

bool foldUtf8(const char* text, size_t size, std::string& out)
{
    const Tables& t = tables();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    out.clear();
    size_t i = 0;
    while (i < size && !t.maybeFolded[bytes[i]])
        ++i;
    if (i == size)
        return false;
    // The fold never lengthens a text: a character of one or two bytes stays within its length.
    out.resize(size);
    char* folded = out.data();
    std::memcpy(folded, text, i);
    size_t length = i;
    bool changed = false;
    while (i < size) {
        const unsigned char b = bytes[i];
        if (!t.maybeFolded[b]) {
            folded[length++] = char(b);
            ++i;
        } else if (b < 0x80) {
            folded[length++] = char(t.fold[b]);
            changed = true;
            ++i;
        } else if (b != 0xE2 && i + 1 < size && isContinuation(bytes[i + 1])) {
            const char16_t cp = char16_t(((b & 0x1F) << 6) | (bytes[i + 1] & 0x3F));
            const char16_t c = t.fold[cp];
            if (c == cp) {
                folded[length++] = char(b);
                folded[length++] = char(bytes[i + 1]);
            } else if (c < 0x80) {
                folded[length++] = char(c);
                changed = true;
            } else if (c != Dropped) {
                folded[length++] = char(0xC0 | (c >> 6));
                folded[length++] = char(0x80 | (c & 0x3F));
                changed = true;
            } else {
                changed = true;
            }
            i += 2;
        } else if (b == 0xE2 && i + 2 < size && bytes[i + 1] == 0x80 && bytes[i + 2] == 0x8C) {
            changed = true;
            i += 3;
        } else {
            folded[length++] = char(b);
            ++i;
        }
    }
    out.resize(changed ? length : 0);
    return changed;
}

QByteArray foldUtf8(const QByteArray& text)
{
    std::string folded;
    if (!foldUtf8(text.constData(), size_t(text.size()), folded))
        return text;
    return QByteArray(folded.data(), qsizetype(folded.size()));
}

int compareUtf8(const char* a, size_t aSize, const char* b, size_t bSize)
{
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    // Names in a list share long beginnings ("بانک ..."); equal bytes have equal ranks, so the
    // ranks are read from the first character that differs.
    const size_t common = std::min(aSize, bSize);
    size_t start = 0;
    while (start < common && x[start] == y[start])
        ++start;
    if (start == aSize && start == bSize)
        return 0;
    while (start > 0 && ((start < aSize && isContinuation(x[start])) || (start < bSize && isContinuation(y[start]))))
        --start;
    const Tables& t = tables();
    size_t i = start;
    size_t j = start;
    for (;;) {
        quint32 rx = 0;
        quint32 ry = 0;
        while (rx == 0 && i < aSize)
            rx = nextRank(t, x, aSize, i);
        while (ry == 0 && j < bSize)
            ry = nextRank(t, y, bSize, j);
        if (rx != ry)
            return rx < ry ? -1 : 1;
        if (rx == 0) // both ended
            break;
    }
    // Alike in the alphabet: the characters decide ("علي" and "علی" are two names, in a fixed order).
    const int bytes = std::memcmp(x + start, y + start, std::min(aSize, bSize) - start);
    if (bytes != 0)
        return bytes < 0 ? -1 : 1;
    return aSize == bSize ? 0 : (aSize < bSize ? -1 : 1);
}

int compare(const QString& a, const QString& b)
{
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    return compareUtf8(x.constData(), size_t(x.size()), y.constData(), size_t(y.size()));
}

QString mappedFrom()
{
    const Tables& t = tables();
    QString from;
    for (char16_t c = 1; c < TableSize; ++c) {
        if (t.fold[c] != c && t.fold[c] != Dropped)
            from += QChar(c);
    }
    return from;
}

QString mappedTo()
{
    const Tables& t = tables();
    QString to;
    for (char16_t c = 1; c < TableSize; ++c) {
        if (t.fold[c] != c && t.fold[c] != Dropped)
            to += QChar(t.fold[c]);
    }
    return to;
}

QString removed()
{
    const Tables& t = tables();
    QString dropped;
    for (char16_t c = 1; c < TableSize; ++c) {
        if (t.fold[c] == Dropped)
            dropped += QChar(c);
    }
    return dropped + QChar(NonJoiner);
}

} // namespace PersianText
