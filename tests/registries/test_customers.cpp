// The customer and patient registry driven through its widgets: defaults of
// Add, the duplicate number, the credit term, the national ID check digit,
// a number changed in an edit, the search panel, Cancel and Delete, a save
// that fails, the age, the four pictures with their pages, the envelope and
// the member card, and a list read by key.

#include "data/thaidate.h"
#include "platform/print/printpreview.h"
#include "platform/ui/messageservice.h"
#include "registries/customerpictures.h"
#include "registries/customers.h"
#include "support/fixture.h"
#include "support/registrydriver.h"
#include "support/widgetdriver.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

namespace {

const QString No = QStringLiteral("CUST_NO");

void insertCustomers(const DataFolderFixture& f, const QStringList& numbersAndNames)
{
    for (const QString& pair : numbersAndNames) {
        const QStringList p = pair.split(QLatin1Char('|'));
        QVERIFY(execSql(f.db(), QStringLiteral("insert into customer (cust_no, cust_name, cust_birth, cust_cre, cust_disc)"
                                               " values (:n, :m, '15/01/2540', 'สด', 1.5)"),
                        {{"n", p[0]}, {"m", p[1]}}));
    }
}

void writeImage(const QString& path, Qt::GlobalColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "JPG"));
}

// The colour in the middle of a picture box; invalid when it is empty.
QColor shown(RegistryScreen& s, const char* box)
{
    const QPixmap p = child<QLabel>(&s, box)->pixmap();
    if (p.isNull()) return {};
    const QImage i = p.toImage();
    return i.pixelColor(i.width() / 2, i.height() / 2);
}

bool isRed(const QColor& c) { return c.isValid() && c.red() > 200 && c.blue() < 60; }
bool isBlue(const QColor& c) { return c.isValid() && c.blue() > 200 && c.red() < 60; }
bool isGreen(const QColor& c) { return c.isValid() && c.green() > 100 && c.red() < 60 && c.blue() < 60; }

} // namespace

class TestCustomers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnLastRowWithEveryFieldReadOnly();
    void newCustomerWithNumberAndNameOnly();
    void duplicateNumberDisablesSave();
    void saveChecks_data();
    void saveChecks();
    void nationalIdCheckDigitWarns_data();
    void nationalIdCheckDigitWarns();
    void numberChangedInEdit();
    void searchPanel_data();
    void searchPanel();
    void cancelAndDeleteGoToLastRow();
    void enterOrder();
    void ageText_data();
    void ageText();
    void ageLabelFollowsTheBirthDate();
    void picturesFallBackToTempJpg();
    void choosingAPictureCopiesItAtOnce();
    void picturesFollowANewNumber();
    void choosingAPictureNeedsAUsableNumber_data();
    void choosingAPictureNeedsAUsableNumber();
    void zoomPageSwitchesPictures();
    void memberCardOfTheStoredType_data();
    void memberCardOfTheStoredType();
    void listIsReadByKey();
    void openWindowLeavesNoReadLock();
};

void TestCustomers::opensOnLastRowWithEveryFieldReadOnly()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"000002|ข", "000001|ก", "000003|ค"});
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    auto* s = new RegistryScreen(CustomersRegistry());
    QMdiSubWindow* sub = area.addSubWindow(s);
    sub->move(120, 80);
    sub->show();
    // It places itself at the top left of the frame and shows the last row.
    QCOMPARE(sub->pos(), QPoint(0, 0));
    QCOMPARE(s->windowTitle(), QStringLiteral(" ทะเบียนผู้ป่วย / ลูกค้า"));
    QCOMPARE(s->value(No).toString(), QStringLiteral("000003"));
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QStringLiteral("ค"));
    QCOMPARE(listed(*s, No), (QStringList{"000001", "000002", "000003"}));
    for (const char* column : {"CUST_NO", "CUST_NAME", "CUST_CARD", "CUST_BIRTH", "CUST_HPS", "CUST_GROUP"})
        QVERIFY2(fieldEdit(*s, QString::fromLatin1(column))->isReadOnly(), column);
    QVERIFY(!s->field(QStringLiteral("CUST_CRE"))->isEnabled());
    QVERIFY(!s->field(QStringLiteral("CUST_DISC"))->isVisible());
    QVERIFY(msgs.texts().isEmpty());
}

void TestCustomers::newCustomerWithNumberAndNameOnly()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"000001|ก", "000009|ฮ"});
    auto s = openRegistry(CustomersRegistry());
    click(s.get(), "btnAdd");
    QCOMPARE(s->mode(), QStringLiteral("add"));
    QCOMPARE(QApplication::focusWidget(), s->field(No));
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QString());
    QCOMPARE(s->value(QStringLiteral("CUST_CRE")).toString(), QStringLiteral("สด"));
    QCOMPARE(s->value(QStringLiteral("CUST_BIRTH")).toString(), TodayText());
    QCOMPARE(enabledOf(*s, {"btnAdd", "btnEdit", "btnDelete", "btnRefresh", "btnFirst", "btnSearch", "btnEnvelope",
                            "btnCard", "btnClose", "btnCancel", "btnSave", "btnPicture1"}),
             QStringLiteral("btnCancel btnSave btnPicture1"));
    typeInto(*s, No, QStringLiteral("000005"));
    typeInto(*s, QStringLiteral("CUST_NAME"), QStringLiteral("นายใหม่ มาก่อน"));
    click(s.get(), "btnSave");

    QVERIFY(msgs.texts().isEmpty());
    QCOMPARE(s->mode(), QStringLiteral("normal"));
    QCOMPARE(stored(f, "select cust_cre, cust_disc, cust_wght, cust_tall, cust_birth, cust_card, cust_flag, cust_head,"
                       " cust_attn, cust_add3, cust_add5 from customer where cust_no = '000005'"),
             QStringList{QStringLiteral("สด|0|0|0|%1||||||").arg(TodayText())});
    // The saved row is shown.
    QCOMPARE(s->currentRow(), 1);
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QStringLiteral("นายใหม่ มาก่อน"));
}

void TestCustomers::duplicateNumberDisablesSave()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"A001|ก"});
    auto s = openRegistry(CustomersRegistry());
    click(s.get(), "btnAdd");
    keyText(s->field(No), QStringLiteral("A001"));
    pressEnter(); // leaves the number
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ข้อมูลซ้ำ...")});
    QVERIFY(!pushButton(s.get(), "btnSave")->isEnabled());
    QTRY_COMPARE(QApplication::focusWidget(), s->field(No));
    // The check matches the number as typed.
    typeInto(*s, No, QStringLiteral("a001"));
    s->field(QStringLiteral("CUST_NAME"))->setFocus();
    QVERIFY(pushButton(s.get(), "btnSave")->isEnabled());
    QCOMPARE(msgs.texts().size(), 1);
}

void TestCustomers::saveChecks_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<bool>("takenMeanwhile"); // by another workstation after the duplicate check
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("empty number") << "" << "สด" << false << "ไม่มีข้อมูลรหัสลูกค้า ... " << "ed_CUST_NO";
    QTest::newRow("2 เดือน") << "000007" << "2 เดือน" << false << "ข้อมูลเครดิตไม่ถูกต้อง" << "ed_CUST_CRE";
    QTest::newRow("trailing blank") << "000007" << "2 ด. " << false << "ข้อมูลเครดิตไม่ถูกต้อง" << "ed_CUST_CRE";
    QTest::newRow("ten days") << "000007" << "10 ว." << false << "ข้อมูลเครดิตไม่ถูกต้อง" << "ed_CUST_CRE";
    QTest::newRow("number taken meanwhile") << "000007" << "2 ด." << true << "ขณะนี้ ไม่สามารถบันทึกข้อมูลได้ " << "";
    QTest::newRow("2 ด.") << "000007" << "2 ด." << false << "" << "";
}

void TestCustomers::saveChecks()
{
    QFETCH(QString, number);
    QFETCH(QString, credit);
    QFETCH(bool, takenMeanwhile);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = openRegistry(CustomersRegistry());
    click(s.get(), "btnAdd");
    typeInto(*s, No, number);
    typeInto(*s, QStringLiteral("CUST_NAME"), QStringLiteral("นางทดสอบ"));
    typeInto(*s, QStringLiteral("CUST_HPS"), QStringLiteral("แพ้เพนิซิลลิน"));
    typeInto(*s, QStringLiteral("CUST_CRE"), credit);
    if (takenMeanwhile) insertCustomers(f, {number + QStringLiteral("|คนอื่น")});
    click(s.get(), "btnSave");

    if (message.isEmpty()) {
        QVERIFY(msgs.texts().isEmpty());
        QCOMPARE(stored(f, "select cust_no, cust_cre, cust_hps from customer"),
                 QStringList{QStringLiteral("000007|2 ด.|แพ้เพนิซิลลิน")});
        return;
    }
    QCOMPARE(msgs.texts(), QStringList{message});
    QCOMPARE(s->mode(), QStringLiteral("add"));
    QCOMPARE(stored(f, "select count(*) from customer where cust_name = 'นางทดสอบ'"), QStringList{"0"});
    // What was typed stays.
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QStringLiteral("นางทดสอบ"));
    QCOMPARE(s->value(QStringLiteral("CUST_HPS")).toString(), QStringLiteral("แพ้เพนิซิลลิน"));
    // The credit field takes the column's 6 characters ("2 เดือน" is seven).
    QCOMPARE(s->value(QStringLiteral("CUST_CRE")).toString(), credit.left(6));
    if (!focus.isEmpty()) QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestCustomers::nationalIdCheckDigitWarns_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("warned");
    QTest::newRow("valid") << "1101700207030" << false;
    QTest::newRow("check digit wrong") << "1101700207031" << true;
    QTest::newRow("12 digits") << "110170020703" << false;
    QTest::newRow("not all digits") << "1-1017002070" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCustomers::nationalIdCheckDigitWarns()
{
    QFETCH(QString, id);
    QFETCH(bool, warned);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"000001|ก"});
    auto s = openRegistry(CustomersRegistry());
    click(s.get(), "btnEdit");
    typeInto(*s, QStringLiteral("CUST_CARD"), id);
    click(s.get(), "btnSave");
    QCOMPARE(msgs.texts(), warned ? QStringList{ThaiIdWarningText()} : QStringList());
    if (warned) QCOMPARE(msgs.entries.first().kind, ScriptedMessageService::Entry::Information);
    // The save goes on either way.
    QCOMPARE(s->mode(), QStringLiteral("normal"));
    QCOMPARE(stored(f, "select cust_card from customer"), QStringList{id});
}

void TestCustomers::numberChangedInEdit()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"000001|ก", "000002|ข", "000003|ค"});
    FIXTURE_SQL(f, "insert into service (serv_no, cust_no, cust_name) values ('SV01100001', '000002', 'ข')");
    auto s = openRegistry(CustomersRegistry());
    s->setCurrentRow(1);
    click(s.get(), "btnEdit");
    QCOMPARE(s->value(QStringLiteral("CUST_DISC")).toDouble(), 1.5);
    typeInto(*s, No, QStringLiteral("000009"));
    click(s.get(), "btnSave");

    QVERIFY(msgs.texts().isEmpty());
    // The same row, found by its former number; the hidden discount is kept.
    QCOMPARE(stored(f, "select cust_no, cust_name, cust_disc from customer order by cust_no"),
             (QStringList{"000001|ก|1.5", "000003|ค|1.5", "000009|ข|1.5"}));
    // The list returns to the remembered position, which now holds the next row.
    QCOMPARE(s->currentRow(), 1);
    QCOMPARE(s->value(No).toString(), QStringLiteral("000003"));
    // The visit keeps the number it was saved with.
    QCOMPARE(stored(f, "select cust_no from service"), QStringList{"000002"});
}

void TestCustomers::searchPanel_data()
{
    QTest::addColumn<int>("by"); // 0 number, 1 name
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::newRow("number, letter case aside") << 0 << "ab01" << "AB01";
    QTest::newRow("number, whole value only") << 0 << "AB0" << "Z9";
    QTest::newRow("name prefix, first in number order") << 1 << "สม" << "AB01";
    QTest::newRow("name prefix, letter case counts") << 1 << "bang" << "Z9";
    QTest::newRow("name prefix") << 1 << "Bang" << "C7";
    QTest::newRow("nothing matches: the list stays") << 1 << "ไม่มี" << "Z9";
}

void TestCustomers::searchPanel()
{
    QFETCH(int, by);
    QFETCH(QString, text);
    QFETCH(QString, found);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"Z9|สมหญิง", "AB01|สมชาย", "AB011|นที", "C7|Bangkok"});
    auto s = openRegistry(CustomersRegistry());
    QCOMPARE(s->value(No).toString(), QStringLiteral("Z9"));
    click(s.get(), "btnSearch");
    auto* search = lineEdit(s.get(), "edSearch");
    QCOMPARE(child<QLabel>(s.get(), "lblSearch")->text(), QStringLiteral("ชื่อที่ต้องการค้นหา"));
    QVERIFY(child<QRadioButton>(s.get(), "rbSearch_1")->isChecked());
    auto* grid = child<QTableView>(s.get(), "searchGrid");
    QCOMPARE(grid->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("รหัสลูกค้า"));
    if (by == 0) {
        child<QRadioButton>(s.get(), "rbSearch_0")->click();
        QCOMPARE(child<QLabel>(s.get(), "lblSearch")->text(), QStringLiteral("รหัสที่ต้องการค้นหา"));
    }
    keyText(search, text);
    QTest::keyClick(search, Qt::Key_Return);
    QVERIFY(!child<QWidget>(s.get(), "searchPanel")->isVisible());
    QCOMPARE(s->value(No).toString(), found);
    QVERIFY(pushButton(s.get(), "btnAdd")->isEnabled());

    // A click on a row copies its number or name into the text; the panel stays.
    click(s.get(), "btnSearch");
    if (by == 0) child<QRadioButton>(s.get(), "rbSearch_0")->click();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(3, 0)).center());
    QCOMPARE(search->text(), by == 0 ? QStringLiteral("Z9") : QStringLiteral("สมหญิง"));
    QVERIFY(child<QWidget>(s.get(), "searchPanel")->isVisible());
    QVERIFY(msgs.texts().isEmpty());
}

void TestCustomers::cancelAndDeleteGoToLastRow()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"000001|ก", "000002|ข", "000003|ค"});
    FIXTURE_SQL(f, "insert into service (serv_no, cust_no, cust_name) values ('SV01100001', '000001', 'ก')");
    auto s = openRegistry(CustomersRegistry());
    click(s.get(), "btnFirst");
    click(s.get(), "btnEdit");
    typeInto(*s, QStringLiteral("CUST_NAME"), QStringLiteral("เปลี่ยน"));
    click(s.get(), "btnCancel");
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("ข้อมูล ถูกยกเลิก... ")});
    QCOMPARE(s->value(No).toString(), QStringLiteral("000003"));
    QCOMPARE(stored(f, "select cust_name from customer where cust_no = '000001'"), QStringList{"ก"});

    click(s.get(), "btnFirst");
    msgs.answer(true);
    click(s.get(), "btnDelete");
    QCOMPARE(msgs.texts().last(), QStringLiteral("ต้องการลบข้อมูลนี้ ?"));
    QCOMPARE(stored(f, "select cust_no from customer order by cust_no"), (QStringList{"000002", "000003"}));
    QCOMPARE(s->value(No).toString(), QStringLiteral("000003"));
    // The visit of the deleted customer stays as it was.
    QCOMPARE(stored(f, "select cust_no, cust_name from service"), QStringList{"000001|ก"});
}

void TestCustomers::enterOrder()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    auto s = openRegistry(CustomersRegistry());
    click(s.get(), "btnAdd");
    QStringList order{s->focusWidget()->objectName()};
    for (int i = 0; i < 17; ++i) order << pressEnter()->objectName();
    QCOMPARE(order, (QStringList{"ed_CUST_NO", "ed_CUST_NAME", "ed_CUST_CARD", "ed_CUST_SEX", "ed_CUST_BIRTH",
                                 "ed_CUST_ADD1", "ed_CUST_ADD2", "ed_CUST_ADD4", "ed_CUST_ZIP", "ed_CUST_TEL",
                                 "ed_CUST_FAX", "ed_CUST_BLOOD", "ed_CUST_WGHT", "ed_CUST_TALL", "ed_CUST_HPS",
                                 "ed_CUST_CRE", "ed_CUST_GROUP", "ed_CUST_NO"}));
    // Choosing a credit term with the mouse moves on to the grade.
    auto* credit = child<QComboBox>(s.get(), "ed_CUST_CRE");
    credit->setFocus();
    Q_EMIT credit->activated(3);
    QCOMPARE(QApplication::focusWidget(), s->field(QStringLiteral("CUST_GROUP")));
}

void TestCustomers::ageText_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("a month") << "15/01/2550" << QDate(2007, 3, 10) << "อายุ 0 ป-1 ด" << QStringList();
    QTest::newRow("ten years") << "15/01/2540" << QDate(2007, 3, 15) << "อายุ 10 ป-2 ด" << QStringList();
    QTest::newRow("not yet born") << "15/01/2560" << QDate(2007, 3, 15) << "อายุ 0 ป-0 ด" << QStringList();
    QTest::newRow("empty") << "" << QDate(2007, 3, 15) << "" << QStringList();
    QTest::newRow("empty date") << "  /  /    " << QDate(2007, 3, 15) << "" << QStringList();
    // The conversion tells and falls back to 30/12/1899.
    QTest::newRow("no such day") << "31/02/2550" << QDate(2007, 3, 15) << "อายุ 107 ป-2 ด"
                                 << QStringList{"ข้ อ ม ู ล วัน เดือน ปี ผิด ต้องตรวจสอบทันที"};
    QTest::newRow("short") << "1/1/2550" << QDate(2007, 3, 15) << "อายุ 107 ป-2 ด"
                           << QStringList{"ข้อมูล วัน เดือน ปี  ไม่ครบ"};
}

void TestCustomers::ageText()
{
    QFETCH(QString, birth);
    QFETCH(QDate, today);
    QFETCH(QString, age);
    QFETCH(QStringList, messages);
    ScriptedMessageService msgs;
    QCOMPARE(CustomerAgeText(birth, today), age);
    QCOMPARE(msgs.texts(), messages);
}

void TestCustomers::ageLabelFollowsTheBirthDate()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"000001|ก"});
    auto s = openRegistry(CustomersRegistry());
    auto* age = child<QLabel>(s.get(), "note_CUST_BIRTH");
    QCOMPARE(age->text(), CustomerAgeText(QStringLiteral("15/01/2540"), QDate::currentDate()));
    QVERIFY(age->text().startsWith(QStringLiteral("อายุ ")));
    click(s.get(), "btnEdit");
    QWidget* birth = s->field(QStringLiteral("CUST_BIRTH"));
    birth->setFocus();
    typeInto(*s, QStringLiteral("CUST_BIRTH"), QString());
    pressEnter();
    QCOMPARE(age->text(), QString());
    QCOMPARE(child<QLineEdit>(s.get(), "ed_CUST_BIRTH")->toolTip(), QStringLiteral("รูปแบบ พ.ศ. เช่น 31/01/2545"));
}

void TestCustomers::picturesFallBackToTempJpg()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"000001|ก", "000002|ข"});
    const QString folder = PictureFolder(f.folder());
    writeImage(folder + QStringLiteral("temp.jpg"), Qt::red);
    writeImage(folder + QStringLiteral("000002_3.jpg"), Qt::blue);
    auto s = openRegistry(CustomersRegistry());
    QCOMPARE(s->value(No).toString(), QStringLiteral("000002"));
    QVERIFY(isRed(shown(*s, "imgPicture1")));
    QVERIFY(isRed(shown(*s, "imgPicture2")));
    QVERIFY(isBlue(shown(*s, "imgPicture3")));
    QVERIFY(isRed(shown(*s, "imgPicture4")));
    QCOMPARE(child<QLabel>(s.get(), "lblPicture3")->text(), QStringLiteral("000002_3.jpg"));
    click(s.get(), "btnFirst");
    for (const char* box : {"imgPicture1", "imgPicture2", "imgPicture3", "imgPicture4"}) QVERIFY(isRed(shown(*s, box)));
    QCOMPARE(child<QLabel>(s.get(), "imgPicture1")->cursor().shape(), Qt::PointingHandCursor);
}

void TestCustomers::picturesFollowANewNumber()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"000001|ก"});
    const QString folder = PictureFolder(f.folder());
    writeImage(folder + QStringLiteral("000001_1.jpg"), Qt::blue);
    writeImage(folder + QStringLiteral("000001_2.jpg"), Qt::blue);
    writeImage(folder + QStringLiteral("000009_2.jpg"), Qt::green); // already there: kept
    auto s = openRegistry(CustomersRegistry());
    click(s.get(), "btnEdit");
    typeInto(*s, No, QStringLiteral("000009"));
    QVERIFY(s->save());
    QCOMPARE(stored(f, QStringLiteral("select cust_no from customer")), QStringList{QStringLiteral("000009")});
    QVERIFY(isBlue(QImage(folder + QStringLiteral("000009_1.jpg")).pixelColor(20, 20)));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("000001_1.jpg")));
    QVERIFY(isGreen(QImage(folder + QStringLiteral("000009_2.jpg")).pixelColor(20, 20)));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("000001_2.jpg")));
    // An edit that keeps the number moves nothing.
    click(s.get(), "btnEdit");
    QVERIFY(s->save());
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("000009_1.jpg")));
}

void TestCustomers::choosingAPictureCopiesItAtOnce()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"000001|ก"});
    const QString folder = PictureFolder(f.folder());
    writeImage(folder + QStringLiteral("temp.jpg"), Qt::red);
    writeImage(folder + QStringLiteral("000001_2.jpg"), Qt::blue);
    writeImage(f.folder() + QStringLiteral("camera/new.jpg"), Qt::green);
    auto s = openRegistry(CustomersRegistry());
    QVERIFY(!pushButton(s.get(), "btnPicture2")->isEnabled());
    click(s.get(), "btnEdit");
    click(s.get(), "btnPicture2");
    auto* picker = child<PicturePicker>(s.get(), "picturePage");
    QVERIFY(picker->isVisible());
    QVERIFY(!s->fieldsArea()->isVisible());
    QVERIFY(!pushButton(s.get(), "btnSave")->isEnabled());

    // "กลับ/ยกเลิก" changes nothing.
    picker->selectFile(f.folder() + QStringLiteral("camera/new.jpg"));
    QVERIFY(!child<QLabel>(s.get(), "imgPreview")->pixmap().isNull());
    click(s.get(), "btnPictureCancel");
    QVERIFY(s->fieldsArea()->isVisible());
    QVERIFY(isBlue(shown(*s, "imgPicture2")));

    // "กลับ/ใช้รูปนี้" copies over the picture of the number typed now, at once.
    typeInto(*s, No, QStringLiteral("000077"));
    click(s.get(), "btnPicture2");
    picker->selectFile(f.folder() + QStringLiteral("camera/new.jpg"));
    click(s.get(), "btnPictureUse");
    QVERIFY(s->fieldsArea()->isVisible());
    QVERIFY(pushButton(s.get(), "btnSave")->isEnabled());
    QVERIFY(isGreen(shown(*s, "imgPicture2")));
    QCOMPARE(child<QLabel>(s.get(), "lblPicture2")->text(), QStringLiteral("000077_2.jpg"));
    QVERIFY(isGreen(QImage(folder + QStringLiteral("000077_2.jpg")).pixelColor(20, 20)));
    // Cancel of the record does not undo the copy; the old number's picture is untouched.
    click(s.get(), "btnCancel");
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("000077_2.jpg")));
    QVERIFY(isBlue(QImage(folder + QStringLiteral("000001_2.jpg")).pixelColor(20, 20)));

    // Choosing a picture's own file keeps it.
    click(s.get(), "btnEdit");
    click(s.get(), "btnPicture2");
    picker->selectFile(folder + QStringLiteral("000001_2.jpg"));
    click(s.get(), "btnPictureUse");
    QVERIFY(isBlue(QImage(folder + QStringLiteral("000001_2.jpg")).pixelColor(20, 20)));
    QVERIFY(msgs.texts().size() == 1); // the cancel message only
}

void TestCustomers::choosingAPictureNeedsAUsableNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << "" << "ไม่มีข้อมูลรหัสลูกค้า ... ";
    QTest::newRow("a path") << "../x" << "รหัสลูกค้านี้ใช้ตั้งชื่อแฟ้มรูปไม่ได้ (มีเครื่องหมาย / \\ หรือ :)";
}

void TestCustomers::choosingAPictureNeedsAUsableNumber()
{
    QFETCH(QString, number);
    QFETCH(QString, message);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    writeImage(f.folder() + QStringLiteral("camera/new.jpg"), Qt::green);
    auto s = openRegistry(CustomersRegistry());
    click(s.get(), "btnAdd");
    typeInto(*s, No, number);
    click(s.get(), "btnPicture1");
    child<PicturePicker>(s.get(), "picturePage")->selectFile(f.folder() + QStringLiteral("camera/new.jpg"));
    click(s.get(), "btnPictureUse");
    QCOMPARE(msgs.texts(), QStringList{message});
    QCOMPARE(QDir(f.folder()).entryList({QStringLiteral("*.jpg")}, QDir::Files), QStringList());
    QVERIFY(!QFileInfo::exists(f.folder() + QStringLiteral("x_1.jpg")));
    QCOMPARE(s->mode(), QStringLiteral("add"));
}

void TestCustomers::zoomPageSwitchesPictures()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    insertCustomers(f, {"000001|ก"});
    const QString folder = PictureFolder(f.folder());
    writeImage(folder + QStringLiteral("temp.jpg"), Qt::red);
    writeImage(folder + QStringLiteral("000001_4.jpg"), Qt::blue);
    auto s = openRegistry(CustomersRegistry());
    auto* box = child<QLabel>(s.get(), "imgPicture4");
    QTest::mouseClick(box, Qt::LeftButton);
    auto* zoom = child<QWidget>(s.get(), "zoomPage");
    QVERIFY(zoom->isVisible());
    QVERIFY(!pushButton(s.get(), "btnAdd")->isEnabled());
    QVERIFY(isBlue(shown(*s, "imgZoom")));
    click(s.get(), "btnZoom1");
    QVERIFY(isRed(shown(*s, "imgZoom")));
    click(s.get(), "btnZoomBack");
    QVERIFY(!zoom->isVisible());
    QVERIFY(pushButton(s.get(), "btnAdd")->isEnabled());
    child<QToolButton>(s.get(), "btnZoom")->click(); // the magnifier beside picture 1
    QVERIFY(zoom->isVisible());
    QVERIFY(isRed(shown(*s, "imgZoom")));
}

void TestCustomers::memberCardOfTheStoredType_data()
{
    QTest::addColumn<QString>("cardType");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<QString>("label1");
    QTest::newRow("2 without a photo") << "2" << true << "ไม่พบรูป ...";
    QTest::newRow("0 uses no photo") << "0" << true << "000001_1.jpg";
    QTest::newRow("7 prints nothing") << "7" << false << "000001_1.jpg";
    QTest::newRow("empty prints nothing") << "" << false << "000001_1.jpg";
}

void TestCustomers::memberCardOfTheStoredType()
{
    QFETCH(QString, cardType);
    QFETCH(bool, printed);
    QFETCH(QString, label1);
    DataFolderFixture f;
    ScriptedMessageService msgs;
    PrintPreviewCapture capture;
    insertCustomers(f, {"000001|นายสมชาย"});
    FIXTURE_SQL(f, "update sevrsys set card_type = :t", {"t", cardType});
    writeImage(PictureFolder(f.folder()) + QStringLiteral("temp.jpg"), Qt::red);
    auto s = openRegistry(CustomersRegistry());
    // Read once, when the window first becomes active.
    FIXTURE_SQL(f, "update sevrsys set card_type = '1'");
    click(s.get(), "btnCard");
    QCOMPARE(capture.documents().size(), printed ? 1 : 0);
    QCOMPARE(child<QLabel>(s.get(), "lblPicture1")->text(), label1);
    if (!printed) return;
    const DocumentPage& p = capture.documents().first().pages.first();
    QVERIFY(p.findText(QStringLiteral("นายสมชาย")));
    QCOMPARE(p.named(QStringLiteral("photo")).size(), cardType == QLatin1String("2") ? 1 : 0);

    // The envelope of the same customer.
    click(s.get(), "btnEnvelope");
    QCOMPARE(capture.documents().size(), 2);
    QVERIFY(capture.documents().last().pages.first().findText(QStringLiteral("นายสมชาย")));
    QVERIFY(msgs.texts().isEmpty());
}

void TestCustomers::listIsReadByKey()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    // More rows than a few windows of the list.
    FIXTURE_SQL(f, "with recursive n(i) as (select 1 union all select i + 1 from n where i < 1000)"
                   " insert into customer (cust_no, cust_name, cust_disc)"
                   " select substr('00000' || i, -6), 'คนที่ ' || i, 0 from n");
    auto s = openRegistry(CustomersRegistry());
    QCOMPARE(s->rowCount(), 1000);
    QCOMPARE(s->value(No).toString(), QStringLiteral("001000"));
    s->setCurrentRow(456);
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QStringLiteral("คนที่ 457"));
    // Rows another workstation changes after the keys were read: a new row
    // is left out until the list is read again, a deleted one shows blank.
    FIXTURE_SQL(f, "insert into customer (cust_no, cust_name) values ('000456x', 'ใหม่')");
    FIXTURE_SQL(f, "delete from customer where cust_no = '000800'");
    s->setCurrentRow(799);
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QString());
    s->setCurrentRow(800);
    QCOMPARE(s->value(QStringLiteral("CUST_NAME")).toString(), QStringLiteral("คนที่ 801"));
    click(s.get(), "btnRefresh");
    QCOMPARE(s->rowCount(), 1000);
    QCOMPARE(s->listValue(456, No).toString(), QStringLiteral("000456x"));
    // Search by name over every row.
    click(s.get(), "btnSearch");
    keyText(lineEdit(s.get(), "edSearch"), QStringLiteral("คนที่ 99"));
    QTest::keyClick(lineEdit(s.get(), "edSearch"), Qt::Key_Return);
    QCOMPARE(s->value(No).toString(), QStringLiteral("000099"));
}

void TestCustomers::openWindowLeavesNoReadLock()
{
    DataFolderFixture f;
    ScriptedMessageService msgs;
    FIXTURE_SQL(f, "with recursive n(i) as (select 1 union all select i + 1 from n where i < 900)"
                   " insert into customer (cust_no, cust_name) select substr('00000' || i, -6), 'ก' from n");
    auto s = openRegistry(CustomersRegistry());
    s->setCurrentRow(500);
    click(s.get(), "btnSearch");
    keyText(lineEdit(s.get(), "edSearch"), QStringLiteral("ก"));
    QTest::keyClick(lineEdit(s.get(), "edSearch"), Qt::Key_Return);
    // Another workstation takes the whole file at once: no statement of the window is open.
    Connection other(f.databaseFile());
    QElapsedTimer t;
    t.start();
    QVERIFY(execSql(other, QStringLiteral("begin exclusive")));
    QVERIFY(t.elapsed() < 1000);
    QVERIFY(execSql(other, QStringLiteral("update customer set cust_name = 'ข' where cust_no = '000001'")));
    QVERIFY(execSql(other, QStringLiteral("commit")));
}

QTEST_MAIN(TestCustomers)
#include "test_customers.moc"
