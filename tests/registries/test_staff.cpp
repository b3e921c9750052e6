// The doctors' and the employees' registries driven through their widgets,
// each case run on both: the first row at opening, Add's defaults, the
// duplicate number, the save checks, a number changed in an edit, Cancel,
// Delete, the Enter order and the search panel.

#include "platform/print/printpreview.h"
#include "platform/ui/messageservice.h"
#include "registries/staff.h"
#include "support/fixture.h"
#include "support/registrydriver.h"
#include "support/widgetdriver.h"

#include <QHeaderView>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

namespace {

struct Staff {
    RegistryConfig (*config)();
    const char* table;
    const char* prefix; // of the columns
    const char* com;
    const char* searchTitles; // of the search grid
};

const Staff doctors{DoctorsRegistry, "maker", "MAK", "MAK_COM", "รหัส|ชื่อแพทย์"};
const Staff employees{EmployeesRegistry, "sale", "SALE", "SALE_COM", "รหัสพนักงาน|ชื่อพนักงาน"};

QString col(const Staff& t, const char* suffix) { return QString::fromLatin1(t.prefix) + QLatin1Char('_') + QString::fromLatin1(suffix); }

void addPeople(const DataFolderFixture& f, const Staff& t, const QStringList& numbersAndNames)
{
    const QString sql = QStringLiteral("insert into %1 (%2, %3, %4, %5, salary, %6)"
                                       " values (:n, :m, 'ที่อยู่', '0812345678', 15000, 3)")
                            .arg(QString::fromLatin1(t.table), col(t, "NO"), col(t, "NAME"), col(t, "ADD1"), col(t, "TEL"),
                                 QString::fromLatin1(t.com));
    for (const QString& pair : numbersAndNames) {
        const QStringList p = pair.split(QLatin1Char('|'));
        QVERIFY(execSql(f.db(), sql, {{"n", p[0]}, {"m", p.value(1)}}));
    }
}

void bothTables()
{
    QTest::addColumn<int>("which");
    QTest::newRow("doctors") << 0;
    QTest::newRow("employees") << 1;
}

const Staff& staffOf(int which) { return which == 0 ? doctors : employees; }

} // namespace

class TestStaff : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnFirstRow_data() { bothTables(); }
    void opensOnFirstRow();
    void addLeavesNothingOfTheShownPerson_data() { bothTables(); }
    void addLeavesNothingOfTheShownPerson();
    void duplicateNumberDisablesSave_data() { bothTables(); }
    void duplicateNumberDisablesSave();
    void saveChecks_data();
    void saveChecks();
    void numberChangedInEdit_data() { bothTables(); }
    void numberChangedInEdit();
    void cancelAndDeleteGoToLastRow_data() { bothTables(); }
    void cancelAndDeleteGoToLastRow();
    void enterOrder_data();
    void enterOrder();
    void searchPanel_data();
    void searchPanel();
    void doctorNameLongerThanItsColumnIsRefused();
    void envelopeOfTheCurrentPerson_data() { bothTables(); }
    void envelopeOfTheCurrentPerson();
};

void TestStaff::opensOnFirstRow()
{
    QFETCH(int, which);
    const Staff& t = staffOf(which);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    addPeople(f, t, {"B02|สอง", "A01|หนึ่ง", "C03|สาม"});
    auto s = openRegistry(t.config());
    QCOMPARE(s->value(col(t, "NO")).toString(), QStringLiteral("A01"));
    QCOMPARE(s->value(QStringLiteral("SALARY")).toString(), QStringLiteral("15000"));
    QVERIFY(pushButton(s.get(), "btnEnvelope")->isEnabled());
    QCOMPARE(pushButton(s.get(), "btnEnvelope")->toolTip(), QStringLiteral("พิมพ์ซอง"));
    for (const RegistryField& field : s->config().fields) QVERIFY(fieldEdit(*s, field.column)->isReadOnly());
}

void TestStaff::addLeavesNothingOfTheShownPerson()
{
    QFETCH(int, which);
    const Staff& t = staffOf(which);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    addPeople(f, t, {"A01|หนึ่ง"});
    auto s = openRegistry(t.config());
    click(s.get(), "btnAdd");
    QCOMPARE(QApplication::focusWidget(), s->field(col(t, "NO")));
    for (const RegistryField& field : s->config().fields) {
        const QString expected = field.column == QLatin1String("SALARY") || field.column == QLatin1String(t.com)
                                     ? QStringLiteral("0")
                                     : QString();
        QCOMPARE(s->value(field.column).toString(), expected);
        QVERIFY(!fieldEdit(*s, field.column)->isReadOnly());
    }
    typeInto(*s, col(t, "NO"), QStringLiteral("b02"));
    typeInto(*s, col(t, "NAME"), QStringLiteral("ใหม่"));
    click(s.get(), "btnSave");
    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(stored(f, QStringLiteral("select %1, salary, %2, %3, %4 from %5 where %1 = 'b02'")
                           .arg(col(t, "NO"), QString::fromLatin1(t.com), col(t, "ADD1"), col(t, "TEL"),
                                QString::fromLatin1(t.table))),
             QStringList{"b02|0|0||"});
    if (which == 0) QCOMPARE(stored(f, "select mak_id from maker where mak_no = 'b02'"), QStringList{""});
    // The saved row is found again by its number.
    QCOMPARE(s->value(col(t, "NO")).toString(), QStringLiteral("b02"));
}

void TestStaff::duplicateNumberDisablesSave()
{
    QFETCH(int, which);
    const Staff& t = staffOf(which);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    addPeople(f, t, {"A01|หนึ่ง"});
    auto s = openRegistry(t.config());
    click(s.get(), "btnAdd");
    keyText(s->field(col(t, "NO")), QStringLiteral("A01"));
    pressEnter();
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("รหัสข้อมูลซ้ำ ...")});
    QVERIFY(!pushButton(s.get(), "btnSave")->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), s->field(col(t, "NO")));
    typeInto(*s, col(t, "NO"), QStringLiteral("A02"));
    pressEnter();
    QVERIFY(pushButton(s.get(), "btnSave")->isEnabled());
    QCOMPARE(msgs.texts().size(), 1);
}

void TestStaff::saveChecks_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("salary");
    QTest::addColumn<QString>("commission");
    QTest::addColumn<QString>("message");
    for (int which : {0, 1}) {
        const char* who = which == 0 ? "doctors" : "employees";
        QTest::addRow("%s, empty number", who) << which << "" << "0" << "0" << "ไม่มีข้อมูลรหัสลูกค้า ... ";
        QTest::addRow("%s, salary emptied", who) << which << "X1" << "" << "0" << "ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ ";
        QTest::addRow("%s, commission no number", who) << which << "X1" << "0" << "สิบ" << "ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ ";
        QTest::addRow("%s, accepted", who) << which << "X1" << "12000.50" << "2.5" << "";
    }
}

void TestStaff::saveChecks()
{
    QFETCH(int, which);
    QFETCH(QString, number);
    QFETCH(QString, salary);
    QFETCH(QString, commission);
    QFETCH(QString, message);
    const Staff& t = staffOf(which);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = openRegistry(t.config());
    click(s.get(), "btnAdd");
    typeInto(*s, col(t, "NO"), number);
    typeInto(*s, col(t, "NAME"), QStringLiteral("ชื่อ"));
    typeInto(*s, QStringLiteral("SALARY"), salary);
    typeInto(*s, QString::fromLatin1(t.com), commission);
    click(s.get(), "btnSave");
    const QString rows = QStringLiteral("select %1, salary, %2 from %3").arg(col(t, "NO"), QString::fromLatin1(t.com), QString::fromLatin1(t.table));
    if (message.isEmpty()) {
        QVERIFY(msgs.texts().isEmpty());
        QCOMPARE(stored(f, rows), QStringList{"X1|12000.5|2.5"});
        return;
    }
    QCOMPARE(msgs.texts(), QStringList{message});
    QCOMPARE(stored(f, rows), QStringList());
    QCOMPARE(s->mode(), QStringLiteral("add"));
    QCOMPARE(s->value(col(t, "NAME")).toString(), QStringLiteral("ชื่อ"));
    QCOMPARE(s->value(QString::fromLatin1(t.com)).toString(), commission);
}

void TestStaff::numberChangedInEdit()
{
    QFETCH(int, which);
    const Staff& t = staffOf(which);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    addPeople(f, t, {"A01|หนึ่ง", "B02|สอง", "C03|สาม"});
    auto s = openRegistry(t.config());
    click(s.get(), "btnLast");
    click(s.get(), "btnEdit");
    typeInto(*s, col(t, "NO"), QStringLiteral("B01"));
    click(s.get(), "btnSave");
    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(stored(f, QStringLiteral("select %1, %2 from %3 order by %1").arg(col(t, "NO"), col(t, "NAME"), QString::fromLatin1(t.table))),
             (QStringList{"A01|หนึ่ง", "B01|สาม", "B02|สอง"}));
    // The former number finds no row: the list stays where the re-read left it.
    QCOMPARE(s->currentRow(), 0);
    // Without a change of number the row is found again, ignoring letter case.
    click(s.get(), "btnLast");
    click(s.get(), "btnEdit");
    typeInto(*s, col(t, "NAME"), QStringLiteral("สองใหม่"));
    click(s.get(), "btnSave");
    QCOMPARE(s->value(col(t, "NO")).toString(), QStringLiteral("B02"));
    QCOMPARE(s->value(col(t, "NAME")).toString(), QStringLiteral("สองใหม่"));
}

void TestStaff::cancelAndDeleteGoToLastRow()
{
    QFETCH(int, which);
    const Staff& t = staffOf(which);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    addPeople(f, t, {"A01|หนึ่ง", "B02|สอง", "C03|สาม"});
    auto s = openRegistry(t.config());
    click(s.get(), "btnAdd");
    click(s.get(), "btnCancel");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ข้อมูล ถูกยกเลิก... ")});
    QCOMPARE(s->value(col(t, "NO")).toString(), QStringLiteral("C03"));
    click(s.get(), "btnFirst");
    msgs.answer(true);
    click(s.get(), "btnDelete");
    QCOMPARE(msgs.texts().last(), QStringLiteral("ต้องการลบข้อมูลนี้ ?"));
    QCOMPARE(listed(*s, col(t, "NO")), (QStringList{"B02", "C03"}));
    QCOMPARE(s->value(col(t, "NO")).toString(), QStringLiteral("C03"));
}

void TestStaff::enterOrder_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("doctors") << 0
                             << QStringList{"ed_MAK_NO", "ed_MAK_NAME", "ed_MAK_ID", "ed_MAK_ADD1", "ed_MAK_ADD2",
                                            "ed_MAK_ADD4", "ed_MAK_ZIP", "ed_MAK_TEL", "ed_SALARY", "ed_MAK_COM", "ed_MAK_NO"};
    QTest::newRow("employees") << 1
                               << QStringList{"ed_SALE_NO", "ed_SALE_NAME", "ed_SALE_ADD1", "ed_SALE_ADD2", "ed_SALE_ADD4",
                                              "ed_SALE_ZIP", "ed_SALE_TEL", "ed_SALARY", "ed_SALE_COM", "ed_SALE_NO"};
}

void TestStaff::enterOrder()
{
    QFETCH(int, which);
    QFETCH(QStringList, order);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = openRegistry(staffOf(which).config());
    click(s.get(), "btnAdd");
    QStringList walked{QApplication::focusWidget()->objectName()};
    while (walked.size() < order.size()) walked << pressEnter()->objectName();
    QCOMPARE(walked, order);
}

void TestStaff::searchPanel_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("by");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    for (int which : {0, 1}) {
        const char* who = which == 0 ? "doctors" : "employees";
        QTest::addRow("%s, code ignoring case", who) << which << 0 << "d01" << "D01";
        QTest::addRow("%s, name prefix", who) << which << 1 << "นพ." << "B02";
        QTest::addRow("%s, no match", who) << which << 1 << "ทพ." << "A01";
    }
}

void TestStaff::searchPanel()
{
    QFETCH(int, which);
    QFETCH(int, by);
    QFETCH(QString, text);
    QFETCH(QString, found);
    const Staff& t = staffOf(which);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    addPeople(f, t, {"A01|พญ.สมศรี", "B02|นพ.สมชาย", "D01|นพ.ดำรง"});
    auto s = openRegistry(t.config());
    auto* grid = child<QTableView>(s.get(), "searchGrid");
    click(s.get(), "btnSearch");
    QHeaderView* header = grid->horizontalHeader();
    QStringList titles;
    for (int visual = 0; visual < header->count(); ++visual)
        if (!header->isSectionHidden(header->logicalIndex(visual)))
            titles << grid->model()->headerData(header->logicalIndex(visual), Qt::Horizontal).toString();
    QCOMPARE(titles.join(QLatin1Char('|')), QString::fromUtf8(t.searchTitles));
    QCOMPARE(lineEdit(s.get(), "edSearch")->text(), QString());
    if (by == 0) child<QRadioButton>(s.get(), "rbSearch_0")->click();
    keyText(lineEdit(s.get(), "edSearch"), text);
    click(s.get(), "btnSearchOk");
    QCOMPARE(s->value(col(t, "NO")).toString(), found);
    QVERIFY(pushButton(s.get(), "btnEdit")->isEnabled());
    // Opening again: the name and an empty text.
    click(s.get(), "btnSearch");
    QVERIFY(child<QRadioButton>(s.get(), "rbSearch_1")->isChecked());
    QCOMPARE(lineEdit(s.get(), "edSearch")->text(), QString());
}

void TestStaff::doctorNameLongerThanItsColumnIsRefused()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = openRegistry(DoctorsRegistry());
    click(s.get(), "btnAdd");
    typeInto(*s, QStringLiteral("MAK_NO"), QStringLiteral("D1"));
    typeInto(*s, QStringLiteral("MAK_NAME"), QString(51, QChar(0x0E01)));
    QCOMPARE(s->value(QStringLiteral("MAK_NAME")).toString().size(), 51); // the field takes up to 80
    click(s.get(), "btnSave");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ชื่อแพทย์ยาวเกิน 50 ตัวอักษร")});
    QCOMPARE(QApplication::focusWidget(), s->field(QStringLiteral("MAK_NAME")));
    QCOMPARE(stored(f, "select count(*) from maker"), QStringList{"0"});
    typeInto(*s, QStringLiteral("MAK_NAME"), QString(50, QChar(0x0E01)));
    click(s.get(), "btnSave");
    QCOMPARE(stored(f, "select length(mak_name) from maker"), QStringList{"50"});
}

void TestStaff::envelopeOfTheCurrentPerson()
{
    QFETCH(int, which);
    const Staff& t = staffOf(which);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    PrintPreviewCapture capture;
    addPeople(f, t, {"A01|หนึ่ง", "B02|สอง"});
    auto s = openRegistry(t.config());
    click(s.get(), "btnNext");
    click(s.get(), "btnEnvelope");
    QCOMPARE(capture.documents().size(), 1);
    const DocumentPage& p = capture.documents().first().pages.first();
    QVERIFY(p.findText(QStringLiteral("สอง")));
    QVERIFY(p.findText(QStringLiteral("ที่อยู่")));
    click(s.get(), "btnEdit");
    QVERIFY(!pushButton(s.get(), "btnEnvelope")->isEnabled());
}

QTEST_MAIN(TestStaff)
#include "test_staff.moc"
