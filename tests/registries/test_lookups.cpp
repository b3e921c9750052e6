// The lookup registries as the menu opens them (the registry window's own
// tests run the drug types and diseases): where drug types and usage methods
// differ, and the supplier registry with its checks,
// defaults, changed codes, search panel, Cancel and Delete.

#include "platform/ui/messageservice.h"
#include "registries/lookups.h"
#include "support/fixture.h"
#include "support/registrydriver.h"
#include "support/widgetdriver.h"

#include <QRadioButton>
#include <QTableView>
#include <QtTest>

class TestLookups : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyTextIsRefused_data();
    void emptyTextIsRefused();
    void drugTypesAndUsageMethodsDiffer_data();
    void drugTypesAndUsageMethodsDiffer();
    void deletingAUsageMethodLeavesItemsAlone();
    void supplierSaveChecks_data();
    void supplierSaveChecks();
    void supplierAddDefaultsAndChangedCode();
    void supplierCancelDeleteAndEnter();
    void supplierSearch_data();
    void supplierSearch();
};

void TestLookups::emptyTextIsRefused_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("table");
    QTest::newRow("drug types") << 0 << "type";
    QTest::newRow("usage methods") << 1 << "how";
    QTest::newRow("diseases") << 2 << "sickness";
}

void TestLookups::emptyTextIsRefused()
{
    QFETCH(int, which);
    QFETCH(QString, table);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    const RegistryConfig configs[] = {DrugTypesRegistry(), UsageMethodsRegistry(), DiseasesRegistry()};
    auto s = openRegistry(configs[which]);
    click(s.get(), "btnAdd");
    click(s.get(), "btnSave");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ยังไม่มีข้อมูล...")});
    QCOMPARE(s->mode(), QStringLiteral("add"));
    QCOMPARE(stored(f, QStringLiteral("select count(*) from ") + table), QStringList{"0"});
}

void TestLookups::drugTypesAndUsageMethodsDiffer_data()
{
    QTest::addColumn<bool>("usage");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("enterSaves");
    QTest::addColumn<bool>("keptAfterEdit");
    QTest::addColumn<bool>("rowSelection");
    QTest::newRow("drug types") << false << "TYPE" << " ประเภท  " << true << false << false;
    QTest::newRow("usage methods") << true << "HOW_TO" << " วิธีใช้งาน" << false << true << true;
}

void TestLookups::drugTypesAndUsageMethodsDiffer()
{
    QFETCH(bool, usage);
    QFETCH(QString, column);
    QFETCH(QString, title);
    QFETCH(bool, enterSaves);
    QFETCH(bool, keptAfterEdit);
    QFETCH(bool, rowSelection);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    const QString table = usage ? QStringLiteral("how") : QStringLiteral("type");
    QVERIFY(execSql(f.db(), QStringLiteral("insert into %1 (%2) values ('ข'), ('ก')").arg(table, column)));
    auto s = openRegistry(usage ? UsageMethodsRegistry() : DrugTypesRegistry());
    QCOMPARE(s->windowTitle(), title);
    QCOMPARE(listed(*s, column), (QStringList{"ก", "ข"}));
    QCOMPARE(s->grid()->selectionBehavior() == QAbstractItemView::SelectRows, rowSelection);

    click(s.get(), "btnAdd");
    keyText(s->field(column), QStringLiteral("ค"));
    QWidget* after = pressEnter();
    QCOMPARE(after == pushButton(s.get(), "btnSave"), enterSaves);
    if (!enterSaves) QCOMPARE(after, s->field(column));
    QCOMPARE(pushButton(s.get(), "btnSave")->focusPolicy() == Qt::NoFocus, usage);
    click(s.get(), "btnSave");
    QCOMPARE(s->currentRow(), 2); // the last row

    click(s.get(), "btnFirst");
    click(s.get(), "btnEdit");
    QCOMPARE(s->value(column).toString(), QStringLiteral("ก"));
    typeInto(*s, column, QStringLiteral("กก"));
    click(s.get(), "btnSave");
    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(s->currentRow(), 0);
    QCOMPARE(s->value(column).toString(), keptAfterEdit ? QStringLiteral("กก") : QString());
    QVERIFY(fieldEdit(*s, column)->isReadOnly());
}

void TestLookups::deletingAUsageMethodLeavesItemsAlone()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into how (how_to) values ('ครั้งละ 1 เม็ด หลังอาหาร')");
    FIXTURE_SQL(f, "insert into product (pro_no, pro_name, how_to_1) values ('P1', 'พาราเซตามอล', 'ครั้งละ 1 เม็ด หลังอาหาร')");
    auto s = openRegistry(UsageMethodsRegistry());
    msgs.answer(true);
    click(s.get(), "btnDelete");
    QCOMPARE(s->rowCount(), 0);
    QCOMPARE(stored(f, "select how_to_1 from product"), QStringList{"ครั้งละ 1 เม็ด หลังอาหาร"});
}

void TestLookups::supplierSaveChecks_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("empty code") << "" << "สด" << "0" << "ไม่มีข้อมูลรหัสลูกค้า ... " << "ed_CUST_NO";
    QTest::newRow("2 เดือน") << "S01" << "2 เดือน" << "0" << "ข้อมูลเครดิตไม่ถูกต้อง" << "ed_CUST_CRE";
    QTest::newRow("2 ด.") << "S01" << "2 ด." << "0" << "" << "";
    QTest::newRow("discount empty") << "S01" << "สด" << "" << "ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ " << "";
    QTest::newRow("discount no number") << "S01" << "สด" << "ห้า" << "ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ " << "";
    QTest::newRow("code taken: the key decides") << "S00" << "สด" << "0" << "ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ " << "";
}

void TestLookups::supplierSaveChecks()
{
    QFETCH(QString, code);
    QFETCH(QString, credit);
    QFETCH(QString, discount);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name, cust_cre) values ('S00', 'เดิม', 'สด')");
    auto s = openRegistry(SuppliersRegistry());
    click(s.get(), "btnAdd");
    typeInto(*s, QStringLiteral("CUST_NO"), code);
    pressEnter(); // leaving the code checks nothing here
    typeInto(*s, QStringLiteral("CUST_NAME"), QStringLiteral("บริษัท ยาดี จำกัด"));
    typeInto(*s, QStringLiteral("CUST_CRE"), credit);
    typeInto(*s, QStringLiteral("CUST_DISC"), discount);
    click(s.get(), "btnSave");
    const QStringList rows = stored(f, "select cust_no, cust_cre, cust_disc from supply order by cust_no");
    if (message.isEmpty()) {
        QVERIFY(msgs.texts().isEmpty());
        QCOMPARE(rows, (QStringList{"S00|สด|0", "S01|2 ด.|0"}));
        QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), QStringLiteral("S01"));
        return;
    }
    QCOMPARE(msgs.texts(), QStringList{message});
    QCOMPARE(rows, QStringList{"S00|สด|0"});
    QCOMPARE(s->mode(), QStringLiteral("add"));
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QStringLiteral("บริษัท ยาดี จำกัด"));
    if (!focus.isEmpty()) QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestLookups::supplierAddDefaultsAndChangedCode()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name, cust_cre, cust_disc) values"
                   " ('S01', 'หนึ่ง', '10 วัน', 0), ('S02', 'สอง', '7 ว.', 2.5), ('S03', 'สาม', 'สด', 0)");
    auto s = openRegistry(SuppliersRegistry());
    QCOMPARE(s->windowTitle(), QStringLiteral(" ทะเบียนผู้ขาย"));
    QVERIFY(!s->grid()->isVisible());
    // A stored term off the list is shown as it is.
    QCOMPARE(s->value(QStringLiteral("CUST_CRE")).toString(), QStringLiteral("10 วัน"));
    click(s.get(), "btnAdd");
    QCOMPARE(s->value(QStringLiteral("CUST_CRE")).toString(), QStringLiteral("สด"));
    QCOMPARE(s->value(QStringLiteral("CUST_DISC")).toString(), QStringLiteral("0"));
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QString());
    QCOMPARE(QApplication::focusWidget(), s->field(QStringLiteral("CUST_NO")));
    QCOMPARE(fieldEdit(*s, QStringLiteral("CUST_NO"))->maxLength(), 5);
    QCOMPARE(fieldEdit(*s, QStringLiteral("CUST_GROUP"))->maxLength(), 1);
    click(s.get(), "btnCancel");

    s->setCurrentRow(1);
    click(s.get(), "btnEdit");
    typeInto(*s, QStringLiteral("CUST_NO"), QStringLiteral("S09"));
    click(s.get(), "btnSave");
    QCOMPARE(stored(f, "select cust_no, cust_name, cust_disc from supply order by cust_no"),
             (QStringList{"S01|หนึ่ง|0", "S03|สาม|0", "S09|สอง|2.5"}));
    QCOMPARE(s->currentRow(), 0); // the former code is gone; the re-read left the first row
}

void TestLookups::supplierCancelDeleteAndEnter()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name, cust_cre) values ('S01', 'หนึ่ง', 'สด'), ('S02', 'สอง', 'สด')");
    auto s = openRegistry(SuppliersRegistry());
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), QStringLiteral("S01"));
    click(s.get(), "btnEdit");
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 9; ++i) walked << pressEnter()->objectName();
    // Enter in the credit term does nothing.
    QCOMPARE(walked, (QStringList{"ed_CUST_NO", "ed_CUST_NAME", "ed_CUST_ADD1", "ed_CUST_ADD2", "ed_CUST_ADD4",
                                  "ed_CUST_ZIP", "ed_CUST_TEL", "ed_CUST_FAX", "ed_CUST_CRE", "ed_CUST_CRE"}));
    s->field(QStringLiteral("CUST_GROUP"))->setFocus();
    QCOMPARE(pressEnter()->objectName(), QStringLiteral("ed_CUST_DISC"));
    QCOMPARE(pressEnter()->objectName(), QStringLiteral("ed_CUST_NO"));
    QVERIFY(!pushButton(s.get(), "btnEnvelope")->isEnabled());
    QVERIFY(!pushButton(s.get(), "btnSearch")->isEnabled());
    click(s.get(), "btnCancel");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ข้อมูล ถูกยกเลิก... ")});
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), QStringLiteral("S02"));
    click(s.get(), "btnFirst");
    msgs.answer(true);
    click(s.get(), "btnDelete");
    QCOMPARE(stored(f, "select cust_no from supply"), QStringList{"S02"});
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), QStringLiteral("S02"));
}

void TestLookups::supplierSearch_data()
{
    QTest::addColumn<int>("by");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::newRow("code, letter case aside") << 0 << "ab001" << "AB001";
    QTest::newRow("name: first in code order") << 1 << "บริษัท" << "AB001";
    QTest::newRow("no match: the cursor stays") << 1 << "ห้าง" << "Z01";
}

void TestLookups::supplierSearch()
{
    QFETCH(int, by);
    QFETCH(QString, text);
    QFETCH(QString, found);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name) values ('Z01', 'บริษัท ซี จำกัด'), ('AB001', 'บริษัท เอ จำกัด'),"
                   " ('C01', 'ร้านยา')");
    auto s = openRegistry(SuppliersRegistry());
    click(s.get(), "btnLast");
    click(s.get(), "btnSearch");
    if (by == 0) child<QRadioButton>(s.get(), "rbSearch_0")->click();
    keyText(lineEdit(s.get(), "edSearch"), text);
    QTest::keyClick(lineEdit(s.get(), "edSearch"), Qt::Key_Return);
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), found);
    // A click on a row takes it and closes the panel.
    click(s.get(), "btnSearch");
    auto* grid = child<QTableView>(s.get(), "searchGrid");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(1, 0)).center());
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), QStringLiteral("C01"));
    QVERIFY(!child<QWidget>(s.get(), "searchPanel")->isVisible());
    QVERIFY(pushButton(s.get(), "btnAdd")->isEnabled());
}

QTEST_MAIN(TestLookups)
#include "test_lookups.moc"
