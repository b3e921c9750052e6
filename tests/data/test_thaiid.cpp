// The check digit of the Thai national identity number.

#include "data/thaiid.h"

#include <QtTest>

class TestThaiId : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void checkDigit_data();
    void checkDigit();
    void validity_data();
    void validity();
};

void TestThaiId::checkDigit_data()
{
    QTest::addColumn<QString>("first12");
    QTest::addColumn<int>("digit");
    // sum = Σ digit i × (14 − i); check = (11 − sum mod 11) mod 10
    QTest::newRow("sum 144, mod 1: 10 gives 0") << "110170020703" << 0;
    QTest::newRow("sum 138, mod 6") << "310100123456" << 5;
    QTest::newRow("all zeros, mod 0: 11 gives 1") << "000000000000" << 1;
    QTest::newRow("all nines, sum 810") << "999999999999" << 4;
    QTest::newRow("sum 352, mod 0") << "123456789012" << 1;
    QTest::newRow("first digit weighs 13") << "100000000000" << 9;
    QTest::newRow("twelfth digit weighs 2") << "000000000001" << 9;
    QTest::newRow("a 13th digit is not counted") << "3509900012347" << 8;
}

void TestThaiId::checkDigit()
{
    QFETCH(QString, first12);
    QFETCH(int, digit);
    QCOMPARE(ThaiIdCheckDigit(first12), std::optional<int>(digit));
}

void TestThaiId::validity_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("thirteenDigits");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid") << "1101700207030" << true << true;
    QTest::newRow("valid, check 1 from mod 0") << "1234567890121" << true << true;
    QTest::newRow("last digit wrong") << "1101700207031" << true << false;
    QTest::newRow("two digits swapped") << "1011700207030" << true << false;
    QTest::newRow("12 digits") << "110170020703" << false << false;
    QTest::newRow("14 digits") << "11017002070300" << false << false;
    QTest::newRow("dashes") << "1-1017-00207-03-0" << false << false;
    QTest::newRow("a blank at the end") << "1101700207030 " << false << false;
    QTest::newRow("Thai digits") << QString::fromUtf8("๑๑๐๑๗๐๐๒๐๗๐๓๐") << false << false;
    QTest::newRow("empty") << "" << false << false;
}

void TestThaiId::validity()
{
    QFETCH(QString, text);
    QFETCH(bool, thirteenDigits);
    QFETCH(bool, valid);
    QCOMPARE(IsThirteenDigits(text), thirteenDigits);
    QCOMPARE(IsValidThaiId(text), valid);
}

QTEST_MAIN(TestThaiId)
#include "test_thaiid.moc"
