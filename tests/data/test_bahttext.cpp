#include "data/bahttext.h"
#include "data/conversion.h"

#include <QtTest>

class TestBahtText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void words_data();
    void words();
    void notANumber_data();
    void notANumber();
};

void TestBahtText::words_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("expected");

    // The amounts printed on documents, blanks exactly as printed.
    QTest::newRow("zero") << "0" << "ศูนย์บาทถ้วน";
    QTest::newRow("negative") << "-5" << "ศูนย์บาทถ้วน";
    QTest::newRow("one") << "1" << " หนึ่งบาทถ้วน";
    QTest::newRow("ten") << "10" << " สิบบาทถ้วน";
    QTest::newRow("eleven") << "11" << " สิบเอ็ดบาทถ้วน";
    QTest::newRow("twenty-one") << "21" << " ยี่สิบเอ็ดบาทถ้วน";
    QTest::newRow("101 has no เอ็ด") << "101" << " หนึ่งร้อยหนึ่งบาทถ้วน";
    QTest::newRow("121") << "121" << " หนึ่งร้อยยี่สิบเอ็ดบาทถ้วน";
    QTest::newRow("1000") << "1000" << " หนึ่งพัน บาทถ้วน";
    QTest::newRow("10500") << "10500" << " หนึ่งหมื่น ห้าร้อยบาทถ้วน";
    QTest::newRow("20000 is สองหมื่น") << "20000" << " สองหมื่น บาทถ้วน";
    QTest::newRow("21001") << "21001" << " สองหมื่นหนึ่งพัน หนึ่งบาทถ้วน";
    QTest::newRow("satang only") << "0.25" << " บาท ยี่สิบห้าสตางค์ ";
    QTest::newRow("0.07") << "0.07" << " บาท เจ็ดสตางค์ ";
    QTest::newRow("one satang") << "0.01" << " บาท หนึ่งสตางค์ ";
    QTest::newRow("eleven satang") << "0.11" << " บาท สิบเอ็ดสตางค์ ";
    QTest::newRow("million and satang") << "1000000.50" << "หนึ่งล้าน บาท ห้าสิบสตางค์ ";
    QTest::newRow("two million") << "2000000" << "สองล้าน บาทถ้วน";
    QTest::newRow("1234567.89") << "1234567.89"
                                << "หนึ่งล้าน สองแสนสามหมื่นสี่พัน ห้าร้อยหกสิบเจ็ดบาท แปดสิบเก้าสตางค์ ";
    QTest::newRow("21 million") << "21000000" << "ยี่สิบเอ็ดล้าน บาทถ้วน";
    QTest::newRow("101 million") << "101000000" << "หนึ่งร้อยหนึ่งล้าน บาทถ้วน";
    QTest::newRow("all nines") << "999999999.99"
                               << "เก้าร้อยเก้าสิบเก้าล้าน เก้าแสนเก้าหมื่นเก้าพัน เก้าร้อยเก้าสิบเก้าบาท เก้าสิบเก้าสตางค์ ";

    // Rounding to two decimals happens on the typed value.
    QTest::newRow("half satang rounds up") << "0.005" << " บาท หนึ่งสตางค์ ";
    QTest::newRow("under half a satang is zero") << "0.004" << "ศูนย์บาทถ้วน";
    QTest::newRow("1.005 stored below half") << "1.005" << " หนึ่งบาท หนึ่งสตางค์ ";
    QTest::newRow("2.675 stored below half") << "2.675" << " สองบาท หกสิบแปดสตางค์ ";
    QTest::newRow("satang carry into baht") << "0.995" << " หนึ่งบาทถ้วน";
    QTest::newRow("carry into millions") << "999999.995" << "หนึ่งล้าน บาทถ้วน";
    QTest::newRow("tiny negative") << "-0.001" << "ศูนย์บาทถ้วน";

    // A billion and more: the millions count is a whole Thai number.
    QTest::newRow("one billion") << "1000000000" << "หนึ่งพันล้าน บาทถ้วน";
    QTest::newRow("1,234 million") << "1234000000" << "หนึ่งพันสองร้อยสามสิบสี่ล้าน บาทถ้วน";
    QTest::newRow("1,001 million") << "1001000000.50" << "หนึ่งพันหนึ่งล้าน บาท ห้าสิบสตางค์ ";
    QTest::newRow("21,000 million") << "21000000000" << "สองหมื่นหนึ่งพันล้าน บาทถ้วน";
    QTest::newRow("1,234 million with all groups") << "1234567890.12"
        << "หนึ่งพันสองร้อยสามสิบสี่ล้าน ห้าแสนหกหมื่นเจ็ดพัน แปดร้อยเก้าสิบบาท สิบสองสตางค์ ";
    QTest::newRow("million million") << "1000000000000" << "หนึ่งล้านล้าน บาทถ้วน";
    QTest::newRow("1,000,021 million") << "1000021000000" << "หนึ่งล้านยี่สิบเอ็ดล้าน บาทถ้วน";
    QTest::newRow("2,500,000 million") << "2500000000000.25" << "สองล้านห้าแสนล้าน บาท ยี่สิบห้าสตางค์ ";
}

void TestBahtText::words()
{
    QFETCH(QString, amount);
    QFETCH(QString, expected);
    QCOMPARE(BahtText(amount), expected);
}

void TestBahtText::notANumber_data()
{
    QTest::addColumn<QString>("amount");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abc";
    QTest::newRow("thousands separator") << "1,250.50";
    QTest::newRow("trailing letter") << "12a";
    QTest::newRow("infinity") << "inf";
}

void TestBahtText::notANumber()
{
    QFETCH(QString, amount);
    QVERIFY_THROWS_EXCEPTION(ConversionError, BahtText(amount));
}

QTEST_APPLESS_MAIN(TestBahtText)
#include "test_bahttext.moc"
