// Stock of an item computed from its base quantity and the lines that move
// stock: the full stock on hand and its two narrower measures, for one item
// and for all items at once.

#include "data/stock.h"
#include "demogen/demodata.h"
#include "support/fixture.h"

#include <QElapsedTimer>
#include <QSqlRecord>
#include <QtTest>

#include <algorithm>
#include <limits>

Q_DECLARE_METATYPE(StockMeasure)

namespace {

// A movement line "table stk_post qty [code]"; the code is "A1" when left out.
bool insertLine(const Connection& c, const QString& line, QString* error)
{
    const QStringList p = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString table = p.value(0);
    const QString code = p.value(3, QStringLiteral("A1"));
    const bool visit = table == QLatin1String("service1") || table == QLatin1String("quo_serv1");
    const QString sql = visit ? QStringLiteral("insert into %1 (serv_no, spr_no, qty, stk_post) values ('V1', :code, :qty, :post)")
                              : QStringLiteral("insert into %1 (inv_no, pro_no, pro_qty, stk_post) values ('D1', :code, :qty, :post)");
    return execSql(c, sql.arg(table), {{"code", code}, {"qty", p.value(2).toDouble()}, {"post", p.value(1).toDouble()}},
                   error);
}

// Fills many lines of other items quickly, and a few of item "A1".
bool fillManyLines(const Connection& c, int perTable, QString* error)
{
    WriteTransaction tx(c);
    for (const char* table : {"service1", "order1", "invoice1"}) {
        const bool visit = QLatin1String(table) == QLatin1String("service1");
        QSqlQuery q = c.query(visit ? QStringLiteral("insert into service1 (serv_no, spr_no, qty, stk_post) values ('V', :code, 1, 1)")
                                    : QStringLiteral("insert into %1 (inv_no, pro_no, pro_qty, stk_post) values ('D', :code, 1, :post)")
                                          .arg(QLatin1String(table)));
        for (int i = 0; i < perTable; ++i) {
            const QString code = i % 1000 == 0 ? QStringLiteral("A1") : QStringLiteral("B%1").arg(i % 4999);
            q.bindValue(QStringLiteral(":code"), code);
            if (!visit) q.bindValue(QStringLiteral(":post"), QLatin1String(table) == QLatin1String("order1") ? 2.0 : 1.0);
            if (!q.exec()) {
                *error = QStringLiteral("insert failed");
                return false;
            }
        }
    }
    return tx.commit();
}

} // namespace

class TestStock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void measuresOfOneItem_data();
    void measuresOfOneItem();
    void rule_data();
    void rule();
    void letterCaseOfCodes();
    void tableAgreesWithEachItem_data();
    void tableAgreesWithEachItem();
    void unreadableDatabaseIsTold();
    void generalNumberForm_data();
    void generalNumberForm();
    void oneItemAmongManyLinesIsQuick();
};

void TestStock::measuresOfOneItem_data()
{
    QTest::addColumn<QVariant>("base"); // PRO_TOTAL of item A1; invalid: no product row
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<double>("onHand");
    QTest::addColumn<double>("withoutSales");
    QTest::addColumn<double>("receivedLessDispensed");

    const QVariant empty = QVariant(QMetaType::fromType<double>()); // a null PRO_TOTAL
    QTest::newRow("no lines, empty base") << empty << QStringList() << 0.0 << 0.0 << 0.0;
    QTest::newRow("only unposted receipts, empty base")
        << empty << QStringList{"order1 0 10", "order1 0 4"} << 0.0 << 0.0 << 0.0;
    QTest::newRow("only unposted receipts, base 7") << QVariant(7.0) << QStringList{"order1 0 10"} << 7.0 << 7.0 << 0.0;
    QTest::newRow("received 10, sold 3, dispensed 2, empty base")
        << empty << QStringList{"order1 2 10", "invoice1 1 3", "service1 1 2"} << 5.0 << 8.0 << 8.0;
    QTest::newRow("opening 10, received 5, sold 3, dispensed 4")
        << QVariant(10.0) << QStringList{"order1 2 5", "invoice1 1 3", "service1 1 4"} << 8.0 << 11.0 << 1.0;
    QTest::newRow("several lines of each table")
        << QVariant(1.0)
        << QStringList{"order1 2 5", "order1 2 6", "invoice1 1 1", "invoice1 1 2", "service1 1 3", "service1 1 0.5"}
        << 5.5 << 8.5 << 7.5;
    QTest::newRow("tmpord1 and quotation1 never count")
        << QVariant(4.0)
        << QStringList{"tmpord1 2 10", "tmpord1 1 3", "quotation1 2 10", "quotation1 1 3", "quo_serv1 1 2"}
        << 4.0 << 4.0 << 0.0;
    QTest::newRow("only the posting of each table counts")
        << QVariant(2.0)
        << QStringList{"order1 1 10", "order1 0 10", "invoice1 2 3", "invoice1 0 3", "service1 2 4", "service1 0 4"}
        << 2.0 << 2.0 << 0.0;
    QTest::newRow("lines of other items") << QVariant(3.0)
                                         << QStringList{"order1 2 10 A2", "invoice1 1 3 A11", "service1 1 2 A"}
                                         << 3.0 << 3.0 << 0.0;
    QTest::newRow("sales used it up") << QVariant(0.0) << QStringList{"order1 2 10", "invoice1 1 10", "service1 1 4"}
                                      << -4.0 << 6.0 << 6.0;
    QTest::newRow("base only, dispensed one") << QVariant(5.0) << QStringList{"service1 1 1"} << 4.0 << 4.0 << -1.0;
    QTest::newRow("fractions add up exactly")
        << QVariant(0.0) << QStringList{"order1 2 0.1", "order1 2 0.1", "order1 2 0.1", "service1 1 0.3"}
        << 0.0 << 0.0 << 0.0;
    QTest::newRow("item not in the registry") << QVariant() << QStringList{"order1 2 6", "service1 1 2"} << 4.0 << 4.0
                                              << 4.0;
}

void TestStock::measuresOfOneItem()
{
    QFETCH(QVariant, base);
    QFETCH(QStringList, lines);
    QFETCH(double, onHand);
    QFETCH(double, withoutSales);
    QFETCH(double, receivedLessDispensed);
    DataFolderFixture f;
    if (base.isValid()) FIXTURE_SQL(f, "insert into product (pro_no, pro_total) values ('A1', :t)", {"t", base});
    for (const QString& line : lines) {
        QString error;
        QVERIFY2(insertLine(f.db(), line, &error), qPrintable(error));
    }

    bool ok = false;
    QCOMPARE(StockOnHand(f.db(), QStringLiteral("A1"), &ok), onHand);
    QVERIFY(ok);
    QCOMPARE(StockWithoutSales(f.db(), QStringLiteral("A1")), withoutSales);
    QCOMPARE(StockReceivedLessDispensed(f.db(), QStringLiteral("A1")), receivedLessDispensed);

    // All items at once give the same, with the base of the listed row.
    const QVariant listedBase = base.isValid() ? base : QVariant();
    QCOMPARE(StockTable::read(f.db(), StockMeasure::OnHand).stock(QStringLiteral("A1"), listedBase), onHand);
    QCOMPARE(StockTable::read(f.db(), StockMeasure::WithoutSales).stock(QStringLiteral("A1"), listedBase), withoutSales);
    QCOMPARE(StockTable::read(f.db(), StockMeasure::ReceivedLessDispensed).stock(QStringLiteral("A1"), listedBase),
             receivedLessDispensed);
}

void TestStock::rule_data()
{
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("received");
    QTest::addColumn<double>("sold");
    QTest::addColumn<double>("dispensed");
    QTest::addColumn<StockMeasure>("measure");
    QTest::addColumn<double>("stock");
    QTest::newRow("on hand") << 10.0 << 5.0 << 3.0 << 4.0 << StockMeasure::OnHand << 8.0;
    QTest::newRow("without sales") << 10.0 << 5.0 << 3.0 << 4.0 << StockMeasure::WithoutSales << 11.0;
    QTest::newRow("received less dispensed") << 10.0 << 5.0 << 3.0 << 4.0 << StockMeasure::ReceivedLessDispensed << 1.0;
    QTest::newRow("a tiny float remainder is zero") << 0.0 << 0.3 << 0.1 << 0.2 << StockMeasure::OnHand << 0.0;
    QTest::newRow("negative") << 0.0 << 0.0 << 1.5 << 1.0 << StockMeasure::OnHand << -2.5;
}

void TestStock::rule()
{
    QFETCH(double, base);
    QFETCH(double, received);
    QFETCH(double, sold);
    QFETCH(double, dispensed);
    QFETCH(StockMeasure, measure);
    QFETCH(double, stock);
    QCOMPARE(Stock({base, received, sold, dispensed}, measure), stock);
}

// One item is looked up by its code as stored; lists of all items match
// their codes ignoring letter case.
void TestStock::letterCaseOfCodes()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into product (pro_no, pro_total, pro_rorder) values ('abc', 5, 5)");
    FIXTURE_SQL(f, "insert into service1 (serv_no, spr_no, qty, stk_post) values ('V1', 'ABC', 1, 1), ('V2', 'Abc', 2, 1)");
    FIXTURE_SQL(f, "insert into order1 (inv_no, pro_no, pro_qty, stk_post) values ('D1', 'abc', 10, 2)");
    QCOMPARE(StockWithoutSales(f.db(), QStringLiteral("abc")), 15.0);
    QCOMPARE(StockWithoutSales(f.db(), QStringLiteral("ABC")), -1.0);
    const StockTable t = StockTable::read(f.db(), StockMeasure::WithoutSales);
    QCOMPARE(t.stock(QStringLiteral("abc"), 5.0), 12.0);
    QCOMPARE(t.stock(QStringLiteral("aBC"), 5.0), 12.0);
    QCOMPARE(t.stock(QStringLiteral("nothing"), QString()), 0.0);
}

void TestStock::tableAgreesWithEachItem_data()
{
    QTest::addColumn<StockMeasure>("measure");
    QTest::newRow("on hand") << StockMeasure::OnHand;
    QTest::newRow("without sales") << StockMeasure::WithoutSales;
    QTest::newRow("received less dispensed") << StockMeasure::ReceivedLessDispensed;
}

// Over a demo clinic (receipts, visits, items that never move, some sales
// added here) every item has the same stock whichever form reads it.
void TestStock::tableAgreesWithEachItem()
{
    QFETCH(StockMeasure, measure);
    QTemporaryDir dir;
    DemoOptions o;
    o.months = 2;
    o.visitsPerDay = 8;
    o.items = 60;
    o.patients = 40;
    QString error;
    QVERIFY2(GenerateDemoData(dir.path() + QStringLiteral("/demo"), o, &error), qPrintable(error));
    const Connection c(dir.path() + QStringLiteral("/demo/dat_clinic.abs"));
    QVERIFY(execSql(c, QStringLiteral("insert into invoice1 (inv_no, pro_no, pro_qty, stk_post)"
                                      " select 'S1', pro_no, 2, 1 from product where pro_no like '1%'"), {}, &error));

    QSqlQuery q = c.query(QStringLiteral("select pro_no, pro_total from product order by pro_no"));
    QVERIFY(exec(q));
    QList<std::pair<QString, QVariant>> items;
    while (q.next()) items.append({q.value(0).toString(), q.value(1)});
    q.finish();
    QCOMPARE(items.size(), 60);

    bool ok = false;
    const StockTable table = StockTable::read(c, measure, &ok);
    QVERIFY(ok);
    int moving = 0;
    for (const auto& [code, base] : items) {
        const double one = Stock(ReadStockMovements(c, code, measure), measure);
        QCOMPARE(table.stock(code, base), one);
        if (one != Stock({base.toDouble(), 0, 0, 0}, measure)) ++moving;
    }
    QVERIFY(moving > 20); // the comparison saw real movements
}

void TestStock::unreadableDatabaseIsTold()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into product (pro_no, pro_total) values ('A1', 3)");
    FIXTURE_SQL(f, "alter table service1 rename to service1_away");
    bool ok = true;
    QCOMPARE(StockOnHand(f.db(), QStringLiteral("A1"), &ok), 0.0);
    QVERIFY(!ok);
    const StockTable t = StockTable::read(f.db(), StockMeasure::OnHand, &ok);
    QVERIFY(!ok);
    QCOMPARE(t.stock(QStringLiteral("A1"), 3.0), 3.0);
}

void TestStock::generalNumberForm_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 12.0 << "12";
    QTest::newRow("half") << 12.5 << "12.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -3.25 << "-3.25";
    QTest::newRow("large, no grouping") << 1234567.0 << "1234567";
}

void TestStock::generalNumberForm()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(StockText(value), text);
}

// The sums are answered from the covering indexes: an item among hundreds
// of thousands of lines takes about as long as among a few. With
// VELINKA_STOCK_DATABASE naming a larger file (velinka-demo --years 3) the
// timing of that file is told as well.
void TestStock::oneItemAmongManyLinesIsQuick()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into product (pro_no, pro_total) values ('A1', 1000)");
    QString error;
    QVERIFY2(fillManyLines(f.db(), 200000, &error), qPrintable(error));
    FIXTURE_SQL(f, "analyze");

    auto fastest = [](const Connection& c, const QString& code, double* stock) {
        qint64 best = std::numeric_limits<qint64>::max();
        for (int i = 0; i < 7; ++i) {
            QElapsedTimer t;
            t.start();
            *stock = StockOnHand(c, code);
            best = std::min(best, t.nsecsElapsed());
        }
        return best / 1e6;
    };
    double stock = 0;
    const double ms = fastest(f.db(), QStringLiteral("A1"), &stock);
    QCOMPARE(stock, 1000.0 + 200 - 200 - 200);
    qInfo("stock on hand of one item among 600,000 lines: %.3f ms", ms);
    QVERIFY2(ms < 10, qPrintable(QStringLiteral("%1 ms").arg(ms)));

    const QString big = qEnvironmentVariable("VELINKA_STOCK_DATABASE");
    if (big.isEmpty()) return;
    const Connection c(big);
    QVERIFY(c.isOpen());
    const QString code = scalar(c, QStringLiteral("select spr_no from service1 where stk_post = 1 group by spr_no"
                                                  " order by count(*) desc limit 1")).toString();
    const qint64 lines = scalar(c, QStringLiteral("select (select count(*) from service1) + (select count(*) from order1)"
                                                  " + (select count(*) from invoice1)")).toLongLong();
    const double bigMs = fastest(c, code, &stock);
    QElapsedTimer t;
    t.start();
    const StockTable all = StockTable::read(c, StockMeasure::OnHand);
    const double tableMs = t.nsecsElapsed() / 1e6;
    qInfo("%s: %lld movement lines; stock on hand of %s (its most dispensed item) = %s in %.3f ms;"
          " all items at once in %.1f ms",
          qPrintable(big), lines, qPrintable(code), qPrintable(StockText(stock)), bigMs, tableMs);
    QCOMPARE(all.stock(code, scalar(c, QStringLiteral("select pro_total from product where pro_no = :c"), {{"c", code}})),
             stock);
}

QTEST_MAIN(TestStock)
#include "test_stock.moc"
