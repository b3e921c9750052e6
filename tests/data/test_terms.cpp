#include "data/conversion.h"
#include "data/terms.h"
#include "platform/ui/messageservice.h"

#include <QtTest>

namespace {
const QString kWrong = QStringLiteral("ข้ อ ม ู ล วัน เดือน ปี ผิด ต้องตรวจสอบทันที");
} // namespace

class TestTerms : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void creditTerms();
    void dueDate_data();
    void dueDate();
    void dueDateNotANumber_data();
    void dueDateNotANumber();
    void warrantyEndDate_data();
    void warrantyEndDate();
    void warrantyNotANumber_data();
    void warrantyNotANumber();
};

void TestTerms::creditTerms()
{
    const QStringList expected{"สด", "3 ว.", "7 ว.", "15 ว.", "30 ว.", "45 ว.", "60 ว.", "90 ว.",
                               "120 ว.", "0 ด.", "1 ด.", "2 ด.", "3 ด.", "4 ด.", "5 ด.", "6 ด."};
    QCOMPARE(CreditTerms(), expected);
}

void TestTerms::dueDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("30 days over February") << "31/01/2550" << "30 ว." << "02/03/2550" << QStringList();
    QTest::newRow("3 days into a leap day") << "27/02/2551" << "3 ว." << "01/03/2551" << QStringList();
    QTest::newRow("3 days over the new year") << "30/12/2550" << "3 ว." << "02/01/2551" << QStringList();
    QTest::newRow("120 days") << "01/01/2550" << "120 ว." << "01/05/2550" << QStringList();
    QTest::newRow("end of own month") << "31/01/2550" << "0 ด." << "31/01/2550" << QStringList();
    QTest::newRow("0 months mid-month") << "15/04/2550" << "0 ด." << "30/04/2550" << QStringList();
    QTest::newRow("6 months") << "31/01/2550" << "6 ด." << "31/07/2550" << QStringList();
    QTest::newRow("1 month to February") << "15/01/2550" << "1 ด." << "28/02/2550" << QStringList();
    QTest::newRow("3 months into a leap February") << "10/11/2550" << "3 ด." << "29/02/2551" << QStringList();
    QTest::newRow("1 month over the new year") << "15/12/2550" << "1 ด." << "31/01/2551" << QStringList();
    QTest::newRow("cash") << "15/01/2550" << "สด" << "15/01/2550" << QStringList();
    QTest::newRow("term not in the list") << "15/01/2550" << "9 ว." << "15/01/2550" << QStringList();
    QTest::newRow("no term") << "15/01/2550" << "" << "15/01/2550" << QStringList();
    QTest::newRow("no date") << "" << "30 ว." << "" << QStringList();
    QTest::newRow("no calendar date, days") << "31/02/2550" << "30 ว." << "  /  /    " << QStringList{kWrong};
    QTest::newRow("no calendar date, months") << "15/13/2550" << "1 ด." << "  /  /    " << QStringList{kWrong};
}

void TestTerms::dueDate()
{
    QFETCH(QString, date);
    QFETCH(QString, term);
    QFETCH(QString, expected);
    QFETCH(QStringList, shown);
    ScriptedMessageService messages;
    QCOMPARE(DueDate(date, term), expected);
    QCOMPARE(messages.texts(), shown);
}

void TestTerms::dueDateNotANumber_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("term");

    QTest::newRow("empty date, cash") << "  /  /    " << "สด";
    QTest::newRow("empty date, days") << "  /  /    " << "30 ว.";
    QTest::newRow("letters in the day") << "ab/01/2550" << "1 ด.";
    QTest::newRow("letters in the year") << "01/01/25xx" << "สด";
}

void TestTerms::dueDateNotANumber()
{
    QFETCH(QString, date);
    QFETCH(QString, term);
    QVERIFY_THROWS_EXCEPTION(ConversionError, DueDate(date, term));
}

void TestTerms::warrantyEndDate_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("expected");

    // The start day counts as the first day.
    QTest::newRow("3 days") << "05/03/2550" << "3 ว." << "07/03/2550";
    QTest::newRow("7 days over the new year") << "31/12/2550" << "7 ว." << "06/01/2551";
    QTest::newRow("180 days") << "01/01/2550" << "180 ว." << "29/06/2550";

    QTest::newRow("1 month, day 10") << "10/01/2550" << "1 ด." << "09/02/2550";
    QTest::newRow("1 month, day 2") << "02/01/2550" << "1 ด." << "01/02/2550";
    QTest::newRow("1 month, day 27") << "27/01/2550" << "1 ด." << "26/02/2550";
    QTest::newRow("3 months over the new year") << "15/11/2550" << "3 ด." << "14/02/2551";
    QTest::newRow("day 1 ends the month before") << "01/03/2550" << "1 ด." << "31/03/2550";
    QTest::newRow("day 1 in January") << "01/01/2550" << "1 ด." << "31/01/2550";
    QTest::newRow("day 1 into a leap February") << "01/01/2551" << "2 ด." << "29/02/2551";
    // The month before January is December of the year before.
    QTest::newRow("day 1 back across January") << "01/12/2550" << "1 ด." << "31/12/2550";
    QTest::newRow("day 28 gives the month end") << "28/03/2550" << "1 ด." << "30/04/2550";
    QTest::newRow("day 28 into February") << "28/01/2550" << "1 ด." << "28/02/2550";
    QTest::newRow("day 28 into a leap February") << "28/01/2551" << "1 ด." << "29/02/2551";
    QTest::newRow("day 29 into a leap February") << "29/01/2551" << "1 ด." << "29/02/2551";
    QTest::newRow("day 31 cut to February") << "31/01/2550" << "1 ด." << "28/02/2550";
    QTest::newRow("day 31 cut to June") << "31/05/2550" << "1 ด." << "30/06/2550";
    QTest::newRow("day 30 stays") << "30/03/2550" << "1 ด." << "30/04/2550";
    QTest::newRow("day 31 stays") << "31/03/2550" << "2 ด." << "31/05/2550";

    QTest::newRow("1 year") << "05/03/2550" << "1 ป." << "05/03/2551";
    QTest::newRow("1 January, 1 year") << "01/01/2550" << "1 ป." << "31/12/2550";
    QTest::newRow("1 January, 3 years") << "01/01/2550" << "3 ป." << "31/12/2552";
    QTest::newRow("leap day to a common year") << "29/02/2551" << "1 ป." << "28/02/2552";

    QTest::newRow("no term") << "05/03/2550" << "" << "05/03/2550";
    QTest::newRow("term not in the list") << "05/03/2550" << "9 ด." << "05/03/2550";
    QTest::newRow("no date") << "" << "1 ด." << "";
}

void TestTerms::warrantyEndDate()
{
    QFETCH(QString, date);
    QFETCH(QString, term);
    QFETCH(QString, expected);
    ScriptedMessageService messages;
    QCOMPARE(WarrantyEndDate(date, term), expected);
    QVERIFY(messages.entries.isEmpty());
}

void TestTerms::warrantyNotANumber_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("term");

    QTest::newRow("empty date, months") << "  /  /    " << "1 ด.";
    QTest::newRow("letters in the month, days") << "01/ab/2550" << "3 ว.";
}

void TestTerms::warrantyNotANumber()
{
    QFETCH(QString, date);
    QFETCH(QString, term);
    QVERIFY_THROWS_EXCEPTION(ConversionError, WarrantyEndDate(date, term));
}

QTEST_APPLESS_MAIN(TestTerms)
#include "test_terms.moc"
