// The database a new data folder gets: every declared table and column,
// the keys, the indexes the lookups and period filters rely on, and the
// single rows of the settings tables.

#include "data/connection.h"
#include "data/database.h"
#include "data/schema.h"
#include "support/fixture.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QtTest>

namespace {

QStringList columnsOf(const Connection& c, const QString& table)
{
    QStringList out;
    QSqlQuery q(c.db());
    q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    while (q.next()) out << q.value(1).toString();
    return out;
}

QString queryPlan(const Connection& c, const QString& sql)
{
    // The plan does not depend on the values of the parameters.
    QString literal = sql;
    literal.replace(QRegularExpression(QStringLiteral(":\\w+")), QStringLiteral("'1'"));
    QSqlQuery q(c.db());
    if (!q.exec(QStringLiteral("EXPLAIN QUERY PLAN ") + literal)) return q.lastError().text();
    QStringList steps;
    while (q.next()) steps << q.value(3).toString();
    return steps.join(QStringLiteral(" | "));
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyDeclaredColumnIsCreated();
    void namesAsWritten_data();
    void namesAsWritten();
    void startingRowsOnceOnly();
    void keysAreUnique_data();
    void keysAreUnique();
    void autoKeysCountUp();
    void periodFilterAndStockSumUseIndexes_data();
    void periodFilterAndStockSumUseIndexes();
    void emptyDateSortsFirst();
    void olderFileGetsMissingColumns();
    void workingTableStaysOutOfTheFile();
};

void TestSchema::everyDeclaredColumnIsCreated()
{
    DataFolderFixture f;
    for (const TableDef& t : Tables()) {
        if (t.memory) continue;
        QStringList declared;
        for (const ColumnDef& c : t.columns) declared << c.name;
        QCOMPARE(columnsOf(f.db(), t.name), declared);
    }
}

// Misspellings, reserved words, expanded column ranges and shared layouts
// are kept exactly as the stored files and their readers name them.
void TestSchema::namesAsWritten_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("width"); // -1: not a text column
    QTest::newRow("visit receive no") << "service" << "RECIEVE_NO" << 4;
    QTest::newRow("category") << "sevrsys" << "CATAGORY" << 1;
    QTest::newRow("heading is wide enough for its field") << "sevrsys" << "LINE2" << 50;
    QTest::newRow("group column") << "service1" << "GROUP" << 5;
    QTest::newRow("set line group") << "suit1" << "GROUP" << 5;
    QTest::newRow("last unused level column") << "market" << "AC30" << -1;
    QTest::newRow("eighth price multiplier") << "scale" << "SCALE8" << -1;
    QTest::newRow("ninth prefix") << "quorvexsys" << "PREFIX9" << 4;
    QTest::newRow("fourth footer") << "quorvexsys" << "FOOT4" << 80;
    QTest::newRow("rent skin") << "quorvexsys" << "SKIN_RENT" << 1;
    QTest::newRow("goods received posting") << "order1" << "STK_POST" << -1;
    QTest::newRow("quotation header time") << "quotation" << "INV_TIME" << 11;
    QTest::newRow("purchase order bill") << "tmpord" << "P_BILL" << 11;
    QTest::newRow("quotation visit line") << "quo_serv1" << "STK_POST" << -1;
    QTest::newRow("quotation visit branch") << "quo_serv" << "OF_NO" << 2;
    QTest::newRow("unused number column") << "que" << "SERV_ORD_V" << 11;
    QTest::newRow("drug allergies") << "customer" << "CUST_HPS" << 100;
    QTest::newRow("laboratory result") << "lap" << "LAP_REM" << -1;
    QTest::newRow("supplier group") << "supply" << "CUST_GROUP" << 1;
}

void TestSchema::namesAsWritten()
{
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(int, width);
    DataFolderFixture f;
    QVERIFY2(columnsOf(f.db(), table).contains(column), qPrintable(table + QLatin1Char('.') + column));
    if (width >= 0) QCOMPARE(ColumnWidth(table, column), width);
}

void TestSchema::startingRowsOnceOnly()
{
    DataFolderFixture f;
    QString error;
    QVERIFY2(CreateOrUpgradeDatabase(f.db(), &error), qPrintable(error)); // a second start
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from quorvexsys")).toInt(), 1);
    QCOMPARE(scalar(f.db(), QStringLiteral("select OF_NO from quorvexsys")).toString(), QStringLiteral("0"));
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from sevrsys")).toInt(), 1);
    QCOMPARE(scalar(f.db(), QStringLiteral("select COM_PORT from sevrsys")).toString(), QStringLiteral("0"));
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from que where QUE_NO = '0'")).toInt(), 1);
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from scale")).toInt(), 1);
    QVERIFY(HasNoUsers(f.db()));
    // The prefixes of goods received agree in both settings tables.
    QCOMPARE(scalar(f.db(), QStringLiteral("select PREFIX3 || PREFIX4 from sevrsys")).toString(),
             scalar(f.db(), QStringLiteral("select PREFIX3 || PREFIX4 from quorvexsys")).toString());
}

void TestSchema::keysAreUnique_data()
{
    QTest::addColumn<QString>("insert");
    QTest::newRow("visit number") << "insert into service (SERV_NO) values ('SV011000001')";
    QTest::newRow("goods received number") << "insert into order0 (INV_NO) values ('RC013000001')";
    QTest::newRow("customer number") << "insert into customer (CUST_NO) values ('C001')";
    QTest::newRow("item code") << "insert into product (PRO_NO) values ('P001')";
    QTest::newRow("laboratory row of a visit") << "insert into lap (SERV_NO) values ('SV011000001')";
    QTest::newRow("login name, any letter case") << "insert into market (USRNAME) values ('Admin')";
}

void TestSchema::keysAreUnique()
{
    QFETCH(QString, insert);
    DataFolderFixture f;
    QVERIFY(execSql(f.db(), insert));
    QString second = insert;
    second.replace(QStringLiteral("'Admin'"), QStringLiteral("'ADMIN'"));
    QVERIFY(!execSql(f.db(), second));
}

void TestSchema::autoKeysCountUp()
{
    DataFolderFixture f;
    for (int i = 0; i < 3; ++i)
        FIXTURE_SQL(f, "insert into service1 (SERV_NO, SPR_NO, QTY) values ('SV011000001', :p, 1)", {"p", QString::number(i)});
    QSqlQuery q(f.db().db());
    q.exec(QStringLiteral("select AUTO from service1 order by AUTO"));
    QList<int> keys;
    while (q.next()) keys << q.value(0).toInt();
    QCOMPARE(keys, (QList<int>{1, 2, 3}));
    FIXTURE_SQL(f, "delete from service1 where auto = :pauto", {"pauto", 2});
    QCOMPARE(scalar(f.db(), QStringLiteral("select group_concat(SPR_NO) from service1")).toString(), QStringLiteral("0,2"));
    FIXTURE_SQL(f, "insert into service1 (SERV_NO) values ('SV011000002')");
    QCOMPARE(scalar(f.db(), QStringLiteral("select max(AUTO) from service1")).toInt(), 4); // never reused
}

void TestSchema::periodFilterAndStockSumUseIndexes_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("index");
    QTest::newRow("visits of a period")
        << QStringLiteral("select serv_no from service where %1 between :mBegin and :mEnd").arg(DateKeySql(QStringLiteral("serv_date")))
        << "dx_service_serv_date";
    QTest::newRow("goods received of a period")
        << QStringLiteral("select inv_no from order0 where %1 between :mBegin and :mEnd").arg(DateKeySql(QStringLiteral("INV_DATE")))
        << "dx_order0_inv_date";
    QTest::newRow("dispensed quantity of an item")
        << "select sum(qty) from service1 where spr_no = :pno and stk_post = 1" << "COVERING INDEX ix_service1_spr_no_stk_post_qty";
    QTest::newRow("received quantity of an item")
        << "select sum(pro_qty) from order1 where pro_no = :pno and stk_post = 2" << "COVERING INDEX ix_order1_pro_no_stk_post_pro_qty";
    QTest::newRow("lines of a visit") << "select * from service1 where serv_no = :pserv_no" << "ix_service1_serv_no";
    QTest::newRow("patient by card") << "select * from customer where cust_card = :p" << "ix_customer_cust_card";
}

void TestSchema::periodFilterAndStockSumUseIndexes()
{
    QFETCH(QString, sql);
    QFETCH(QString, index);
    DataFolderFixture f;
    const QString plan = queryPlan(f.db(), sql);
    QVERIFY2(plan.contains(index), qPrintable(plan));
}

void TestSchema::emptyDateSortsFirst()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into service (SERV_NO, SERV_DATE) values ('A', '05/01/2550'), ('B', '  /  /    '), ('C', '31/12/2549')");
    QSqlQuery q(f.db().db());
    q.exec(QStringLiteral("select SERV_NO from service order by %1").arg(DateKeySql(QStringLiteral("SERV_DATE"))));
    QStringList order;
    while (q.next()) order << q.value(0).toString();
    QCOMPARE(order, (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")}));
}

void TestSchema::olderFileGetsMissingColumns()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("dat_clinic.abs"));
    {
        Connection c(file);
        QVERIFY(execSql(c, QStringLiteral("create table customer (CUST_NO varchar(10), CUST_NAME varchar(100))")));
        QVERIFY(execSql(c, QStringLiteral("insert into customer values ('C001', 'สมชาย')")));
    }
    QString error;
    QVERIFY2(CreateOrUpgradeDatabase(file, &error), qPrintable(error));
    Connection c(file);
    QVERIFY(columnsOf(c, QStringLiteral("customer")).contains(QStringLiteral("CUST_HPS")));
    QCOMPARE(scalar(c, QStringLiteral("select CUST_NAME || '|' || CUST_HPS from customer")).toString(), QStringLiteral("สมชาย|"));
}

void TestSchema::workingTableStaysOutOfTheFile()
{
    DataFolderFixture f;
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from sqlite_master where name = 'stock'")).toInt(), 0);
    QVERIFY(execSql(f.db(), CreateMemoryTableSql(*FindTable(QStringLiteral("stock")))));
    QVERIFY(execSql(f.db(), QStringLiteral("insert into stock (Inv_no, Pro_Qty) values ('X', 1)")));
    Connection other(f.databaseFile());
    QVERIFY(!execSql(other, QStringLiteral("select * from stock")));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "test_schema.moc"
