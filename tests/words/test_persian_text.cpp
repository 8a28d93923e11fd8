#include "words/persian_text.h"

#include <QtTest>

#include <algorithm>

namespace {

// What a database gets from the tables with translate(text, from, to): characters of from
// without a counterpart in to are dropped.
QString translated(const QString& text)
{
    const QString from = PersianText::mappedFrom() + PersianText::removed();
    const QString to = PersianText::mappedTo();
    QString out;
    for (const QChar c : text) {
        const qsizetype at = from.indexOf(c);
        if (at < 0)
            out += c;
        else if (at < to.size())
            out += to.at(at);
    }
    return out;
}

QStringList sortedPersian(QStringList names)
{
    std::sort(names.begin(), names.end(), PersianText::lessThan);
    return names;
}

} // namespace

class TestPersianText : public QObject
{
    Q_OBJECT

private slots:
    // Each pair is what a user types and what the register holds: they fold alike.
    void typedFindsStored_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("yeh") << QStringLiteral("دریافت") << QStringLiteral("دريافت");
        QTest::newRow("yeh at the end") << QStringLiteral("علی") << QStringLiteral("علي");
        QTest::newRow("alef maksura") << QStringLiteral("علی") << QStringLiteral("على");
        QTest::newRow("kaf") << QStringLiteral("کالا") << QStringLiteral("كالا");
        QTest::newRow("both letters") << QStringLiteral("کشاورزی") << QStringLiteral("كشاورزي");
        QTest::newRow("persian digits") << QStringLiteral("۱۲۵۰") << QStringLiteral("1250");
        QTest::newRow("arabic-indic digits") << QStringLiteral("٩٨٧٦٥٤٣٢١٠") << QStringLiteral("9876543210");
        QTest::newRow("non-joiner") << QStringLiteral("می‌خواهم") << QStringLiteral("ميخواهم");
        QTest::newRow("tatweel") << QStringLiteral("تهران") << QStringLiteral("تـــهران");
        QTest::newRow("diacritics") << QStringLiteral("محمد") << QString::fromUtf8("مُحَمَّدٌ");
        QTest::newRow("every diacritic") << QStringLiteral("ب")
                                         << QString::fromUtf16(u"\u064Bب\u064C\u064D\u064E\u064F\u0650\u0651\u0652");
        QTest::newRow("latin case") << QStringLiteral("o'brien") << QStringLiteral("O'BRIEN");
        QTest::newRow("latin-1 case") << QStringLiteral("école") << QStringLiteral("ÉCOLE");
    }
    void typedFindsStored()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QCOMPARE(PersianText::fold(typed), PersianText::fold(stored));
        // The reverse way as well: the Arabic form typed finds the Persian one stored.
        QVERIFY(
            PersianText::fold(QStringLiteral("x") + stored + QStringLiteral("y")).contains(PersianText::fold(typed)));
        QVERIFY(PersianText::fold(typed).contains(PersianText::fold(stored)));
    }

    // Letters that only look alike stay apart, and nothing else is touched.
    void foldKeepsWhatItDoesNotName()
    {
        QVERIFY(PersianText::fold(QStringLiteral("کالا")) != PersianText::fold(QStringLiteral("گالا")));
        QVERIFY(PersianText::fold(QStringLiteral("باز")) != PersianText::fold(QStringLiteral("بار")));
        QCOMPARE(PersianText::fold(QStringLiteral("آب")), QStringLiteral("آب"));
        QCOMPARE(PersianText::fold(QStringLiteral("× ÷")), QStringLiteral("× ÷"));
        QCOMPARE(PersianText::fold(QStringLiteral("a 😀 b")), QStringLiteral("a 😀 b"));
        QCOMPARE(PersianText::fold(QStringLiteral("می خواهم")), QStringLiteral("می خواهم")); // a space stays
        QCOMPARE(PersianText::fold(QString()), QString());
        QCOMPARE(PersianText::fold(QStringLiteral("\u200C\u0640")), QString());
    }

    // The search folds every row of a large register: a text it does not change is not copied.
    void unchangedTextIsNotCopied()
    {
        const QString persian = QStringLiteral("علی رضایی 1403");
        const QString folded = PersianText::fold(persian);
        QCOMPARE(folded.constData(), persian.constData());
        std::string out;
        const QByteArray utf8 = persian.toUtf8();
        QVERIFY(!PersianText::foldUtf8(utf8.constData(), size_t(utf8.size()), out));
        QVERIFY(out.empty());
    }

    // The database folds UTF-8 and the in-memory search folds UTF-16: for every character the
    // two must agree, or the same search finds different rows from memory and from the file.
    void utf8FoldAgreesWithTheTextFold()
    {
        QString all;
        for (char16_t c = 1; c < 0x800; ++c)
            all += QChar(c);
        all += QStringLiteral("\u200C\u200D\u2028 😀 ے ۀ");
        QCOMPARE(QString::fromUtf8(PersianText::foldUtf8(all.toUtf8())), PersianText::fold(all));
        for (char16_t c = 1; c < 0x800; ++c) {
            const QString one = QStringLiteral("ا") + QChar(c) + QStringLiteral("b");
            QCOMPARE(QString::fromUtf8(PersianText::foldUtf8(one.toUtf8())), PersianText::fold(one));
        }
        // Bytes that are not UTF-8 pass as they are rather than being read past.
        QCOMPARE(PersianText::foldUtf8(QByteArray("\xD9", 1)), QByteArray("\xD9", 1));
        QCOMPARE(PersianText::foldUtf8(QByteArray("A\xE2\x80", 3)), QByteArray("a\xE2\x80", 3));
    }

    // Another database writes the fold inline from the tables; it must come out the same.
    void tablesGiveTheSameFold()
    {
        QCOMPARE(PersianText::mappedFrom().size(), PersianText::mappedTo().size());
        QString all;
        for (char16_t c = 1; c < 0x800; ++c)
            all += QChar(c);
        all += QStringLiteral("\u200C\u200D");
        QCOMPARE(translated(all), PersianText::fold(all));
        QVERIFY(PersianText::removed().contains(QChar(0x200C)));
        QVERIFY(PersianText::removed().contains(QChar(0x0640)));
        QVERIFY(!PersianText::removed().contains(QChar(0x200D)));
    }

    void alphabeticalOrder()
    {
        const QStringList banks = {QStringLiteral("آینده"), QStringLiteral("پاسارگاد"), QStringLiteral("تجارت"),
                                   QStringLiteral("کشاورزی"), QStringLiteral("ملت")};
        QCOMPARE(sortedPersian({banks.at(4), banks.at(3), banks.at(1), banks.at(0), banks.at(2)}), banks);
        // The Arabic forms sort with their Persian twins, not after every Persian letter.
        QCOMPARE(sortedPersian({QStringLiteral("ملت"), QStringLiteral("كشاورزي"), QStringLiteral("تجارت")}),
                 (QStringList{QStringLiteral("تجارت"), QStringLiteral("كشاورزي"), QStringLiteral("ملت")}));
        QCOMPARE(sortedPersian({QStringLiteral("یاس"), QStringLiteral("علي"), QStringLiteral("ژاله"),
                                QStringLiteral("چمن"), QStringLiteral("گل"), QStringLiteral("علی")}),
                 (QStringList{QStringLiteral("چمن"), QStringLiteral("ژاله"), QStringLiteral("علي"),
                              QStringLiteral("علی"), QStringLiteral("گل"), QStringLiteral("یاس")}));
        // Latin first and without case, digits in any script alike, a shorter word first.
        QCOMPARE(sortedPersian({QStringLiteral("بانک"), QStringLiteral("b"), QStringLiteral("A"), QStringLiteral("۲"),
                                QStringLiteral("1"), QStringLiteral("بان")}),
                 (QStringList{QStringLiteral("1"), QStringLiteral("۲"), QStringLiteral("A"), QStringLiteral("b"),
                              QStringLiteral("بان"), QStringLiteral("بانک")}));
        // The non-joiner is passed over: "میخواهم" and "می‌خواهم" come together.
        QCOMPARE(sortedPersian({QStringLiteral("میز"), QStringLiteral("می‌خواهم"), QStringLiteral("میخک")}),
                 (QStringList{QStringLiteral("میخک"), QStringLiteral("می‌خواهم"), QStringLiteral("میز")}));
    }

    // A sort needs a total order: names alike in the alphabet are still two names, always the
    // same way round, and only a text equals itself.
    void orderIsTotal()
    {
        const QStringList names = {QStringLiteral("علي"),      QStringLiteral("علی"),      QStringLiteral("على"),
                                   QStringLiteral("عل"),       QStringLiteral("Ali"),      QStringLiteral("ali"),
                                   QStringLiteral("بانک ملت"), QStringLiteral("بانك ملت"), QString(),
                                   QStringLiteral("😀"),        QStringLiteral("ي")};
        for (const QString& a : names) {
            for (const QString& b : names) {
                const int ab = PersianText::compare(a, b);
                QCOMPARE(ab == 0, a == b);
                QCOMPARE(ab<0, PersianText::compare(b, a)> 0);
                for (const QString& c : names) {
                    if (ab < 0 && PersianText::compare(b, c) < 0)
                        QVERIFY(PersianText::compare(a, c) < 0);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPersianText)
#include "test_persian_text.moc"
