#include "words/amount_words.h"

#include <QtTest>

#include <limits>

class TestAmountWords : public QObject
{
    Q_OBJECT

private slots:
    void amounts_data();
    void amounts();
    void groups_data();
    void groups();
    void unusualNumbers();
};

void TestAmountWords::amounts_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("example 0") << 0.0 << QStringLiteral("صفر");
    QTest::newRow("example 7") << 7.0 << QStringLiteral("هفت");
    QTest::newRow("example 50") << 50.0 << QStringLiteral(" پنجاه");
    QTest::newRow("example 105") << 105.0 << QStringLiteral("يكصد و پنج");
    QTest::newRow("example 150") << 150.0 << QStringLiteral("يكصد و  پنجاه");
    QTest::newRow("example 1000") << 1000.0 << QStringLiteral("يك هزار");
    QTest::newRow("example 2500") << 2500.0 << QStringLiteral("دو هزار و پانصد");
    QTest::newRow("example 1000000") << 1000000.0 << QStringLiteral("يك ميليون");
    QTest::newRow("example 1000500") << 1000500.0 << QStringLiteral("يك ميليون و پانصد");
    QTest::newRow("example 1234567") << 1234567.0
                                     << QStringLiteral("يك ميليون و دويست و سي و چهار هزار و پانصد و شصت و هفت");
    QTest::newRow("example 2000000015") << 2000000015.0 << QStringLiteral("دو ميليارد و پانزده");
    QTest::newRow("example 3000000000") << 3000000000.0 << QStringLiteral("سه ميليارد");
    QTest::newRow("one milliard") << 1e9 << QStringLiteral("يك ميليارد");
    QTest::newRow("largest")
        << 999999999999.0
        << QStringLiteral("نهصد و نود و نه ميليارد و نهصد و نود و نه ميليون و نهصد و نود و نه هزار و نهصد و نود و نه");
    QTest::newRow("zero groups skipped") << 5000000007.0 << QStringLiteral("پنج ميليارد و هفت");
    QTest::newRow("ten") << 10.0 << QStringLiteral("ده");
    QTest::newRow("hundred") << 100.0 << QStringLiteral("يكصد");
    QTest::newRow("twenty") << 20.0 << QStringLiteral("بيست");
    QTest::newRow("one") << 1.0 << QStringLiteral("يك");
    QTest::newRow("999") << 999.0 << QStringLiteral("نهصد و نود و نه");
    QTest::newRow("999999") << 999999.0 << QStringLiteral("نهصد و نود و نه هزار و نهصد و نود و نه");
    QTest::newRow("999999999") << 999999999.0
                               << QStringLiteral("نهصد و نود و نه ميليون و نهصد و نود و نه هزار و نهصد و نود و نه");
    QTest::newRow("fifty thousand") << 50000.0 << QStringLiteral(" پنجاه هزار");
    QTest::newRow("1050") << 1050.0 << QStringLiteral("يك هزار و  پنجاه");
    QTest::newRow("fifty million") << 50000000.0 << QStringLiteral(" پنجاه ميليون");
    QTest::newRow("1000050000") << 1000050000.0 << QStringLiteral("يك ميليارد و  پنجاه هزار");
    QTest::newRow("1000001000") << 1000001000.0 << QStringLiteral("يك ميليارد و يك هزار");
    QTest::newRow("1001000") << 1001000.0 << QStringLiteral("يك ميليون و يك هزار");
    QTest::newRow("100100100100") << 100100100100.0 << QStringLiteral("يكصد ميليارد و يكصد ميليون و يكصد هزار و يكصد");
    QTest::newRow("rounded down") << 7.4 << QStringLiteral("هفت");
    QTest::newRow("rounded up") << 998.6 << QStringLiteral("نهصد و نود و نه");
    QTest::newRow("beyond range") << 1e12 << QStringLiteral("عدد وارد شده خارج از محدوده مي باشد ");
    QTest::newRow("fraction above range") << 999999999999.5 << QStringLiteral("عدد وارد شده خارج از محدوده مي باشد ");
    QTest::newRow("negative") << -1.0 << QString();
    QTest::newRow("negative thousand") << -1000.0 << QString();
    QTest::newRow("negative fraction") << -0.5 << QString();
    QTest::newRow("fraction below one") << 0.5 << QString();
    QTest::newRow("between 999 and 1000") << 999.5 << QString();
    QTest::newRow("between ranges of thousands and millions") << 999999.5 << QString();
    QTest::newRow("between ranges of millions and milliards") << 999999999.5 << QString();
}

void TestAmountWords::amounts()
{
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(AmountToWords(amount), expected);
}

void TestAmountWords::groups_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0 << QString();
    QTest::newRow("5") << 5 << QStringLiteral("پنج");
    QTest::newRow("19") << 19 << QStringLiteral("نوزده");
    QTest::newRow("21") << 21 << QStringLiteral("بيست و يك");
    QTest::newRow("50") << 50 << QStringLiteral(" پنجاه");
    QTest::newRow("55") << 55 << QStringLiteral(" پنجاه و پنج");
    QTest::newRow("110") << 110 << QStringLiteral("يكصد و ده");
    QTest::newRow("119") << 119 << QStringLiteral("يكصد و نوزده");
    QTest::newRow("120") << 120 << QStringLiteral("يكصد و بيست");
    QTest::newRow("150") << 150 << QStringLiteral("يكصد و  پنجاه");
    QTest::newRow("999") << 999 << QStringLiteral("نهصد و نود و نه");
    QTest::newRow("-1") << -1 << QString();
    QTest::newRow("1000") << 1000 << QString();
}

void TestAmountWords::groups()
{
    QFETCH(int, n);
    QFETCH(QString, expected);
    QCOMPARE(GroupToWords(n), expected);
}

void TestAmountWords::unusualNumbers()
{
    QCOMPARE(AmountToWords(-0.0), AmountToWords(0));
    QCOMPARE(AmountToWords(std::numeric_limits<double>::quiet_NaN()), QString());
    QCOMPARE(AmountToWords(std::numeric_limits<double>::infinity()), AmountToWords(1e12));
    QCOMPARE(AmountToWords(-std::numeric_limits<double>::infinity()), QString());
}

QTEST_APPLESS_MAIN(TestAmountWords)
#include "test_amount_words.moc"
