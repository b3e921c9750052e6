#include "data/conversion.h"
#include "data/thaidate.h"
#include "platform/ui/messageservice.h"

#include <QtTest>

namespace {
const QString kIncomplete = QStringLiteral("ข้อมูล วัน เดือน ปี  ไม่ครบ");
const QString kWrong = QStringLiteral("ข้ อ ม ู ล วัน เดือน ปี ผิด ต้องตรวจสอบทันที");
} // namespace

class TestDates : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dateToText_data();
    void dateToText();
    void textToDate_data();
    void textToDate();
    void isDateText_data();
    void isDateText();
    void isDateTextNotDigits_data();
    void isDateTextNotDigits();
    void monthStartEnd_data();
    void monthStartEnd();
    void ages_data();
    void ages();
    void dateKeyOrder_data();
    void dateKeyOrder();
};

void TestDates::dateToText_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    QTest::newRow("7 March 2007") << QDate(2007, 3, 7) << "07/03/2550";
    QTest::newRow("end of year") << QDate(2000, 12, 31) << "31/12/2543";
    QTest::newRow("zero date") << ZeroDate() << "  /  /    ";
    QTest::newRow("no date") << QDate() << "  /  /    ";
}

void TestDates::dateToText()
{
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(DateToText(date), expected);
}

void TestDates::textToDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("date") << "07/03/2550" << QDate(2007, 3, 7) << QStringList();
    QTest::newRow("blanks around") << " 07/03/2550 " << QDate(2007, 3, 7) << QStringList();
    QTest::newRow("leap day") << "29/02/2551" << QDate(2008, 2, 29) << QStringList();
    QTest::newRow("8 characters") << "7/3/2550" << ZeroDate() << QStringList{kIncomplete};
    QTest::newRow("empty date") << "  /  /    " << ZeroDate() << QStringList{kIncomplete};
    QTest::newRow("31 February") << "31/02/2550" << ZeroDate() << QStringList{kWrong};
    QTest::newRow("29 February, no leap year") << "29/02/2550" << ZeroDate() << QStringList{kWrong};
    QTest::newRow("day 00") << "00/03/2550" << ZeroDate() << QStringList{kWrong};
    QTest::newRow("letters") << "ab/03/2550" << ZeroDate() << QStringList{kWrong};
    QTest::newRow("other separators") << "07-03-2550" << ZeroDate() << QStringList{kWrong};
    // 1900 has no 29 February in the Gregorian calendar a QDate follows.
    QTest::newRow("29 February 2443") << "29/02/2443" << ZeroDate() << QStringList{kWrong};
}

void TestDates::textToDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QFETCH(QStringList, shown);
    ScriptedMessageService messages;
    QCOMPARE(TextToDate(text), expected);
    QCOMPARE(messages.texts(ScriptedMessageService::Entry::Information), shown);
    QCOMPARE(messages.entries.size(), shown.size());
}

void TestDates::isDateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("leap year 2551") << "29/02/2551" << true;
    QTest::newRow("no leap year 2550") << "29/02/2550" << false;
    QTest::newRow("28 February") << "28/02/2550" << true;
    // The Buddhist-era rule has no century exception (1900 and 2100).
    QTest::newRow("2443 is leap") << "29/02/2443" << true;
    QTest::newRow("2643 is leap") << "29/02/2643" << true;
    QTest::newRow("30 April") << "30/04/2550" << true;
    QTest::newRow("31 April") << "31/04/2550" << false;
    QTest::newRow("31 November") << "31/11/2550" << false;
    QTest::newRow("31 December") << "31/12/2550" << true;
    QTest::newRow("32 January") << "32/01/2550" << false;
    QTest::newRow("day 00 passes") << "00/01/2550" << true;
    QTest::newRow("month 00") << "15/00/2550" << false;
    QTest::newRow("month 13") << "15/13/2550" << false;
    QTest::newRow("separators not looked at") << "01-01-2550" << true;
    QTest::newRow("blanks around") << " 29/02/2551 " << true;
    QTest::newRow("too short") << "7/3/2550" << false;
    QTest::newRow("empty date") << "  /  /    " << false;
}

void TestDates::isDateText()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(IsDateText(text), expected);
}

void TestDates::isDateTextNotDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("day") << "ab/01/2550";
    QTest::newRow("month") << "01/xx/2550";
    QTest::newRow("year") << "01/01/25x0";
    QTest::newRow("blank month") << "01/  /2550";
}

void TestDates::isDateTextNotDigits()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(ConversionError, IsDateText(text));
}

void TestDates::monthStartEnd_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");

    QTest::newRow("January") << 1 << 2550 << "01/01/2550" << "31/01/2550";
    QTest::newRow("February, leap") << 2 << 2551 << "01/02/2551" << "29/02/2551";
    QTest::newRow("February") << 2 << 2550 << "01/02/2550" << "28/02/2550";
    QTest::newRow("February 2443, leap by the rule") << 2 << 2443 << "01/02/2443" << "29/02/2443";
    QTest::newRow("April") << 4 << 2550 << "01/04/2550" << "30/04/2550";
    QTest::newRow("September") << 9 << 2550 << "01/09/2550" << "30/09/2550";
    QTest::newRow("December") << 12 << 2550 << "01/12/2550" << "31/12/2550";
}

void TestDates::monthStartEnd()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QCOMPARE(MonthStartText(month, year), start);
    QCOMPARE(MonthEndText(month, year), end);
}

void TestDates::ages_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QString>("yearsMonths");
    QTest::addColumn<QString>("years");

    // Dates in the Gregorian calendar; the comments give them as date text.
    QTest::newRow("10/03/2550, born 15/01/2550") << QDate(2007, 3, 10) << QDate(2007, 1, 15) << "0 ป-1 ด" << "0";
    QTest::newRow("15/03/2550, born 15/01/2540") << QDate(2007, 3, 15) << QDate(1997, 1, 15) << "10 ป-2 ด" << "10";
    QTest::newRow("20/03/2550, born 05/03/2500") << QDate(2007, 3, 20) << QDate(1957, 3, 5) << "50 ป-0 ด" << "50";
    QTest::newRow("day before the birthday") << QDate(2007, 3, 4) << QDate(1957, 3, 5) << "49 ป-11 ด" << "49";
    QTest::newRow("on the birthday") << QDate(2007, 3, 5) << QDate(1957, 3, 5) << "50 ป-0 ด" << "50";
    QTest::newRow("month before the birthday") << QDate(2007, 2, 20) << QDate(1957, 3, 5) << "49 ป-11 ด" << "49";
    QTest::newRow("short month after a 31st") << QDate(2007, 2, 28) << QDate(2007, 1, 31) << "0 ป-0 ด" << "0";
    QTest::newRow("born today") << QDate(2007, 3, 5) << QDate(2007, 3, 5) << "0 ป-0 ด" << "0";
    QTest::newRow("birth after today") << QDate(2007, 3, 5) << QDate(2008, 1, 1) << "0 ป-0 ด" << "0";
}

void TestDates::ages()
{
    QFETCH(QDate, today);
    QFETCH(QDate, birth);
    QFETCH(QString, yearsMonths);
    QFETCH(QString, years);
    QCOMPARE(AgeYearsMonths(today, birth), yearsMonths);
    QCOMPARE(AgeYears(today, birth), years);
}

void TestDates::dateKeyOrder_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("later");

    // The key orders dates in time, which the date text itself does not.
    QTest::newRow("25/12/2545") << "25/12/2545" << "25451225" << "01/01/2546";
    QTest::newRow("31/01/2550") << "31/01/2550" << "25500131" << "01/02/2550";
    QTest::newRow("31/12/2549") << "31/12/2549" << "25491231" << "01/01/2550";
}

void TestDates::dateKeyOrder()
{
    QFETCH(QString, date);
    QFETCH(QString, key);
    QFETCH(QString, later);
    QCOMPARE(DateKey(date), key);
    QVERIFY(DateKey(date) < DateKey(later));
}

QTEST_APPLESS_MAIN(TestDates)
#include "test_dates.moc"
