// The registry window driven through its widgets: a list keyed by AUTO with
// one field (the drug types registry), one with two fields and a sort choice
// (the diseases registry),
// and one keyed by a code that may change, with checks, a duplicate check,
// rows shown in the fields and a search panel.

#include "data/terms.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/registryscreen.h"
#include "registries/lookups.h"
#include "support/fixture.h"
#include "support/registrydriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QtTest>

#include <memory>

namespace {

using Kind = RegistryField::Kind;

RegistryConfig drugTypes() { return DrugTypesRegistry(); }
RegistryConfig diseases() { return DiseasesRegistry(); }

// A registry keyed by a code the user types and may change in an edit.
RegistryConfig codes()
{
    RegistryConfig c;
    c.objectName = QStringLiteral("TRef_Codes");
    c.table = QStringLiteral("supply");
    c.key = QStringLiteral("CUST_NO");
    c.fields = {
        {.column = QStringLiteral("CUST_NO"), .label = QStringLiteral("รหัส"), .maxLength = 5},
        {.column = QStringLiteral("CUST_NAME"), .label = QStringLiteral("ชื่อ"), .maxLength = 80},
        {.column = QStringLiteral("CUST_CRE"), .label = QStringLiteral("เครดิต"), .kind = Kind::Combo,
         .items = CreditTerms(), .editable = true, .notListedText = QStringLiteral("ข้อมูลเครดิตไม่ถูกต้อง"),
         .addValue = QStringLiteral("สด")},
        {.column = QStringLiteral("CUST_DISC"), .label = QStringLiteral("ส่วนลดรวม %"), .kind = Kind::Number,
         .maxLength = 5, .addValue = QStringLiteral("0")},
        // A widget of the registry's own: the grade as a check box, "1" or empty.
        {.column = QStringLiteral("CUST_GROUP"), .label = QStringLiteral("เกรด"), .kind = Kind::Custom,
         .addValue = QStringLiteral("1"),
         .create = [](QWidget* parent) -> QWidget* { return new QCheckBox(parent); },
         .get = [](QWidget* w) -> QVariant {
             return static_cast<QCheckBox*>(w)->isChecked() ? QStringLiteral("1") : QString();
         },
         .set = [](QWidget* w, const QVariant& v) { static_cast<QCheckBox*>(w)->setChecked(v.toString() == QLatin1String("1")); }},
    };
    c.listSql = QStringLiteral("select * from supply order by cust_no");
    c.insertSql = QStringLiteral("insert into supply (cust_no,cust_name,cust_cre,cust_disc,cust_group)"
                                 " values (:pcust_no,:pcust_name,:pcust_cre,:pcust_disc,:pcust_group)");
    c.updateSql = QStringLiteral("update supply set cust_no=:pcust_no,cust_name=:pcust_name,cust_cre=:pcust_cre,"
                                 "cust_disc=:pcust_disc,cust_group=:pcust_group where cust_no =:pocust_no");
    c.deleteSql = QStringLiteral("delete from supply where cust_no =:pcust_no");
    c.showRow = true;
    c.enterChains = {{QStringLiteral("CUST_NO"), QStringLiteral("CUST_NAME"), QStringLiteral("CUST_CRE")}};
    c.requiredColumn = QStringLiteral("CUST_NO");
    c.requiredText = QStringLiteral("ไม่มีข้อมูลรหัสลูกค้า ... ");
    c.cancelText = QStringLiteral("ข้อมูล ถูกยกเลิก... ");
    c.afterAdd = RegistryRow::Key;
    c.afterEdit = RegistryRow::Key;
    c.afterCancel = RegistryRow::Last;
    c.duplicateSql = QStringLiteral(" Select cust_no from supply  where cust_no =:m_cust_no ");
    c.duplicateText = QStringLiteral("ข้อมูลซ้ำ...");
    c.search = {{QStringLiteral("รหัส"), QStringLiteral("รหัสที่ต้องการค้นหา"), QStringLiteral("CUST_NO"),
                 RegistrySearch::Match::WholeIgnoringCase},
                {QStringLiteral("ชื่อ"), QStringLiteral("ชื่อที่ต้องการค้นหา"), QStringLiteral("CUST_NAME"),
                 RegistrySearch::Match::Prefix}};
    c.searchPreset = 1;
    c.searchColumns = {{.column = QStringLiteral("CUST_NO"), .title = QStringLiteral("รหัส")},
                       {.column = QStringLiteral("CUST_NAME"), .title = QStringLiteral("ชื่อ")}};
    c.searchBeside = QStringLiteral("CUST_NAME");
    c.searchClickCloses = true;
    return c;
}

QPushButton* button(RegistryScreen& s, const char* name)
{
    auto* b = s.findChild<QPushButton*>(QString::fromLatin1(name));
    if (!b) qFatal("no button %s", name);
    return b;
}

void click(RegistryScreen& s, const char* name) { button(s, name)->click(); }

QString enabledCommands(RegistryScreen& s)
{
    QStringList on;
    for (const char* name : {"btnAdd", "btnEdit", "btnDelete", "btnRefresh", "btnFirst", "btnPrior", "btnNext",
                             "btnLast", "btnCancel", "btnSave", "btnClose"})
        if (button(s, name)->isEnabled()) on << QString::fromLatin1(name);
    return on.join(QLatin1Char(' '));
}

} // namespace

class TestRegistryScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listLoadsOnFirstActivation();
    void commandsFollowTheMode_data();
    void commandsFollowTheMode();
    void emptyMainFieldIsRefused_data();
    void emptyMainFieldIsRefused();
    void addPutsCursorOnLastRow();
    void editReturnsToRememberedRow();
    void deleteAsks_data();
    void deleteAsks();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void failedSaveKeepsModeAndText_data();
    void failedSaveKeepsModeAndText();
    void fieldsTakeAtMostTheirLimit();
    void sortChoiceRereadsAndIsLockedWhileEditing();
    void enterMovesThroughFieldsToSave();
    void codeKeyMayChangeInEdit();
    void saveChecksOfCodeRegistry_data();
    void saveChecksOfCodeRegistry();
    void rowsShownInFields();
    void duplicateKeyDisablesSave();
    void searchPanelLocates_data();
    void searchPanelLocates();
    void closeReleasesConnection();
    void listReadByKey();
    void pagesTakeThePlaceOfTheFields();
};

void TestRegistryScreen::listLoadsOnFirstActivation()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    RegistryScreen s(drugTypes());
    FIXTURE_SQL(f, "insert into type (type) values ('ยาเม็ด')");
    QCOMPARE(s.rowCount(), 0);
    s.show();
    QCOMPARE(listed(s, QStringLiteral("TYPE")), QStringList{QStringLiteral("ยาเม็ด")});
    QCOMPARE(s.currentRow(), 0);
    QCOMPARE(s.mode(), QStringLiteral("normal"));
    QCOMPARE(s.grid()->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("ประเภท"));
    QVERIFY(s.grid()->isColumnHidden(0)); // AUTO
    QVERIFY(msgs.texts().isEmpty());
}

void TestRegistryScreen::commandsFollowTheMode_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<bool>("fieldsWritable");
    const QString browse = QStringLiteral("btnAdd btnEdit btnDelete btnRefresh btnFirst btnPrior btnNext btnLast btnClose");
    QTest::newRow("browse") << "" << "normal" << browse << false;
    QTest::newRow("add") << "btnAdd" << "add" << "btnCancel btnSave" << true;
    QTest::newRow("edit") << "btnEdit" << "edit" << "btnCancel btnSave" << true;
}

void TestRegistryScreen::commandsFollowTheMode()
{
    QFETCH(QString, command);
    QFETCH(QString, mode);
    QFETCH(QString, enabled);
    QFETCH(bool, fieldsWritable);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into sickness (sickness, sick_group) values ('ไข้หวัด', 'A1')");
    auto s = openRegistry(diseases());
    if (!command.isEmpty()) click(*s, command.toLatin1().constData());
    QCOMPARE(s->mode(), mode);
    QCOMPARE(enabledCommands(*s), enabled);
    QCOMPARE(!fieldEdit(*s, QStringLiteral("SICKNESS"))->isReadOnly(), fieldsWritable);
    QCOMPARE(!fieldEdit(*s, QStringLiteral("SICK_GROUP"))->isReadOnly(), fieldsWritable);
    QCOMPARE(s->findChild<QGroupBox*>(QStringLiteral("grpSort"))->isEnabled(), !fieldsWritable);
    QCOMPARE(s->grid()->isEnabled(), !fieldsWritable);
}

void TestRegistryScreen::emptyMainFieldIsRefused_data()
{
    QTest::addColumn<bool>("disease");
    QTest::newRow("drug types") << false;
    QTest::newRow("diseases, group typed") << true;
}

void TestRegistryScreen::emptyMainFieldIsRefused()
{
    QFETCH(bool, disease);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = openRegistry(disease ? diseases() : drugTypes());
    click(*s, "btnAdd");
    if (disease) typeInto(*s, QStringLiteral("SICK_GROUP"), QStringLiteral("B2"));
    click(*s, "btnSave");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ยังไม่มีข้อมูล...")});
    QCOMPARE(s->mode(), QStringLiteral("add"));
    QCOMPARE(stored(f, disease ? "select * from sickness" : "select * from type"), QStringList());
}

void TestRegistryScreen::addPutsCursorOnLastRow()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into type (type) values ('ยาเม็ด'), ('ยาน้ำ')");
    auto s = openRegistry(drugTypes());
    click(*s, "btnAdd");
    QCOMPARE(QApplication::focusWidget(), s->field(QStringLiteral("TYPE")));
    typeInto(*s, QStringLiteral("TYPE"), QStringLiteral("ครีม"));
    click(*s, "btnSave");

    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(s->mode(), QStringLiteral("normal"));
    QCOMPARE(listed(*s, QStringLiteral("TYPE")),
             (QStringList{QStringLiteral("ครีม"), QStringLiteral("ยาน้ำ"), QStringLiteral("ยาเม็ด")}));
    QCOMPARE(s->currentRow(), 2);
    QCOMPARE(s->rowValue(QStringLiteral("TYPE")).toString(), QStringLiteral("ยาเม็ด"));
    QCOMPARE(s->value(QStringLiteral("TYPE")).toString(), QString());
    QCOMPARE(stored(f, "select type from type where type = 'ครีม'"), QStringList{QStringLiteral("ครีม")});
}

void TestRegistryScreen::editReturnsToRememberedRow()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into type (type) values ('ก-ยาผง'), ('ข-ยาน้ำ'), ('ค-ยาเม็ด')");
    auto s = openRegistry(drugTypes());
    click(*s, "btnNext");
    QCOMPARE(s->currentRow(), 1);
    const int id = s->rowValue(QStringLiteral("AUTO")).toInt();
    click(*s, "btnEdit");
    QCOMPARE(s->value(QStringLiteral("TYPE")).toString(), QStringLiteral("ข-ยาน้ำ"));
    typeInto(*s, QStringLiteral("TYPE"), QStringLiteral("ฮ-ยาหยอด")); // now sorts last
    click(*s, "btnSave");

    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(s->currentRow(), 1);
    QCOMPARE(s->rowValue(QStringLiteral("TYPE")).toString(), QStringLiteral("ค-ยาเม็ด"));
    QCOMPARE(s->value(QStringLiteral("TYPE")).toString(), QString());
    QCOMPARE(stored(f, "select auto, type from type order by auto"),
             (QStringList{QStringLiteral("%1|ก-ยาผง").arg(id - 1), QStringLiteral("%1|ฮ-ยาหยอด").arg(id),
                          QStringLiteral("%1|ค-ยาเม็ด").arg(id + 1)}));
}

void TestRegistryScreen::deleteAsks_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("row");
    QTest::newRow("yes") << true << QStringList{QStringLiteral("ก"), QStringLiteral("ค"), QStringLiteral("ง")} << 2;
    QTest::newRow("no") << false
                        << QStringList{QStringLiteral("ก"), QStringLiteral("ข"), QStringLiteral("ค"), QStringLiteral("ง")}
                        << 1;
}

void TestRegistryScreen::deleteAsks()
{
    QFETCH(bool, yes);
    QFETCH(QStringList, left);
    QFETCH(int, row);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into type (type) values ('ง'), ('ข'), ('ก'), ('ค')");
    auto s = openRegistry(drugTypes());
    s->setCurrentRow(1);
    msgs.answer(yes);
    click(*s, "btnDelete");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ต้องการลบข้อมูลนี้ ?")});
    QCOMPARE(msgs.entries.first().kind, ScriptedMessageService::Entry::Question);
    QCOMPARE(stored(f, "select type from type order by type"), left);
    QCOMPARE(listed(*s, QStringLiteral("TYPE")), left);
    QCOMPARE(s->currentRow(), row);
}

void TestRegistryScreen::cancelWritesNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("add") << "btnAdd";
    QTest::newRow("edit") << "btnEdit";
}

void TestRegistryScreen::cancelWritesNothing()
{
    QFETCH(QString, command);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into sickness (sickness, sick_group) values ('ไข้หวัด', 'A1'), ('หอบหืด', 'B2')");
    auto s = openRegistry(diseases());
    s->setCurrentRow(1);
    click(*s, command.toLatin1().constData());
    typeInto(*s, QStringLiteral("SICKNESS"), QStringLiteral("ท้องเสีย"));
    typeInto(*s, QStringLiteral("SICK_GROUP"), QStringLiteral("C3"));
    click(*s, "btnCancel");

    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(s->mode(), QStringLiteral("normal"));
    QCOMPARE(s->currentRow(), 1);
    QCOMPARE(stored(f, "select sickness, sick_group from sickness order by auto"),
             (QStringList{QStringLiteral("ไข้หวัด|A1"), QStringLiteral("หอบหืด|B2")}));
    // The name is emptied; the group keeps its text.
    QCOMPARE(s->value(QStringLiteral("SICKNESS")).toString(), QString());
    QCOMPARE(s->value(QStringLiteral("SICK_GROUP")).toString(), QStringLiteral("C3"));
}

void TestRegistryScreen::failedSaveKeepsModeAndText_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("add") << "btnAdd";
    QTest::newRow("edit") << "btnEdit";
}

void TestRegistryScreen::failedSaveKeepsModeAndText()
{
    QFETCH(QString, command);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into type (type) values ('ยาเม็ด')");
    auto s = openRegistry(drugTypes());
    click(*s, command.toLatin1().constData());
    typeInto(*s, QStringLiteral("TYPE"), QStringLiteral("ยาฉีด"));
    FIXTURE_SQL(f, "alter table type rename to type_away");
    click(*s, "btnSave");

    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ ")});
    QCOMPARE(s->mode(), command == QLatin1String("btnAdd") ? QStringLiteral("add") : QStringLiteral("edit"));
    QCOMPARE(s->value(QStringLiteral("TYPE")).toString(), QStringLiteral("ยาฉีด"));
    QVERIFY(button(*s, "btnSave")->isEnabled());

    // The save can be repeated once the table is back.
    FIXTURE_SQL(f, "alter table type_away rename to type");
    click(*s, "btnSave");
    QCOMPARE(msgs.texts().size(), 1);
    QCOMPARE(s->mode(), QStringLiteral("normal"));
    QVERIFY(stored(f, "select type from type").contains(QStringLiteral("ยาฉีด")));
}

void TestRegistryScreen::fieldsTakeAtMostTheirLimit()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = openRegistry(diseases());
    click(*s, "btnAdd");
    QTest::keyClicks(fieldEdit(*s, QStringLiteral("SICK_GROUP")), QStringLiteral("ABC"));
    QCOMPARE(s->value(QStringLiteral("SICK_GROUP")).toString(), QStringLiteral("AB"));
    // A field without a limit of its own holds what its column holds.
    QCOMPARE(fieldEdit(*s, QStringLiteral("SICKNESS"))->maxLength(), 100);
    auto t = openRegistry(codes());
    QCOMPARE(fieldEdit(*t, QStringLiteral("CUST_NO"))->maxLength(), 5);
    QCOMPARE(fieldEdit(*t, QStringLiteral("CUST_CRE"))->maxLength(), 6);
}

void TestRegistryScreen::sortChoiceRereadsAndIsLockedWhileEditing()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into sickness (sickness, sick_group) values ('ก-ไข้', 'B1'), ('ข-ไอ', ''), ('ค-เจ็บคอ', 'A1')");
    auto s = openRegistry(diseases());
    QCOMPARE(listed(*s, QStringLiteral("SICKNESS")),
             (QStringList{QStringLiteral("ก-ไข้"), QStringLiteral("ข-ไอ"), QStringLiteral("ค-เจ็บคอ")}));
    auto* byGroup = s->findChild<QRadioButton*>(QStringLiteral("rbSort_1"));
    QCOMPARE(byGroup->text(), QStringLiteral("กลุ่มโรค"));
    QCOMPARE(s->findChild<QGroupBox*>(QStringLiteral("grpSort"))->title(), QStringLiteral("  จัดเรียงโดย  "));

    // Rows added since the list was read appear with the new order.
    FIXTURE_SQL(f, "insert into sickness (sickness, sick_group) values ('ง-ผื่น', 'A2')");
    byGroup->click();
    QCOMPARE(listed(*s, QStringLiteral("SICK_GROUP")),
             (QStringList{QString(), QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("B1")}));

    click(*s, "btnAdd");
    QVERIFY(!byGroup->isEnabled());
    typeInto(*s, QStringLiteral("SICKNESS"), QStringLiteral("จ-หวัด"));
    click(*s, "btnSave");
    QVERIFY(byGroup->isEnabled());
    // An empty group is stored empty and sorts first; the cursor is on the last row in group order.
    QStringList emptyGroup = listed(*s, QStringLiteral("SICKNESS")).mid(0, 2);
    emptyGroup.sort();
    QCOMPARE(emptyGroup, (QStringList{QStringLiteral("ข-ไอ"), QStringLiteral("จ-หวัด")}));
    QCOMPARE(s->rowValue(QStringLiteral("SICKNESS")).toString(), QStringLiteral("ก-ไข้"));
    QCOMPARE(stored(f, "select sick_group is null, sick_group from sickness where sickness = 'จ-หวัด'"),
             QStringList{QStringLiteral("0|")});
}

void TestRegistryScreen::enterMovesThroughFieldsToSave()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = openRegistry(diseases());
    click(*s, "btnAdd");
    QWidget* name = s->field(QStringLiteral("SICKNESS"));
    QCOMPARE(QApplication::focusWidget(), name);
    keyText(name, QStringLiteral("ไข้เลือดออก"));
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s->field(QStringLiteral("SICK_GROUP")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("A9"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), button(*s, "btnSave"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QCOMPARE(s->mode(), QStringLiteral("normal"));
    QCOMPARE(stored(f, "select sickness, sick_group from sickness"), QStringList{QStringLiteral("ไข้เลือดออก|A9")});
    QCOMPARE(QApplication::focusWidget(), s->grid());
}

void TestRegistryScreen::codeKeyMayChangeInEdit()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name, cust_cre, cust_disc) values"
                   " ('S01', 'หนึ่ง', 'สด', 0), ('S02', 'สอง', '7 ว.', 2.5), ('S03', 'สาม', 'สด', 0)");
    auto s = openRegistry(codes());
    s->setCurrentRow(1);
    click(*s, "btnEdit");
    QCOMPARE(s->value(QStringLiteral("CUST_DISC")).toString(), QStringLiteral("2.5"));
    typeInto(*s, QStringLiteral("CUST_NO"), QStringLiteral("S09"));
    typeInto(*s, QStringLiteral("CUST_DISC"), QStringLiteral("3"));
    click(*s, "btnSave");

    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(stored(f, "select cust_no, cust_name, cust_cre, cust_disc from supply order by cust_no"),
             (QStringList{QStringLiteral("S01|หนึ่ง|สด|0"), QStringLiteral("S03|สาม|สด|0"),
                          QStringLiteral("S09|สอง|7 ว.|3")}));
    // The former code is gone, so the cursor stays where the re-read left it.
    QCOMPARE(s->currentRow(), 0);

    // Without a change of code the cursor finds the edited row again.
    s->setCurrentRow(2);
    click(*s, "btnEdit");
    typeInto(*s, QStringLiteral("CUST_NAME"), QStringLiteral("สองใหม่"));
    click(*s, "btnSave");
    QCOMPARE(s->rowValue(QStringLiteral("CUST_NO")).toString(), QStringLiteral("S09"));
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QStringLiteral("สองใหม่"));

    // A new code: the cursor goes to the new row.
    click(*s, "btnAdd");
    typeInto(*s, QStringLiteral("CUST_NO"), QStringLiteral("s02"));
    click(*s, "btnSave");
    QCOMPARE(s->currentRow(), 3);
    QCOMPARE(s->rowValue(QStringLiteral("CUST_NO")).toString(), QStringLiteral("s02"));
}

void TestRegistryScreen::saveChecksOfCodeRegistry_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("empty code") << "" << "10 วัน" << "x" << "ไม่มีข้อมูลรหัสลูกค้า ... " << "ed_CUST_NO";
    QTest::newRow("credit off the list") << "S01" << "10 วัน" << "0" << "ข้อมูลเครดิตไม่ถูกต้อง" << "ed_CUST_CRE";
    QTest::newRow("credit with a trailing blank") << "S01" << "2 ด. " << "0" << "ข้อมูลเครดิตไม่ถูกต้อง" << "ed_CUST_CRE";
    QTest::newRow("discount no number") << "S01" << "2 ด." << "5%" << "ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ " << "";
    QTest::newRow("discount empty") << "S01" << "2 ด." << "" << "ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ " << "";
    QTest::newRow("code taken") << "S00" << "สด" << "0" << "ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ " << "";
    QTest::newRow("accepted") << "S01" << "2 ด." << "1.5" << "" << "";
}

void TestRegistryScreen::saveChecksOfCodeRegistry()
{
    QFETCH(QString, code);
    QFETCH(QString, credit);
    QFETCH(QString, discount);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name) values ('S00', 'เดิม')");
    RegistryConfig config = codes();
    config.duplicateSql.clear(); // the table's key decides
    auto s = openRegistry(config);
    click(*s, "btnAdd");
    typeInto(*s, QStringLiteral("CUST_NO"), code);
    typeInto(*s, QStringLiteral("CUST_NAME"), QStringLiteral("ใหม่"));
    typeInto(*s, QStringLiteral("CUST_CRE"), credit);
    typeInto(*s, QStringLiteral("CUST_DISC"), discount);
    click(*s, "btnSave");

    const QStringList rows = stored(f, "select cust_no, cust_cre, cust_disc, cust_group from supply order by cust_no");
    if (message.isEmpty()) {
        QVERIFY(msgs.texts().isEmpty());
        QCOMPARE(rows, (QStringList{QStringLiteral("S00||0|"), QStringLiteral("S01|2 ด.|1.5|1")}));
        QCOMPARE(s->mode(), QStringLiteral("normal"));
        return;
    }
    QCOMPARE(msgs.texts(), QStringList{message});
    QCOMPARE(rows, QStringList{QStringLiteral("S00||0|")});
    QCOMPARE(s->mode(), QStringLiteral("add"));
    QCOMPARE(s->value(QStringLiteral("CUST_CRE")).toString(), credit);
    if (!focus.isEmpty()) QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestRegistryScreen::rowsShownInFields()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name, cust_cre, cust_disc) values"
                   " ('S01', 'หนึ่ง', '10 วัน', 0), ('S02', 'สอง', '7 ว.', 2.5)");
    FIXTURE_SQL(f, "update supply set cust_group = '1' where cust_no = 'S02'");
    auto s = openRegistry(codes());
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), QStringLiteral("S01"));
    // A stored term off the list is shown as it is.
    QCOMPARE(s->value(QStringLiteral("CUST_CRE")).toString(), QStringLiteral("10 วัน"));
    auto* grade = qobject_cast<QCheckBox*>(s->field(QStringLiteral("CUST_GROUP")));
    QCOMPARE(s->value(QStringLiteral("CUST_GROUP")).toString(), QString());
    QVERIFY(!grade->isEnabled());
    click(*s, "btnNext");
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QStringLiteral("สอง"));
    QVERIFY(grade->isChecked());

    click(*s, "btnFirst");
    click(*s, "btnAdd");
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), QString());
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QString());
    QCOMPARE(s->value(QStringLiteral("CUST_CRE")).toString(), QStringLiteral("สด"));
    QCOMPARE(s->value(QStringLiteral("CUST_DISC")).toString(), QStringLiteral("0"));
    QCOMPARE(s->value(QStringLiteral("CUST_GROUP")).toString(), QStringLiteral("1"));
    QVERIFY(grade->isEnabled());

    // Cancel tells so and shows the last row.
    click(*s, "btnCancel");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ข้อมูล ถูกยกเลิก... ")});
    QCOMPARE(s->currentRow(), 1);
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), QStringLiteral("S02"));
    QCOMPARE(s->value(QStringLiteral("CUST_DISC")).toString(), QStringLiteral("2.5"));

    // Delete takes the row of the current code.
    msgs.answer(true);
    click(*s, "btnDelete");
    QCOMPARE(stored(f, "select cust_no from supply"), QStringList{QStringLiteral("S01")});
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), QStringLiteral("S01"));
}

void TestRegistryScreen::duplicateKeyDisablesSave()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name) values ('S01', 'หนึ่ง')");
    auto s = openRegistry(codes());
    QWidget* code = s->field(QStringLiteral("CUST_NO"));
    QWidget* name = s->field(QStringLiteral("CUST_NAME"));
    click(*s, "btnAdd");
    QTest::keyClicks(code, QStringLiteral("S01"));
    QTest::keyClick(code, Qt::Key_Return); // leaves the field
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ข้อมูลซ้ำ...")});
    QVERIFY(!button(*s, "btnSave")->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), code);

    typeInto(*s, QStringLiteral("CUST_NO"), QStringLiteral("S02"));
    name->setFocus();
    QVERIFY(button(*s, "btnSave")->isEnabled());
    QCOMPARE(msgs.texts().size(), 1);

    // Leaving the field while editing checks nothing.
    click(*s, "btnCancel");
    click(*s, "btnEdit");
    code->setFocus();
    name->setFocus();
    QCOMPARE(msgs.texts().size(), 2); // the cancel message only
    QVERIFY(button(*s, "btnSave")->isEnabled());
}

void TestRegistryScreen::searchPanelLocates_data()
{
    QTest::addColumn<int>("by");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::newRow("code, letter case aside") << 0 << "ab01" << "AB01";
    QTest::newRow("code, whole value only") << 0 << "AB" << "Z9";
    QTest::newRow("name prefix, first in code order") << 1 << "สม" << "AB01";
    QTest::newRow("name prefix, letter case counts") << 1 << "bangkok" << "Z9";
    QTest::newRow("name prefix, exact case") << 1 << "Bang" << "C7";
}

void TestRegistryScreen::searchPanelLocates()
{
    QFETCH(int, by);
    QFETCH(QString, text);
    QFETCH(QString, found);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name) values ('Z9', 'สมหญิง'), ('AB01', 'สมชาย'),"
                   " ('AB011', 'นที'), ('C7', 'Bangkok Drug')");
    auto s = openRegistry(codes());
    click(*s, "btnLast");
    click(*s, "btnSearch");
    auto* panel = s->findChild<QWidget*>(QStringLiteral("searchPanel"));
    auto* search = s->findChild<QLineEdit*>(QStringLiteral("edSearch"));
    auto* label = s->findChild<QLabel*>(QStringLiteral("lblSearch"));
    QVERIFY(panel->isVisible());
    QCOMPARE(enabledCommands(*s), QString());
    QCOMPARE(label->text(), QStringLiteral("ชื่อที่ต้องการค้นหา"));
    QCOMPARE(QApplication::focusWidget(), search);
    if (by == 0) {
        s->findChild<QRadioButton*>(QStringLiteral("rbSearch_0"))->click();
        QCOMPARE(label->text(), QStringLiteral("รหัสที่ต้องการค้นหา"));
    }
    keyText(search, text);
    QTest::keyClick(search, Qt::Key_Return);

    QVERIFY(!panel->isVisible());
    QCOMPARE(s->rowValue(QStringLiteral("CUST_NO")).toString(), found);
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), found);
    QVERIFY(button(*s, "btnAdd")->isEnabled());

    // Opening again starts with the name and an empty text; a click on a row
    // takes that row and its name, and closes the panel.
    click(*s, "btnSearch");
    QCOMPARE(search->text(), QString());
    QVERIFY(s->findChild<QRadioButton*>(QStringLiteral("rbSearch_1"))->isChecked());
    auto* grid = s->findChild<QTableView*>(QStringLiteral("searchGrid"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(2, 0)).center());
    QCOMPARE(s->rowValue(QStringLiteral("CUST_NO")).toString(), QStringLiteral("C7"));
    QCOMPARE(search->text(), QStringLiteral("Bangkok Drug"));
    QVERIFY(!panel->isVisible());
}

void TestRegistryScreen::closeReleasesConnection()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    QMdiArea area;
    area.show();
    const int before = int(QSqlDatabase::connectionNames().size());
    QPointer<RegistryScreen> s = new RegistryScreen(drugTypes());
    s->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = area.addSubWindow(s);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
    QCOMPARE(int(QSqlDatabase::connectionNames().size()), before + 1);
    QVERIFY(s->connection().isOpen());
    click(*s, "btnClose");
    QTRY_VERIFY(s.isNull());
    QCOMPARE(int(QSqlDatabase::connectionNames().size()), before);
    QVERIFY(area.subWindowList().isEmpty());
}

// A list read by key: the keys first, then windows of rows; a search over
// another column runs its own statement.
void TestRegistryScreen::listReadByKey()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "with recursive n(i) as (select 1 union all select i + 1 from n where i < 450)"
                   " insert into supply (cust_no, cust_name, cust_disc) select 'S' || substr('000' || i, -4),"
                   " case when i = 333 then 'Bangkok Drug' else 'ร้าน ' || i end, i from n");
    RegistryConfig config = codes();
    config.listSql.clear();
    config.listKeysSql = QStringLiteral("select cust_no from supply order by cust_no");
    config.listRowsSql = QStringLiteral("select * from supply where cust_no between :pfirst and :plast order by cust_no");
    config.search[1].sql = QStringLiteral("select cust_no from supply where substr(cust_name, 1, length(:ptext)) = :ptext"
                                          " order by cust_no limit 1");
    auto s = openRegistry(config);
    QCOMPARE(s->rowCount(), 450);
    QCOMPARE(s->value(QStringLiteral("CUST_NO")).toString(), QStringLiteral("S0001"));
    click(*s, "btnLast");
    QCOMPARE(s->value(QStringLiteral("CUST_DISC")).toString(), QStringLiteral("450"));
    QCOMPARE(s->listValue(250, QStringLiteral("CUST_NAME")).toString(), QStringLiteral("ร้าน 251"));

    click(*s, "btnSearch");
    keyText(s->findChild<QLineEdit*>(QStringLiteral("edSearch")), QStringLiteral("Bang"));
    QTest::keyClick(s->findChild<QLineEdit*>(QStringLiteral("edSearch")), Qt::Key_Return);
    QCOMPARE(s->currentRow(), 332);
    click(*s, "btnSearch");
    s->findChild<QRadioButton*>(QStringLiteral("rbSearch_0"))->click();
    keyText(s->findChild<QLineEdit*>(QStringLiteral("edSearch")), QStringLiteral("s0007"));
    QTest::keyClick(s->findChild<QLineEdit*>(QStringLiteral("edSearch")), Qt::Key_Return);
    QCOMPARE(s->currentRow(), 6);

    // Saving re-reads the keys and finds the new row.
    click(*s, "btnAdd");
    typeInto(*s, QStringLiteral("CUST_NO"), QStringLiteral("S010a"));
    click(*s, "btnSave");
    QCOMPARE(s->rowCount(), 451);
    QCOMPARE(s->currentRow(), 109); // after S0109
    QCOMPARE(s->value(QStringLiteral("CUST_DISC")).toString(), QStringLiteral("0"));
    QVERIFY(msgs.texts().isEmpty());
}

void TestRegistryScreen::pagesTakeThePlaceOfTheFields()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name) values ('S01', 'หนึ่ง')");
    auto s = openRegistry(codes());
    auto* page = new QWidget;
    s->addPage(page);
    auto* own = new QPushButton(QStringLiteral("รูป"));
    s->addBesideFields(own);
    s->enableWith(own, true);
    QVERIFY(!page->isVisible());
    QVERIFY(!own->isEnabled());

    click(*s, "btnEdit");
    QVERIFY(own->isEnabled());
    s->openPage(page);
    QVERIFY(page->isVisible());
    QVERIFY(!s->fieldsArea()->isVisible());
    QCOMPARE(enabledCommands(*s), QString());
    QVERIFY(!own->isEnabled());
    s->closePage();
    QVERIFY(s->fieldsArea()->isVisible());
    QCOMPARE(enabledCommands(*s), QStringLiteral("btnCancel btnSave"));
    QVERIFY(own->isEnabled());

    // Add is refused while a page is open.
    click(*s, "btnCancel");
    s->openPage(page);
    s->add();
    QCOMPARE(s->mode(), QStringLiteral("normal"));
    s->closePage();
    QVERIFY(button(*s, "btnAdd")->isEnabled());
}

QTEST_MAIN(TestRegistryScreen)
#include "test_registryscreen.moc"
