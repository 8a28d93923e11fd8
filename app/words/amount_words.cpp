#include "words/amount_words.h"

#include <cmath>

namespace {

constexpr double LargestAmount = 999999999999.0;
constexpr int GroupCount = 4;

const QString& joiner()
{
    static const QString text = QStringLiteral(" و ");
    return text;
}

// The scale word of a group of three digits, counted from the right.
const QString& scaleWord(int position)
{
    static const QString words[GroupCount] = {QString(), QStringLiteral(" هزار"), QStringLiteral(" ميليون"),
                                              QStringLiteral(" ميليارد")};
    return words[position];
}

// The first group is always said, even "يك" for one thousand; zero groups after it are
// dropped along with their scale word.
QString groupsToWords(const int* groups, int count)
{
    QString words = GroupToWords(groups[0]) + scaleWord(count - 1);
    for (int i = 1; i < count; ++i) {
        if (groups[i] != 0)
            words += joiner() + GroupToWords(groups[i]) + scaleWord(count - 1 - i);
    }
    return words;
}

// Only for amounts of 1,000,000 to 999,999,999,999: three or four groups.
QString wholeAmountToWords(long long amount)
{
    const int count = amount >= 1000000000 ? 4 : 3;
    int groups[GroupCount];
    for (int i = count - 1; i >= 0; --i, amount /= 1000)
        groups[i] = static_cast<int>(amount % 1000);
    return groupsToWords(groups, count);
}

} // namespace

QString GroupToWords(int n)
{
    static const QString units[20] = {QString(),
                                      QStringLiteral("يك"),
                                      QStringLiteral("دو"),
                                      QStringLiteral("سه"),
                                      QStringLiteral("چهار"),
                                      QStringLiteral("پنج"),
                                      QStringLiteral("شش"),
                                      QStringLiteral("هفت"),
                                      QStringLiteral("هشت"),
                                      QStringLiteral("نه"),
                                      QStringLiteral("ده"),
                                      QStringLiteral("يازده"),
                                      QStringLiteral("دوازده"),
                                      QStringLiteral("سيزده"),
                                      QStringLiteral("چهارده"),
                                      QStringLiteral("پانزده"),
                                      QStringLiteral("شانزده"),
                                      QStringLiteral("هفده"),
                                      QStringLiteral("هيجده"),
                                      QStringLiteral("نوزده")};
    static const QString tens[10] = {QString(),
                                     QStringLiteral("ده"),
                                     QStringLiteral("بيست"),
                                     QStringLiteral("سي"),
                                     QStringLiteral("چهل"),
                                     QStringLiteral(" پنجاه"),
                                     QStringLiteral("شصت"),
                                     QStringLiteral("هفتاد"),
                                     QStringLiteral("هشتاد"),
                                     QStringLiteral("نود")};
    static const QString hundreds[10] = {QString(),
                                         QStringLiteral("يكصد"),
                                         QStringLiteral("دويست"),
                                         QStringLiteral("سيصد"),
                                         QStringLiteral("چهارصد"),
                                         QStringLiteral("پانصد"),
                                         QStringLiteral("ششصد"),
                                         QStringLiteral("هفتصد"),
                                         QStringLiteral("هشتصد"),
                                         QStringLiteral("نهصد")};
    if (n <= 0 || n > 999)
        return QString();
    const int u = n % 10;
    const int r = n % 100;
    const int h = n / 100;
    QString below100;
    if (r >= 20)
        below100 = u == 0 ? tens[r / 10] : tens[r / 10] + joiner() + units[u];
    else
        below100 = units[r];
    if (h == 0)
        return below100;
    return below100.isEmpty() ? hundreds[h] : hundreds[h] + joiner() + below100;
}

QString AmountToWords(double amount)
{
    if (amount == 0)
        return QStringLiteral("صفر");
    if (amount >= 1 && amount <= 999)
        return GroupToWords(static_cast<int>(std::llround(amount)));
    if (amount >= 1000 && amount <= 999999) {
        // The thousands are cut off, the rest rounded, so 1999.6 says one thousand.
        const int groups[] = {static_cast<int>(amount / 1000), static_cast<int>(std::llround(amount) % 1000)};
        return groupsToWords(groups, 2);
    }
    if ((amount >= 1000000 && amount <= 999999999) || (amount >= 1000000000 && amount <= LargestAmount))
        return wholeAmountToWords(std::llround(amount));
    if (amount > LargestAmount)
        return QStringLiteral("عدد وارد شده خارج از محدوده مي باشد ");
    // Negative amounts, fractions below one and fractions between the ranges (999.5) have no wording.
    return QString();
}
