// The item registry driven through its widgets against a fresh database:
// its checks and messages, the duplicate code, the EAN-13 option, add as
// copy, the Enter order, the lists and the stock on hand shown.

#include "platform/barcode/barcode.h"
#include "platform/barcode/barcodewidget.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/registryscreen.h"
#include "registries/items.h"
#include "support/fixture.h"
#include "support/registrydriver.h"
#include "support/widgetdriver.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<RegistryScreen> open()
{
    std::unique_ptr<RegistryScreen> s(NewItemRegistry());
    s->show();
    s->activateWindow();
    if (!QTest::qWaitForWindowActive(s.get())) qWarning("the item registry did not become active");
    return s;
}

// Whether the focus is in the field (a drop-down list or its text).
bool focusIn(RegistryScreen& s, const QString& column)
{
    QWidget* f = QApplication::focusWidget();
    QWidget* field = s.field(column);
    return f && field && (f == field || field->isAncestorOf(f));
}

QString stockShown(RegistryScreen& s) { return s.findChild<QLabel*>(QStringLiteral("lblStock"))->text(); }

// Two items; A1 received 10, sold 3, dispensed 2 with an empty base.
void seed(const DataFolderFixture& f)
{
    FIXTURE_SQL(f, "insert into product (pro_no, pro_name, pro_unit, pro_group, how_type, cut_stock, tax_rate, pro_bprice,"
                   " pro_sprice, pro_sp2, pro_sp3, pro_sp4, pro_sp5, pro_rorder, warn_term, how_to_1, how_to_2, how_to_3,"
                   " how_to_4, rem, pro_total) values"
                   " ('A1', 'พาราเซตามอล', 'เม็ด', 'D', 'ยาเม็ด', '1', 7, 0.5, 1.5, 1.4, 1.3, 1.2, 1.1, 100, '30 ว.',"
                   "  'ครึ่งเม็ด', '1 เม็ด', '2 เม็ด', 'หลังอาหาร', 'แก้ปวด ลดไข้', null),"
                   " ('B2', 'ค่าตรวจ', 'ครั้ง', 'T', '', '0', 0, 0, 200, 200, 200, 200, 200, 0, '', '', '', '', '', '', 12.5)");
    FIXTURE_SQL(f, "insert into order1 (inv_no, pro_no, pro_qty, stk_post) values ('R1', 'A1', 10, 2), ('R1', 'A1', 99, 0)");
    FIXTURE_SQL(f, "insert into invoice1 (inv_no, pro_no, pro_qty, stk_post) values ('I1', 'A1', 3, 1)");
    FIXTURE_SQL(f, "insert into service1 (serv_no, spr_no, qty, stk_post) values ('V1', 'A1', 2, 1), ('V1', 'B2', 1, 0)");
}

const char* const kProductColumns =
    "select pro_no, pro_name, pro_unit, pro_group, how_type, cut_stock, tax_rate, pro_bprice, pro_sprice, pro_sp2,"
    " pro_sp3, pro_sp4, pro_sp5, pro_rorder, warn_term, how_to_1, how_to_2, how_to_3, how_to_4, rem from product";

} // namespace

class TestItems : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnFirstItemWithListsAndStock();
    void stockFollowsTheCurrentItem();
    void saveChecks_data();
    void saveChecks();
    void addPutsDefaultsAndSavesEveryColumn();
    void priceOrQuantityNotANumberStopsQuietly();
    void duplicateCodeWhileAdding();
    void duplicateCodeWhileEditing();
    void editMayChangeTheCode();
    void ean13CheckDigit_data();
    void ean13CheckDigit();
    void ean13OnTheFinalCode();
    void addAsCopy();
    void enterOrder();
    void salePriceFillsPriceLevelsOnlyWhileAdding_data();
    void salePriceFillsPriceLevelsOnlyWhileAdding();
    void deleteAsksAndLeavesOtherRows();
    void searchPanel_data();
    void searchPanel();
};

void TestItems::opensOnFirstItemWithListsAndStock()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    FIXTURE_SQL(f, "insert into type (type) values ('ยาน้ำ'), ('ยาเม็ด')");
    FIXTURE_SQL(f, "insert into how (how_to) values ('2 ช้อนชา'), ('1 ช้อนชา')");
    auto s = open();
    QCOMPARE(s->windowTitle(), QStringLiteral(" ค่าตรวจ - รักษา - ยา - เวชภัณฑ์"));
    QCOMPARE(s->objectName(), QStringLiteral("TRef_Part_Sql"));
    QCOMPARE(s->mode(), QStringLiteral("normal"));
    QCOMPARE(s->value(QStringLiteral("PRO_NO")).toString(), QStringLiteral("A1"));
    // Numbers in their general form.
    QCOMPARE(s->value(QStringLiteral("PRO_BPRICE")).toString(), QStringLiteral("0.5"));
    QCOMPARE(s->value(QStringLiteral("TAX_RATE")).toString(), QStringLiteral("7"));
    QCOMPARE(s->value(QStringLiteral("REM")).toString(), QStringLiteral("แก้ปวด ลดไข้"));
    QCOMPARE(s->findChild<QLabel*>(QStringLiteral("lblUnitEcho"))->text(), QStringLiteral("เม็ด"));
    QCOMPARE(stockShown(*s), QStringLiteral("5"));

    // Lists from their tables in their order, the shown item's text kept.
    auto* types = qobject_cast<QComboBox*>(s->field(QStringLiteral("HOW_TYPE")));
    QCOMPARE(types->count(), 2);
    QCOMPARE(types->itemText(0), QStringLiteral("ยาน้ำ"));
    QCOMPARE(types->currentText(), QStringLiteral("ยาเม็ด"));
    for (const char* dose : {"HOW_TO_1", "HOW_TO_2", "HOW_TO_3"}) {
        auto* combo = qobject_cast<QComboBox*>(s->field(QString::fromLatin1(dose)));
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("1 ช้อนชา"));
    }
    QCOMPARE(s->value(QStringLiteral("HOW_TO_3")).toString(), QStringLiteral("2 เม็ด"));
    auto* warranty = qobject_cast<QComboBox*>(s->field(QStringLiteral("WARN_TERM")));
    QCOMPARE(warranty->itemText(0), QString());
    QCOMPARE(warranty->itemText(3), QStringLiteral("30 ว."));
    QCOMPARE(warranty->itemText(16), QStringLiteral("3 ป."));
    // Browse: fields read-only, lists closed to the focus.
    QVERIFY(fieldEdit(*s, QStringLiteral("PRO_NAME"))->isReadOnly());
    QVERIFY(!types->isEnabled());
    QVERIFY(pushButton(*s, "btnAddCopy")->isEnabled());
    QVERIFY(!pushButton(*s, "btnSave")->isEnabled());
    QVERIFY(msgs.texts().isEmpty());
}

void TestItems::stockFollowsTheCurrentItem()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    QCOMPARE(stockShown(*s), QStringLiteral("5"));
    click(*s, "btnNext");
    QCOMPARE(stockShown(*s), QStringLiteral("12.5")); // its base only; the unposted line does not count
    QCOMPARE(s->findChild<QLabel*>(QStringLiteral("lblUnitEcho"))->text(), QStringLiteral("ครั้ง"));

    // A line saved elsewhere shows when the item is shown again.
    FIXTURE_SQL(f, "insert into service1 (serv_no, spr_no, qty, stk_post) values ('V2', 'A1', 4, 1)");
    click(*s, "btnPrior");
    QCOMPARE(stockShown(*s), QStringLiteral("1"));

    // Add clears it; cancel returns to the item that was current.
    click(*s, "btnAdd");
    QCOMPARE(stockShown(*s), QString());
    click(*s, "btnCancel");
    QCOMPARE(s->value(QStringLiteral("PRO_NO")).toString(), QStringLiteral("A1"));
    QCOMPARE(stockShown(*s), QStringLiteral("1"));
}

void TestItems::saveChecks_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("cutStock");
    QTest::addColumn<QString>("tax");
    QTest::addColumn<QString>("message"); // empty: saved
    QTest::addColumn<QString>("focus");
    const QString badTax = QStringLiteral("ภาษีไม่ถูกต้อง...");
    const QString incomplete = QStringLiteral("ข้อมูลไม่ครบ ....");
    QTest::newRow("tax 7.0") << "C3" << "1" << "7.0" << badTax << "ed_TAX_RATE";
    QTest::newRow("tax 10") << "C3" << "1" << "10" << badTax << "ed_TAX_RATE";
    QTest::newRow("tax empty") << "C3" << "1" << "" << badTax << "ed_TAX_RATE";
    QTest::newRow("tax before the code") << "" << "1" << "07" << badTax << "ed_TAX_RATE";
    QTest::newRow("no code") << "" << "1" << "7" << incomplete << "ed_PRO_NO";
    QTest::newRow("no cut-stock") << "C3" << "" << "0" << incomplete << "ed_PRO_NO";
    QTest::newRow("tax 0") << "C3" << "0" << "0" << "" << "";
    QTest::newRow("tax 7") << "C3" << "1" << "7" << "" << "";
}

void TestItems::saveChecks()
{
    QFETCH(QString, code);
    QFETCH(QString, cutStock);
    QFETCH(QString, tax);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = open();
    click(*s, "btnAdd");
    typeInto(*s, QStringLiteral("PRO_NO"), code);
    typeInto(*s, QStringLiteral("PRO_NAME"), QStringLiteral("ผ้าก๊อซ"));
    typeInto(*s, QStringLiteral("CUT_STOCK"), cutStock);
    typeInto(*s, QStringLiteral("TAX_RATE"), tax);
    click(*s, "btnSave");

    const QStringList rows = stored(f, "select pro_no, cut_stock, tax_rate from product");
    if (message.isEmpty()) {
        QVERIFY(msgs.texts().isEmpty());
        QCOMPARE(rows, QStringList{code + QLatin1Char('|') + cutStock + QLatin1Char('|') + tax});
        QCOMPARE(s->mode(), QStringLiteral("normal"));
        return;
    }
    QCOMPARE(msgs.texts(), QStringList{message});
    QCOMPARE(rows, QStringList());
    QCOMPARE(s->mode(), QStringLiteral("add"));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestItems::addPutsDefaultsAndSavesEveryColumn()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    click(*s, "btnAdd");
    QVERIFY(focusIn(*s, QStringLiteral("PRO_NO")));
    const QStringList empty = {"PRO_NO", "PRO_NAME", "PRO_UNIT", "PRO_GROUP", "HOW_TYPE", "REM",
                               "HOW_TO_1", "HOW_TO_2", "HOW_TO_3"};
    for (const QString& column : empty) QCOMPARE(s->value(column).toString(), QString());
    QCOMPARE(s->value(QStringLiteral("CUT_STOCK")).toString(), QStringLiteral("1"));
    QCOMPARE(s->value(QStringLiteral("TAX_RATE")).toString(), QStringLiteral("7"));
    QCOMPARE(s->value(QStringLiteral("PRO_BPRICE")).toString(), QStringLiteral("0"));
    QCOMPARE(s->value(QStringLiteral("PRO_SPRICE")).toString(), QStringLiteral("0"));
    QCOMPARE(s->value(QStringLiteral("PRO_SP4")).toString(), QStringLiteral("0"));
    QCOMPARE(s->value(QStringLiteral("PRO_RORDER")).toString(), QStringLiteral("1"));
    // The time of use and the warranty keep the values of the item shown before.
    QCOMPARE(s->value(QStringLiteral("HOW_TO_4")).toString(), QStringLiteral("หลังอาหาร"));
    QCOMPARE(s->value(QStringLiteral("WARN_TERM")).toString(), QStringLiteral("30 ว."));

    typeInto(*s, QStringLiteral("PRO_NO"), QStringLiteral("a0"));
    typeInto(*s, QStringLiteral("PRO_NAME"), QStringLiteral("ยาแก้ไอ"));
    typeInto(*s, QStringLiteral("PRO_UNIT"), QStringLiteral("ขวด"));
    typeInto(*s, QStringLiteral("PRO_GROUP"), QStringLiteral("D"));
    typeInto(*s, QStringLiteral("HOW_TYPE"), QStringLiteral("ยาน้ำ"));
    typeInto(*s, QStringLiteral("REM"), QStringLiteral("  บรรเทาอาการไอ \n"));
    typeInto(*s, QStringLiteral("HOW_TO_1"), QStringLiteral("1/2 ช้อนชา"));
    typeInto(*s, QStringLiteral("HOW_TO_2"), QStringLiteral("1 ช้อนชา"));
    typeInto(*s, QStringLiteral("HOW_TO_3"), QStringLiteral("2 ช้อนชา"));
    typeInto(*s, QStringLiteral("PRO_BPRICE"), QStringLiteral("20.25"));
    typeInto(*s, QStringLiteral("PRO_SPRICE"), QStringLiteral("45"));
    typeInto(*s, QStringLiteral("PRO_RORDER"), QStringLiteral("12"));
    typeInto(*s, QStringLiteral("WARN_TERM"), QStringLiteral("2 ป."));
    QCOMPARE(s->findChild<QLabel*>(QStringLiteral("lblUnitEcho"))->text(), QStringLiteral("ขวด"));
    click(*s, "btnSave");

    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(s->mode(), QStringLiteral("normal"));
    QCOMPARE(stored(f, QString::fromLatin1(kProductColumns) + QStringLiteral(" where pro_no = 'a0'")),
             QStringList{QStringLiteral("a0|ยาแก้ไอ|ขวด|D|ยาน้ำ|1|7|20.25|45|0|0|0|0|12|2 ป.|1/2 ช้อนชา|1 ช้อนชา|"
                                        "2 ช้อนชา|หลังอาหาร|บรรเทาอาการไอ")});
    // The new item is current (found by its code), with its stock.
    QCOMPARE(s->rowValue(QStringLiteral("PRO_NO")).toString(), QStringLiteral("a0"));
    QCOMPARE(s->value(QStringLiteral("PRO_NAME")).toString(), QStringLiteral("ยาแก้ไอ"));
    QCOMPARE(stockShown(*s), QStringLiteral("0"));
}

void TestItems::priceOrQuantityNotANumberStopsQuietly()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = open();
    click(*s, "btnAdd");
    typeInto(*s, QStringLiteral("PRO_NO"), QStringLiteral("X1"));
    typeInto(*s, QStringLiteral("PRO_RORDER"), QStringLiteral("ten"));
    click(*s, "btnSave");
    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(s->mode(), QStringLiteral("add"));
    QCOMPARE(stored(f, "select pro_no from product"), QStringList());
    typeInto(*s, QStringLiteral("PRO_RORDER"), QStringLiteral("10"));
    click(*s, "btnSave");
    QCOMPARE(stored(f, "select pro_no, pro_rorder from product"), QStringList{QStringLiteral("X1|10")});
}

void TestItems::duplicateCodeWhileAdding()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    QWidget* code = s->field(QStringLiteral("PRO_NO"));
    click(*s, "btnAdd");
    QTest::keyClicks(code, QStringLiteral("B2"));
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("รหัสข้อมูลซ้ำ ...")});
    QVERIFY(!pushButton(*s, "btnSave")->isEnabled());
    QTRY_VERIFY(focusIn(*s, QStringLiteral("PRO_NO")));

    // Save stays disabled until a free code is typed and the field is left.
    typeInto(*s, QStringLiteral("PRO_NO"), QStringLiteral("B3"));
    QVERIFY(!pushButton(*s, "btnSave")->isEnabled());
    QTest::keyClick(code, Qt::Key_Return);
    QVERIFY(focusIn(*s, QStringLiteral("PRO_NAME")));
    QVERIFY(pushButton(*s, "btnSave")->isEnabled());
    QCOMPARE(msgs.texts().size(), 1);
    click(*s, "btnSave");
    QCOMPARE(stored(f, "select pro_no from product order by pro_no"),
             (QStringList{QStringLiteral("A1"), QStringLiteral("B2"), QStringLiteral("B3")}));
}

void TestItems::duplicateCodeWhileEditing()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    QWidget* code = s->field(QStringLiteral("PRO_NO"));
    QWidget* name = s->field(QStringLiteral("PRO_NAME"));
    click(*s, "btnEdit");
    // Leaving the code unchanged checks nothing.
    code->setFocus();
    name->setFocus();
    QVERIFY(msgs.texts().isEmpty());

    // Another item's code is told, and Save stays; the store refuses it quietly.
    typeInto(*s, QStringLiteral("PRO_NO"), QStringLiteral("B2"));
    code->setFocus();
    name->setFocus();
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("รหัสข้อมูลซ้ำ กับข้อมูลที่มีอยู่แล้ว...")});
    QTRY_VERIFY(focusIn(*s, QStringLiteral("PRO_NO")));
    QVERIFY(pushButton(*s, "btnSave")->isEnabled());
    click(*s, "btnSave");
    QCOMPARE(msgs.texts().size(), 1);
    QCOMPARE(s->mode(), QStringLiteral("edit"));
    QCOMPARE(stored(f, "select pro_no, pro_name from product order by pro_no"),
             (QStringList{QStringLiteral("A1|พาราเซตามอล"), QStringLiteral("B2|ค่าตรวจ")}));
}

void TestItems::editMayChangeTheCode()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    FIXTURE_SQL(f, "insert into product (pro_no, pro_name, cut_stock, tax_rate) values ('C5', 'ถุงมือ', '1', 7)");
    auto s = open();
    click(*s, "btnEdit");
    typeInto(*s, QStringLiteral("PRO_NO"), QStringLiteral("Z9"));
    typeInto(*s, QStringLiteral("PRO_SPRICE"), QStringLiteral("2"));
    click(*s, "btnSave");
    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(stored(f, "select pro_no, pro_sprice, pro_sp2 from product order by pro_no"),
             (QStringList{QStringLiteral("B2|200|200"), QStringLiteral("C5|0|0"), QStringLiteral("Z9|2|1.4")}));
    // The edited item is current again, under its new code; the lines that
    // moved its stock keep the former code.
    QCOMPARE(s->rowValue(QStringLiteral("PRO_NO")).toString(), QStringLiteral("Z9"));
    QCOMPARE(s->value(QStringLiteral("PRO_NAME")).toString(), QStringLiteral("พาราเซตามอล"));
    QCOMPARE(stockShown(*s), QStringLiteral("0"));
}

void TestItems::ean13CheckDigit_data()
{
    QTest::addColumn<bool>("option");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("code"); // after Enter
    const QString twelve = QStringLiteral("885123456789");
    const QString valid = twelve + QString::number(Ean13CheckDigit(twelve));
    const QString wrong = twelve + QString::number((Ean13CheckDigit(twelve) + 1) % 10);
    QTest::newRow("on: wrong check digit replaced") << true << wrong << valid;
    QTest::newRow("on: right check digit kept") << true << valid << valid;
    QTest::newRow("on: twelve digits get it appended") << true << twelve << valid;
    QTest::newRow("on: eight digits as typed") << true << "88512345" << "88512345";
    QTest::newRow("on: thirteen characters not all digits") << true << "88512345678AB" << "88512345678AB";
    QTest::newRow("off: wrong check digit stays") << false << wrong << wrong;
    QTest::newRow("off: twelve digits stay") << false << twelve << twelve;
}

void TestItems::ean13CheckDigit()
{
    QFETCH(bool, option);
    QFETCH(QString, typed);
    QFETCH(QString, code);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = open();
    QVERIFY(s->findChild<QRadioButton*>(QStringLiteral("rbEanOff"))->isChecked());
    if (option) s->findChild<QRadioButton*>(QStringLiteral("rbEanOn"))->click();
    click(*s, "btnAdd");
    QWidget* field = s->field(QStringLiteral("PRO_NO"));
    QTest::keyClicks(field, typed);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(s->value(QStringLiteral("PRO_NO")).toString(), code);
    QVERIFY(focusIn(*s, QStringLiteral("PRO_NAME")));
    const bool ean = (code.size() == 12 || code.size() == 13) && !code.contains(QLatin1Char('A'));
    if (option && ean) QVERIFY(IsValidEan13(code));
    // The symbol drawn is the code's EAN-13 when it is one.
    auto* symbol = s->findChild<BarcodeWidget*>(QStringLiteral("barcode"));
    QCOMPARE(symbol->encodedText(), ean ? WithEan13CheckDigit(code) : QString());

    click(*s, "btnSave");
    QCOMPARE(stored(f, "select pro_no from product"), QStringList{code});
    QVERIFY(msgs.texts().isEmpty());
}

// The check digit goes in before the code is looked up, so the code that
// would be saved is the one checked.
void TestItems::ean13OnTheFinalCode()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    const QString twelve = QStringLiteral("885123456789");
    const QString existing = WithEan13CheckDigit(twelve);
    FIXTURE_SQL(f, "insert into product (pro_no, pro_name) values (:c, 'มีแล้ว')", {"c", existing});
    auto s = open();
    s->findChild<QRadioButton*>(QStringLiteral("rbEanOn"))->click();
    click(*s, "btnAdd");
    QWidget* field = s->field(QStringLiteral("PRO_NO"));
    QTest::keyClicks(field, twelve + QString::number((existing.at(12).digitValue() + 5) % 10));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(s->value(QStringLiteral("PRO_NO")).toString(), existing);
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("รหัสข้อมูลซ้ำ ...")});
    QVERIFY(!pushButton(*s, "btnSave")->isEnabled());
}

void TestItems::addAsCopy()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    QCOMPARE(pushButton(*s, "btnAddCopy")->text(), QStringLiteral("เพิ่ม Copy ข้อมูล"));
    click(*s, "btnAddCopy");
    QCOMPARE(s->mode(), QStringLiteral("add"));
    QVERIFY(focusIn(*s, QStringLiteral("PRO_NO")));
    QCOMPARE(s->value(QStringLiteral("PRO_NO")).toString(), QStringLiteral("A1"));
    QCOMPARE(s->value(QStringLiteral("HOW_TO_2")).toString(), QStringLiteral("1 เม็ด"));
    QCOMPARE(s->value(QStringLiteral("PRO_SP3")).toString(), QStringLiteral("1.3"));
    QCOMPARE(stockShown(*s), QString());
    QVERIFY(!pushButton(*s, "btnAddCopy")->isEnabled());

    // The copied code is taken; the user gives the copy its own.
    QWidget* code = s->field(QStringLiteral("PRO_NO"));
    QTest::keyClick(code, Qt::Key_Return);
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("รหัสข้อมูลซ้ำ ...")});
    QTRY_VERIFY(focusIn(*s, QStringLiteral("PRO_NO")));
    typeInto(*s, QStringLiteral("PRO_NO"), QStringLiteral("A2"));
    QTest::keyClick(code, Qt::Key_Return);
    typeInto(*s, QStringLiteral("PRO_NAME"), QStringLiteral("พาราเซตามอล 500"));
    click(*s, "btnSave");

    QCOMPARE(msgs.texts().size(), 1);
    const QStringList rows = stored(f, QString::fromLatin1(kProductColumns) + QStringLiteral(" where pro_no like 'A%' order by pro_no"));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(1), QString(rows.at(0)).replace(QStringLiteral("A1|พาราเซตามอล|"), QStringLiteral("A2|พาราเซตามอล 500|")));
    QCOMPARE(s->rowValue(QStringLiteral("PRO_NO")).toString(), QStringLiteral("A2"));
    QCOMPARE(stored(f, "select count(*) from product"), QStringList{QStringLiteral("3")});
}

void TestItems::enterOrder()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into type (type) values ('ยาน้ำ'), ('ยาเม็ด')");
    auto s = open();
    click(*s, "btnAdd");
    QWidget* code = s->field(QStringLiteral("PRO_NO"));
    QTest::keyClicks(code, QStringLiteral("N1"));

    const QStringList order = {"PRO_NO", "PRO_NAME", "PRO_UNIT", "PRO_GROUP", "HOW_TYPE", "REM", "HOW_TO_1",
                               "HOW_TO_2", "HOW_TO_3", "HOW_TO_4", "CUT_STOCK", "HOW_TYPE"};
    for (int i = 0; i + 1 < order.size(); ++i) {
        QVERIFY2(focusIn(*s, order.at(i)), qPrintable(order.at(i)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY2(focusIn(*s, order.at(i + 1)), qPrintable(QStringLiteral("after ") + order.at(i)));
    }
    const QStringList prices = {"TAX_RATE", "PRO_BPRICE", "PRO_SPRICE", "PRO_RORDER", "WARN_TERM", "PRO_NO"};
    s->field(prices.first())->setFocus();
    for (int i = 0; i + 1 < prices.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY2(focusIn(*s, prices.at(i + 1)), qPrintable(QStringLiteral("after ") + prices.at(i)));
    }

    // Choosing an entry of a list moves on the same way.
    auto* types = qobject_cast<QComboBox*>(s->field(QStringLiteral("HOW_TYPE")));
    types->setFocus();
    types->setCurrentIndex(0);
    Q_EMIT types->activated(0);
    QVERIFY(focusIn(*s, QStringLiteral("REM")));
    QCOMPARE(s->value(QStringLiteral("HOW_TYPE")).toString(), QStringLiteral("ยาน้ำ"));
    QVERIFY(msgs.texts().isEmpty());
}

void TestItems::salePriceFillsPriceLevelsOnlyWhileAdding_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("levels");
    QTest::newRow("add") << "btnAdd" << "35.5" << "35.5|35.5|35.5|35.5";
    QTest::newRow("add, empty price") << "btnAdd" << "" << "0|0|0|0";
    QTest::newRow("edit") << "btnEdit" << "35.5" << "1.4|1.3|1.2|1.1";
}

void TestItems::salePriceFillsPriceLevelsOnlyWhileAdding()
{
    QFETCH(QString, command);
    QFETCH(QString, price);
    QFETCH(QString, levels);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    auto s = open();
    click(*s, command.toLatin1().constData());
    if (command == QLatin1String("btnAdd")) typeInto(*s, QStringLiteral("PRO_NO"), QStringLiteral("P1"));
    QWidget* sale = s->field(QStringLiteral("PRO_SPRICE"));
    sale->setFocus();
    typeInto(*s, QStringLiteral("PRO_SPRICE"), price);
    QTest::keyClick(sale, Qt::Key_Return);
    QVERIFY(focusIn(*s, QStringLiteral("PRO_RORDER")));
    QStringList shown;
    for (const char* level : {"PRO_SP2", "PRO_SP3", "PRO_SP4", "PRO_SP5"}) shown << s->value(QString::fromLatin1(level)).toString();
    QCOMPARE(shown.join(QLatin1Char('|')), levels);
}

void TestItems::deleteAsksAndLeavesOtherRows()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    FIXTURE_SQL(f, "insert into product (pro_no, pro_name) values ('C3', 'สำลี')");
    FIXTURE_SQL(f, "insert into suit1 (suit_no, spr_no, qty) values ('S1', 'A1', 1)");
    auto s = open();
    msgs.answer(false);
    click(*s, "btnDelete");
    QCOMPARE(stored(f, "select count(*) from product"), QStringList{QStringLiteral("3")});
    msgs.answer(true);
    click(*s, "btnDelete");
    QCOMPARE(msgs.texts(), (QStringList{QStringLiteral("ต้องการลบข้อมูลนี้ ?"), QStringLiteral("ต้องการลบข้อมูลนี้ ?")}));
    QCOMPARE(stored(f, "select pro_no from product order by pro_no"), (QStringList{QStringLiteral("B2"), QStringLiteral("C3")}));
    QCOMPARE(s->value(QStringLiteral("PRO_NO")).toString(), QStringLiteral("C3"));
    QCOMPARE(stored(f, "select count(*) from service1 where spr_no = 'A1'"), QStringList{QStringLiteral("1")});
    QCOMPARE(stored(f, "select count(*) from suit1 where spr_no = 'A1'"), QStringList{QStringLiteral("1")});
}

void TestItems::searchPanel_data()
{
    QTest::addColumn<int>("by");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found"); // A1, the first item, when nothing matches
    QTest::newRow("code, letter case aside") << 0 << "b2" << "B2";
    QTest::newRow("code, whole code only") << 0 << "C" << "A1";
    QTest::newRow("name, its beginning") << 1 << "ค่า" << "B2";
    QTest::newRow("name, letter case counts") << 1 << "gauze" << "D4";
    QTest::newRow("name, exact case") << 1 << "Gau" << "C3";
}

void TestItems::searchPanel()
{
    QFETCH(int, by);
    QFETCH(QString, text);
    QFETCH(QString, found);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    seed(f);
    FIXTURE_SQL(f, "insert into product (pro_no, pro_name) values ('C3', 'Gauze'), ('D4', 'gauze pad')");
    auto s = open();
    click(*s, "btnSearch");
    auto* search = s->findChild<QLineEdit*>(QStringLiteral("edSearch"));
    QVERIFY(s->findChild<QWidget*>(QStringLiteral("searchPanel"))->isVisible());
    QVERIFY(s->findChild<QRadioButton*>(QStringLiteral("rbSearch_0"))->isChecked());
    QCOMPARE(s->findChild<QLabel*>(QStringLiteral("lblSearch"))->text(), QStringLiteral("พิมพ์รายการที่ค้นหา"));
    QCOMPARE(search->maxLength(), 40);
    QCOMPARE(QApplication::focusWidget(), search);
    if (by == 1) s->findChild<QRadioButton*>(QStringLiteral("rbSearch_1"))->click();
    QCOMPARE(QApplication::focusWidget(), search);
    // The list moves at each change of the text.
    keyText(search, text);
    QCOMPARE(s->rowValue(QStringLiteral("PRO_NO")).toString(), found);
    QCOMPARE(s->value(QStringLiteral("PRO_NO")).toString(), found);
    QTest::keyClick(search, Qt::Key_Return);
    QVERIFY(!s->findChild<QWidget*>(QStringLiteral("searchPanel"))->isVisible());
    QCOMPARE(s->rowValue(QStringLiteral("PRO_NO")).toString(), found);
}

QTEST_MAIN(TestItems)
#include "test_items.moc"
