// Line amounts, visit totals in both tax modes, the doctor's fee and the
// billing key.

#include "visit/visitrules.h"

#include <QtTest>

Q_DECLARE_METATYPE(TaxMode)

class TestVisitRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lineAmount_data();
    void lineAmount();
    void totals_data();
    void totals();
    void doctorFeeAndBillingKey();
    void quietDates_data();
    void quietDates();
};

void TestVisitRules::quietDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("a day") << "07/03/2550" << QDate(2007, 3, 7);
    QTest::newRow("leap day") << "29/02/2551" << QDate(2008, 2, 29);
    QTest::newRow("no such day") << "31/02/2549" << QDate();
    QTest::newRow("day 00") << "00/02/2549" << QDate();
    QTest::newRow("empty date") << "  /  /    " << QDate();
    QTest::newRow("letters") << "ab/cd/2550" << QDate();
}

void TestVisitRules::quietDates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(ReadDateQuietly(text), date);
}

void TestVisitRules::lineAmount_data()
{
    QTest::addColumn<TaxMode>("mode");
    QTest::addColumn<double>("qty");
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("disc");
    QTest::addColumn<double>("rate");
    QTest::addColumn<double>("sum");
    QTest::addColumn<double>("tax");
    QTest::addColumn<double>("total");
    QTest::newRow("lump sum, 10 % off") << TaxMode::LumpSum << 2.0 << 150.0 << 10.0 << 7.0 << 270.0 << 0.0 << 270.0;
    QTest::newRow("VAT, 10 % off") << TaxMode::Vat << 2.0 << 150.0 << 10.0 << 7.0 << 270.0 << 18.9 << 288.9;
    QTest::newRow("no discount") << TaxMode::Vat << 3.0 << 0.1 << 0.0 << 7.0 << 0.3 << 0.021 << 0.321;
    QTest::newRow("item without tax") << TaxMode::Vat << 1.0 << 200.0 << 0.0 << 0.0 << 200.0 << 0.0 << 200.0;
}

void TestVisitRules::lineAmount()
{
    QFETCH(TaxMode, mode);
    QFETCH(double, qty);
    QFETCH(double, price);
    QFETCH(double, disc);
    QFETCH(double, rate);
    QFETCH(double, sum);
    QFETCH(double, tax);
    QFETCH(double, total);
    const LineAmount a = LineAmountFor(qty, price, disc, rate, mode);
    QCOMPARE(a.sum, sum);
    QCOMPARE(a.tax, tax);
    QCOMPARE(a.total, total);
}

void TestVisitRules::totals_data()
{
    QTest::addColumn<TaxMode>("mode");
    QTest::addColumn<double>("discount");
    QTest::addColumn<QString>("expected"); // sum tax total rate, from lines then from stored amounts
    QTest::newRow("lump sum with overall discount") << TaxMode::LumpSum << 20.0 << "270 0 250 0 | 270 0 250 0";
    QTest::newRow("VAT ignores the discount") << TaxMode::Vat << 20.0 << "270 18.9 288.9 7 | 270 18.9 288.9 7";
}

void TestVisitRules::totals()
{
    QFETCH(TaxMode, mode);
    QFETCH(double, discount);
    QFETCH(QString, expected);
    const QList<VisitLine> lines = {{2, 150, 10, 7, 270}};
    auto text = [](const VisitTotals& t) {
        return QStringLiteral("%1 %2 %3 %4").arg(t.sum).arg(t.tax).arg(t.total).arg(t.taxRate);
    };
    QCOMPARE(text(TotalsFromLines(lines, mode, discount)) + QStringLiteral(" | ") +
                 text(TotalsFromStoredAmounts(lines, mode, discount)),
             expected);
    // No lines: everything 0.
    QCOMPARE(text(TotalsFromLines({}, mode, discount)), QStringLiteral("0 0 0 0"));
}

void TestVisitRules::doctorFeeAndBillingKey()
{
    QCOMPARE(DoctorFee(30, 1000, 100), 270.0);
    QCOMPARE(DoctorFee(0, 1000, 100), 0.0);
    QCOMPARE(BillingKey(QStringLiteral("07/03/2550"), QStringLiteral("SV012000001"), QStringLiteral("000372")),
             QStringLiteral("50032000372"));
    // Money added as fixed-point amounts: a hundred lines of 0.1 make 10.
    QList<VisitLine> many(100, VisitLine{1, 0.1, 0, 0, 0.1});
    QCOMPARE(TotalsFromStoredAmounts(many, TaxMode::LumpSum, 0).sum, 10.0);
    QCOMPARE(TotalsFromLines(many, TaxMode::LumpSum, 0).total, 10.0);
}

QTEST_APPLESS_MAIN(TestVisitRules)
#include "test_visitrules.moc"
