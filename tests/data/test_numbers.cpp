#include "data/numbers.h"
#include "platform/ui/messageservice.h"

#include <QtTest>

class TestNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formatNumber_data();
    void formatNumber();
    void rounding_data();
    void rounding();
    void isNumberText_data();
    void isNumberText();
    void zeroPad_data();
    void zeroPad();
};

void TestNumbers::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("grouped money") << 1234567.891 << "###,###,##0.00" << "1,234,567.89";
    QTest::newRow("zero money") << 0.0 << "###,###,##0.00" << "0.00";
    QTest::newRow("under a thousand, no comma") << 999.5 << "##,###,##0.00" << "999.50";
    QTest::newRow("negative grouped") << -1234.5 << "##,###,##0.00" << "-1,234.50";
    QTest::newRow("rounding carries into a new group") << 999.995 << "###,###,##0.00" << "1,000.00";
    QTest::newRow("beyond the pattern's places") << 1234567890.0 << "##,###,##0.00" << "1,234,567,890.00";
    QTest::newRow("2.675 as typed") << 2.675 << "0.00" << "2.68";
    QTest::newRow("1.005 as typed") << 1.005 << "0.00" << "1.01";
    QTest::newRow("0.125 as typed") << 0.125 << "0.00" << "0.13";
    QTest::newRow("just under half") << 1.0049 << "0.00" << "1.00";
    QTest::newRow("half away from zero when negative") << -0.125 << "0.00" << "-0.13";
    QTest::newRow("no minus on a rounded zero") << -0.004 << "0.00" << "0.00";
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << "0.00" << "0.30";
    QTest::newRow("tiny value") << 1e-20 << "0.00" << "0.00";
    QTest::newRow("leading zeros") << 5.0 << "000000000.00" << "000000005.00";
    QTest::newRow("leading zeros, ten digits") << 1234567890.5 << "000000000.00" << "1234567890.50";
    QTest::newRow("no grouping") << 12345678.9 << "#######0.00" << "12345678.90";
    QTest::newRow("no grouping, nine digits") << 123456789.0 << "#######0.00" << "123456789.00";
    QTest::newRow("no grouping, fraction only") << 0.5 << "#######0.00" << "0.50";

    // "##.#" has no required digit: trailing zero decimals drop, a zero
    // shows nothing, a value under one has no integer digit.
    QTest::newRow("optional: whole") << 7.0 << "##.#" << "7";
    QTest::newRow("optional: half") << 7.5 << "##.#" << "7.5";
    QTest::newRow("optional: zero") << 0.0 << "##.#" << "";
    QTest::newRow("optional: rounds up") << 7.25 << "##.#" << "7.3";
    QTest::newRow("optional: rounds to whole") << 7.04 << "##.#" << "7";
    QTest::newRow("optional: under one") << 0.5 << "##.#" << ".5";
    QTest::newRow("optional: wider than pattern") << 123.4 << "##.#" << "123.4";
    QTest::newRow("optional: negative") << -7.5 << "##.#" << "-7.5";
    QTest::newRow("optional: negative to zero") << -0.04 << "##.#" << "";
}

void TestNumbers::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(FormatNumber(value, pattern), expected);
}

void TestNumbers::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("money");  // four decimals
    QTest::addColumn<double>("twoDecimals");

    QTest::newRow("half of the fourth decimal") << 0.00005 << 0.0001 << 0.0;
    QTest::newRow("fifth decimal") << 1.23456 << 1.2346 << 1.23;
    QTest::newRow("negative half") << -1.23455 << -1.2346 << -1.23;
    QTest::newRow("2.675") << 2.675 << 2.675 << 2.68;
    QTest::newRow("-2.675") << -2.675 << -2.675 << -2.68;
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << 0.3 << 0.3;
    QTest::newRow("large amount") << 12345678.123456 << 12345678.1235 << 12345678.12;
}

void TestNumbers::rounding()
{
    QFETCH(double, value);
    QFETCH(double, money);
    QFETCH(double, twoDecimals);
    // Exact comparisons: the rounded value must be the double of the decimal.
    QVERIFY2(RoundMoney(value) == money, qPrintable(QString::number(RoundMoney(value), 'g', 17)));
    QVERIFY2(Round2(value) == twoDecimals, qPrintable(QString::number(Round2(value), 'g', 17)));
}

void TestNumbers::isNumberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("decimal") << "12.5" << true;
    QTest::newRow("negative") << "-3" << true;
    QTest::newRow("blanks around") << " 7 " << true;
    QTest::newRow("exponent") << "1e3" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("thousands separator") << "1,000" << false;
    QTest::newRow("trailing letter") << "12a" << false;
    QTest::newRow("point alone") << "." << false;
    QTest::newRow("infinity") << "inf" << false;
}

void TestNumbers::isNumberText()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    ScriptedMessageService messages;
    QCOMPARE(IsNumberText(text), expected);
    QCOMPARE(messages.texts(), expected ? QStringList() : QStringList{"ตัวเลข...ไม่ถูกต้อง "});
}

void TestNumbers::zeroPad_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    QTest::newRow("short") << "12" << 6 << "000012";
    QTest::newRow("trimmed first") << " 12 " << 6 << "000012";
    QTest::newRow("exact width") << "123456" << 6 << "123456";
    QTest::newRow("longer stays") << "1234567" << 6 << "1234567";
    QTest::newRow("empty") << "" << 6 << "";
    QTest::newRow("blanks only") << "   " << 6 << "";
}

void TestNumbers::zeroPad()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(ZeroPad(text, width), expected);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
