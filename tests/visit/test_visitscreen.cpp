// The visit screen driven through its widgets: numbering, the patient and
// the checks of a visit save, lines with their amounts and stock, rights by
// user level.

#include "app/sharedstate.h"
#include "platform/ui/messageservice.h"
#include "support/fixture.h"
#include "support/widgetdriver.h"
#include "data/terms.h"
#include "data/thaidate.h"
#include "platform/print/printpreview.h"
#include "visit/certificate.h"
#include "visit/visitprints.h"
#include "visit/visitscreen.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

namespace {

QLineEdit* edit(QWidget* w, const char* name) { return lineEdit(w, name); }
QPushButton* button(QWidget* w, const char* name) { return pushButton(w, name); }
QString label(QWidget* w, const char* name) { return child<QLabel>(w, name)->text(); }

void seed(DataFolderFixture& f, const char* fPer1 = "0")
{
    FIXTURE_SQL(f, "update sevrsys set PREFIX1 = 'SV01', PREFIX2 = 'SV02', F_PER1 = :m", {"m", QString::fromLatin1(fPer1)});
    FIXTURE_SQL(f, "insert into maker (MAK_NO, MAK_NAME, MAK_COM) values ('D01', 'นพ. ใจดี', 30)");
    FIXTURE_SQL(f, "insert into customer (CUST_NO, CUST_NAME, CUST_CRE, CUST_HPS, CUST_BIRTH) values"
                   " ('000001', 'สมชาย ใจดี', 'สด', 'แพ้ยาเพนิซิลลิน', '15/01/2540'), ('000002', 'สมหญิง รักษา', '30 ว.', '', '')");
    FIXTURE_SQL(f, "insert into product (PRO_NO, PRO_NAME, PRO_UNIT, PRO_SPRICE, PRO_TOTAL, CUT_STOCK, TAX_RATE) values"
                   " ('P1', 'พาราเซตามอล', 'เม็ด', 150, 10, '1', 7), ('FEE', 'ค่าตรวจ', 'ครั้ง', 200, 0, '0', 0)");
}

// A new visit of the first patient, saved.
void newVisit(TRecieve_Rent& w, const QString& date = QString())
{
    w.addVisit();
    w.choosePatient(QStringLiteral("000001"));
    if (!date.isEmpty()) edit(&w, "edDate")->setText(date);
    w.saveVisit();
}

void typeLine(TRecieve_Rent& w, const QString& code, const QString& qty, const QString& price = QString(),
              const QString& disc = QStringLiteral("0"))
{
    QLineEdit* search = edit(&w, "edItemSearch");
    search->setText(code);
    QTest::keyClick(search, Qt::Key_Return);
    edit(&w, "edQty")->setText(qty);
    if (!price.isEmpty()) edit(&w, "edPrice")->setText(price);
    edit(&w, "edDisc")->setText(disc);
    button(&w, "btnLineSave")->click();
}

} // namespace

class TestVisitScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstNumberThenTheNext();
    void saveChecks_data();
    void saveChecks();
    void linesInBothModes_data();
    void linesInBothModes();
    void stockOnTheLinePanel();
    void deletingTheOnlyLineAndTheVisit();
    void laboratoryPage();
    void laboratoryPrintout();
    void appointmentPage();
    void enterOrderOfTheMainPage();
    void certificates();
    void drugLabelPositions();
    void patientPageSearches();
    void searchingAllVisits();
    void levelsAboveThreeCannotEditOrDelete_data();
    void levelsAboveThreeCannotEditOrDelete();
};

void TestVisitScreen::firstNumberThenTheNext()
{
    DataFolderFixture f;
    seed(f);
    ScriptedMessageService msgs;
    msgs.input(QStringLiteral("000001"));
    TRecieve_Rent w;
    w.show();
    QCOMPARE(w.head(), QStringLiteral("SV011"));
    QVERIFY(w.currentVisit().isEmpty());
    newVisit(w);
    QCOMPARE(w.currentVisit(), QStringLiteral("SV011000001"));
    QCOMPARE(w.mode(), QStringLiteral("normal"));
    newVisit(w);
    QCOMPARE(w.currentVisit(), QStringLiteral("SV011000002"));
    QCOMPARE(edit(&w, "ed_CUST_NAME")->text(), QStringLiteral("สมชาย ใจดี"));
    QCOMPARE(scalar(f.db(), QStringLiteral("select MAKER_NO || ' ' || MAKER_PERC from service where serv_no = 'SV011000002'")).toString(),
             QStringLiteral("D01 30.0"));
    w.moveVisit(-1);
    QCOMPARE(w.currentVisit(), QStringLiteral("SV011000001"));
    QCOMPARE(msgs.texts(ScriptedMessageService::Entry::Information), QStringList());
}

void TestVisitScreen::saveChecks_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("pickPatient");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such day") << "31/02/2549" << true << "ข้อมูลวันที่ผิด...";
    QTest::newRow("blank date") << "" << true << "ข้อมูลวันที่ผิด...";
    QTest::newRow("day 00") << "00/02/2549" << true << "ข้อมูลวันที่ผิด...";
    QTest::newRow("no patient picked") << "01/02/2549" << false << "ยังไม่ได้เลือกลูกค้า / ผู้ป่วย กรุณาเลือกก่อนบันทึก...";
}

void TestVisitScreen::saveChecks()
{
    QFETCH(QString, date);
    QFETCH(bool, pickPatient);
    QFETCH(QString, message);
    DataFolderFixture f;
    seed(f);
    ScriptedMessageService msgs;
    TRecieve_Rent w;
    w.show();
    w.addVisit();
    if (pickPatient) w.choosePatient(QStringLiteral("000001"));
    edit(&w, "edDate")->setText(date);
    QVERIFY(!w.saveVisit());
    QCOMPARE(msgs.texts(), QStringList{message});
    QCOMPARE(w.mode(), QStringLiteral("add"));
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from service")).toInt(), 0);
}

void TestVisitScreen::linesInBothModes_data()
{
    QTest::addColumn<QString>("fPer1");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("shown"); // sum tax total
    QTest::newRow("lump sum, overall discount 20") << "0" << "20" << "270.00 0.00 250.00";
    QTest::newRow("VAT") << "1" << "" << "270.00 18.90 288.90";
}

void TestVisitScreen::linesInBothModes()
{
    QFETCH(QString, fPer1);
    QFETCH(QString, discount);
    QFETCH(QString, shown);
    DataFolderFixture f;
    seed(f, fPer1.toLatin1().constData());
    ScriptedMessageService msgs;
    msgs.input(QStringLiteral("000001"));
    TRecieve_Rent w;
    w.show();
    w.addVisit();
    w.choosePatient(QStringLiteral("000001"));
    edit(&w, "edDiscount")->setText(discount);
    QVERIFY(w.saveVisit());
    button(&w, "btnLineAdd")->click();
    QCOMPARE(w.lineMode(), QStringLiteral("add"));
    // The patient's drug allergies stand in red while lines are entered.
    QCOMPARE(label(&w, "lblAllergy"), QStringLiteral("ผู้ป่วยแพ้ยา : แพ้ยาเพนิซิลลิน"));
    typeLine(w, QStringLiteral("P1"), QStringLiteral("2"), QStringLiteral("150"), QStringLiteral("10"));
    QCOMPARE(msgs.texts(ScriptedMessageService::Entry::Information), QStringList());
    QCOMPARE(w.lineMode(), QStringLiteral("normal"));
    QCOMPARE(label(&w, "lblSum") + QLatin1Char(' ') + label(&w, "lblTax") + QLatin1Char(' ') + label(&w, "lblTotal"), shown);
    QCOMPARE(label(&w, "lblBigTotal"), shown.section(QLatin1Char(' '), 2));
    QCOMPARE(w.findChild<QTableWidget*>(QStringLiteral("gridLines"))->item(0, 6)->text(), QStringLiteral("270.00"));
    // The doctor's share follows the line: 30 % of sum less discount.
    const double expectedFee = fPer1 == QLatin1String("0") ? 75 : 81;
    QCOMPARE(scalar(f.db(), QStringLiteral("select FOR_MAKER from service")).toDouble(), expectedFee);
}

void TestVisitScreen::stockOnTheLinePanel()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "insert into order1 (PRO_NO, PRO_QTY, STK_POST) values ('P1', 5, 2)");
    FIXTURE_SQL(f, "insert into invoice1 (PRO_NO, PRO_QTY, STK_POST) values ('P1', 3, 1)");
    FIXTURE_SQL(f, "insert into service1 (SERV_NO, SPR_NO, QTY, STK_POST) values ('SV019000001', 'P1', 4, 1)");
    ScriptedMessageService msgs;
    msgs.input(QStringLiteral("000001"));
    TRecieve_Rent w;
    w.show();
    newVisit(w);
    msgs.clear();
    button(&w, "btnLineAdd")->click();
    QLineEdit* search = edit(&w, "edItemSearch");
    search->setText(QStringLiteral("P"));
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(search->text(), QStringLiteral("P1"));
    QCOMPARE(label(&w, "lblStock"), QStringLiteral("8"));
    typeLine(w, QStringLiteral("P1"), QStringLiteral("9"));
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("จำนวนไม่พอ...")});
    QCOMPARE(w.lineMode(), QStringLiteral("add"));
    typeLine(w, QStringLiteral("P1"), QStringLiteral("8"));
    QCOMPARE(msgs.texts().size(), 1);
    QCOMPARE(w.lineMode(), QStringLiteral("normal"));

    // Editing the line to 8 again: its own 8 count for the check.
    button(&w, "btnLineEdit")->click();
    QCOMPARE(w.lineMode(), QStringLiteral("edit"));
    QCOMPARE(label(&w, "lblStock"), QStringLiteral("8"));
    QVERIFY(!edit(&w, "edItemSearch")->isEnabled());
    edit(&w, "edQty")->setText(QStringLiteral("8"));
    QVERIFY(w.saveLine());
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) || ' ' || sum(qty) from service1 where serv_no = 'SV011000001'")).toString(),
             QStringLiteral("1 8.0"));

    // A service item takes any quantity.
    button(&w, "btnLineAdd")->click();
    typeLine(w, QStringLiteral("FEE"), QStringLiteral("500"));
    QCOMPARE(label(&w, "lblStock"), QStringLiteral("0"));
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from service1 where serv_no = 'SV011000001'")).toInt(), 2);

    // An empty search text and a quantity that is no number.
    button(&w, "btnLineAdd")->click();
    button(&w, "btnLineSave")->click();
    QCOMPARE(msgs.texts().last(), QStringLiteral("ใส่รหัสสินค้าก่อน..."));
    typeLine(w, QStringLiteral("FEE"), QStringLiteral("สอง"));
    QCOMPARE(msgs.texts().last(), QStringLiteral("ตัวเลข...ไม่ถูกต้อง "));
    button(&w, "btnLineDone")->click();
    QCOMPARE(w.lineMode(), QStringLiteral("normal"));
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from service1 where serv_no = 'SV011000001'")).toInt(), 2);
}

void TestVisitScreen::deletingTheOnlyLineAndTheVisit()
{
    DataFolderFixture f;
    seed(f);
    ScriptedMessageService msgs;
    msgs.input(QStringLiteral("000001"));
    TRecieve_Rent w;
    w.show();
    newVisit(w);
    button(&w, "btnLineAdd")->click();
    typeLine(w, QStringLiteral("FEE"), QStringLiteral("1"));
    msgs.clear();
    w.deleteVisit();
    QCOMPARE(msgs.texts(), QStringList{QStringLiteral("มีข้อมูลการใช้อะไหล่อยู่ ต้องลบข้อมูลออกก่อน...")});

    msgs.answer(true);
    w.deleteLine();
    QCOMPARE(scalar(f.db(), QStringLiteral("select SUM || ' ' || TAX || ' ' || STAX || ' ' || TOTAL from service")).toString(),
             QStringLiteral("0.0 0 0.0 0.0"));
    QCOMPARE(label(&w, "lblTotal"), QStringLiteral("0.00"));

    msgs.clear();
    msgs.answer(false);
    w.deleteVisit();
    QCOMPARE(msgs.texts().last(), QStringLiteral("ไม่ดำเนินการลบข้อมูล ..."));
    msgs.answer(true);
    w.deleteVisit();
    QCOMPARE(msgs.texts().last(), QStringLiteral("ข้อมูลถูกลบแล้ว  ..."));
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) from service")).toInt(), 0);
    QVERIFY(w.currentVisit().isEmpty());
}

void TestVisitScreen::levelsAboveThreeCannotEditOrDelete_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("mayChange");
    QTest::newRow("3") << 3 << true;
    QTest::newRow("4") << 4 << false;
    QTest::newRow("5") << 5 << false;
}

void TestVisitScreen::levelsAboveThreeCannotEditOrDelete()
{
    QFETCH(int, level);
    QFETCH(bool, mayChange);
    DataFolderFixture f;
    seed(f);
    shared().UserLevel = level;
    ScriptedMessageService msgs;
    msgs.input(QStringLiteral("000001"));
    TRecieve_Rent w;
    w.show();
    newVisit(w); // every level may add visits and lines
    QCOMPARE(w.currentVisit(), QStringLiteral("SV011000001"));
    QVERIFY(button(&w, "btnLineAdd")->isEnabled());
    QCOMPARE(button(&w, "btnEdit")->isEnabled(), mayChange);
    QCOMPARE(button(&w, "btnDelete")->isVisible(), mayChange);
    w.editVisit();
    QCOMPARE(w.mode(), mayChange ? QStringLiteral("edit") : QStringLiteral("normal"));
    shared().UserLevel = 0;
}

void TestVisitScreen::laboratoryPage()
{
    DataFolderFixture f;
    seed(f);
    ScriptedMessageService msgs;
    msgs.input(QStringLiteral("000001"));
    TRecieve_Rent w;
    w.show();
    newVisit(w, QStringLiteral("05/03/2550"));
    w.openLabPage();
    QCOMPARE(w.page(), int(TRecieve_Rent::LabPage));
    QCOMPARE(edit(&w, "lab_CUST_NAME")->text(), QStringLiteral("สมชาย ใจดี"));
    QVERIFY(button(&w, "btnLabAdd")->isEnabled());
    QVERIFY(!button(&w, "btnLabEdit")->isEnabled());
    QVERIFY(edit(&w, "ed_LAP_NO")->isReadOnly());
    button(&w, "btnLabAdd")->click();
    edit(&w, "ed_LAP_NO")->setText(QStringLiteral("L-001"));
    w.findChild<QPlainTextEdit*>(QStringLiteral("te_LAP_REM"))->setPlainText(QStringLiteral("น้ำตาลในเลือด 95"));
    button(&w, "btnLabSave")->click();
    QVERIFY(!button(&w, "btnLabAdd")->isEnabled());
    QVERIFY(button(&w, "btnLabEdit")->isEnabled());
    QCOMPARE(scalar(f.db(), QStringLiteral("select LAP_NO || '|' || LAP_DATE || '|' || LAP_REM from lap where serv_no = 'SV011000001'")).toString(),
             QStringLiteral("L-001|05/03/2550|น้ำตาลในเลือด 95"));
    button(&w, "btnLabEdit")->click();
    edit(&w, "ed_LAP_NO")->setText(QStringLiteral("L-002"));
    button(&w, "btnLabSave")->click();
    QCOMPARE(scalar(f.db(), QStringLiteral("select count(*) || LAP_NO from lap")).toString(), QStringLiteral("1L-002"));
    button(&w, "btnLabBack")->click();
    QCOMPARE(w.page(), int(TRecieve_Rent::MainPage));
}

void TestVisitScreen::laboratoryPrintout()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "insert into service (SERV_NO, CUST_NO, CUST_NAME, MAKER_NAME) values ('SV011000001', '000001', 'x', 'นพ. ใจดี'),"
                   " ('SV011000002', '', 'ผู้ป่วยที่ถูกลบ', '')");
    FIXTURE_SQL(f, "insert into lap (SERV_NO, LAP_NO, LAP_FOR, LAP_REM, LAP_PER_NAME) values"
                   " ('SV011000001', 'L-7', 'ตรวจเลือด', 'ปกติ', 'นักเทคนิค')");
    QString error;
    const auto doc = LabResultDocument(f.db(), QStringLiteral("SV011000001"), &error);
    QVERIFY2(doc, qPrintable(error));
    QCOMPARE(doc->pages.size(), 1);
    const DocumentPage& page = doc->pages.first();
    // Positions from the top-left of the paper: 9.9 mm margins.
    struct Expect { const char* text; double x, y; };
    for (const Expect& e : {Expect{"เลขที่แลบ", 117.8, 24.5}, Expect{"L-7", 136.1, 24.7}, Expect{"สมชาย ใจดี", 45.4, 37.7},
                            Expect{"SV011000001", 45.4, 47.2}, Expect{"นพ. ใจดี", 136.1, 47.7}, Expect{"ปกติ", 45.1, 76.6}}) {
        const PageItem* item = page.findText(QString::fromUtf8(e.text));
        QVERIFY2(item, e.text);
        QVERIFY2(qAbs(item->rect.x() - e.x) < 0.01 && qAbs(item->rect.y() - e.y) < 0.01,
                 qPrintable(QStringLiteral("%1 at %2, %3").arg(QString::fromUtf8(e.text)).arg(item->rect.x()).arg(item->rect.y())));
    }
    // Without a laboratory row the frame prints with empty fields; a
    // deleted patient prints with the name the visit kept.
    const auto empty = LabResultDocument(f.db(), QStringLiteral("SV011000002"), &error);
    QVERIFY(empty && empty->pages.first().findText(QStringLiteral("ผู้ป่วยที่ถูกลบ")));
    QVERIFY(empty->pages.first().findText(QStringLiteral("ผู้ตรวจ")));
    QVERIFY(!LabResultDocument(f.db(), QStringLiteral("SV019999999"), &error));
}

void TestVisitScreen::certificates()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "update maker set MAK_ID = 'ว.12345'");
    FIXTURE_SQL(f, "insert into service (SERV_NO, SERV_DATE, CUST_NAME, MAKER_NAME, SICKNESS, REM, REM2) values"
                   " ('SV011000001', '05/03/2550', 'สมชาย ใจดี', 'นพ. ใจดี', '', 'พักผ่อน 3 วัน', '')");
    QString error;
    const auto one = CertificateDocument(f.db(), QStringLiteral("SV011000001"), 1, &error);
    QVERIFY2(one, qPrintable(error));
    const DocumentPage& p1 = one->pages.first();
    QVERIFY(p1.findText(QStringLiteral("เลขที่  ว.12345  ได้ตรวจร่างกาย  สมชาย ใจดี")));
    QVERIFY(p1.findText(QStringLiteral("เมื่อวันที่  05/03/2550  ปรากฏว่าเป็นโรค  ")));
    QVERIFY(p1.findText(QStringLiteral("-")));             // no symptoms text
    QVERIFY(p1.findText(QStringLiteral("พักผ่อน 3 วัน")));   // the opinion
    QVERIFY(p1.findText(QStringLiteral("( นพ. ใจดี )")));
    const auto two = CertificateDocument(f.db(), QStringLiteral("SV011000001"), 2, &error);
    QVERIFY(two && two->pages.first().findText(QStringLiteral("สรุปความเห็นของแพทย์")));
    QVERIFY(two->pages.first().findText(QStringLiteral("พักผ่อน 3 วัน")));
    QVERIFY(!CertificateDocument(f.db(), QStringLiteral("SV011000001"), 3, &error));
}

void TestVisitScreen::appointmentPage()
{
    DataFolderFixture f;
    seed(f);
    ScriptedMessageService msgs;
    msgs.input(QStringLiteral("000001"));
    TRecieve_Rent w;
    w.show();
    newVisit(w);
    newVisit(w);
    w.openAppointmentPage();
    QVERIFY(edit(&w, "ed_APP_DATE")->isReadOnly());
    button(&w, "btnAppEdit")->click();
    edit(&w, "ed_APP_DATE")->setText(QStringLiteral("20/03/2550"));
    edit(&w, "ed_APP_TIME")->setText(QStringLiteral("10:30"));
    auto* purpose = w.findChild<QPlainTextEdit*>(QStringLiteral("te_APP_FOR"));
    // Enter in the purpose starts a new line and goes back to the date.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    purpose->setFocus();
    QTest::keyClick(purpose, Qt::Key_Return);
    QCOMPARE(purpose->toPlainText(), QStringLiteral("\n"));
    QCOMPARE(QApplication::focusWidget(), edit(&w, "ed_APP_DATE"));
    purpose->setPlainText(QStringLiteral("ตรวจซ้ำ"));
    button(&w, "btnAppSave")->click();
    QCOMPARE(w.page(), int(TRecieve_Rent::MainPage));
    QCOMPARE(scalar(f.db(), QStringLiteral("select group_concat(SERV_NO || '=' || APP_DATE || ' ' || APP_TIME || ' ' || APP_FOR, ';')"
                                           " from service where APP_FOR <> ''")).toString(),
             QStringLiteral("SV011000002=20/03/2550 10:30 ตรวจซ้ำ"));
    // Back without saving writes nothing.
    w.openAppointmentPage();
    button(&w, "btnAppEdit")->click();
    edit(&w, "ed_APP_DATE")->clear();
    button(&w, "btnAppBack")->click();
    QCOMPARE(scalar(f.db(), QStringLiteral("select APP_DATE from service where serv_no = 'SV011000002'")).toString(),
             QStringLiteral("20/03/2550"));
}

void TestVisitScreen::enterOrderOfTheMainPage()
{
    DataFolderFixture f;
    seed(f);
    ScriptedMessageService msgs;
    msgs.input(QStringLiteral("000001"));
    TRecieve_Rent w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    newVisit(w);
    auto enterFrom = [](QWidget* from) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        return QApplication::focusWidget();
    };
    // Browsing: the doctor cannot be changed, Enter passes over it.
    QCOMPARE(enterFrom(edit(&w, "ed_CUST_TEL")), edit(&w, "ed_DAMAGE"));
    QCOMPARE(enterFrom(edit(&w, "ed_CUST_NO")), edit(&w, "ed_CUST_CARD"));
    // Adding: the doctor is next; an empty patient number keeps the focus.
    w.addVisit();
    QCOMPARE(enterFrom(edit(&w, "ed_CUST_TEL")), static_cast<QWidget*>(w.findChild<QComboBox*>(QStringLiteral("cbDoctor"))));
    QVERIFY(edit(&w, "ed_CUST_NO")->text().isEmpty());
    QCOMPARE(enterFrom(edit(&w, "ed_CUST_NO")), edit(&w, "ed_CUST_NO"));
    w.choosePatient(QStringLiteral("000001"));
    QCOMPARE(enterFrom(edit(&w, "ed_CUST_NO")), edit(&w, "ed_CUST_CARD"));
}

void TestVisitScreen::drugLabelPositions()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "update sevrsys set LABEL_TOP = 2, LABEL_LEFT = 6");
    ScriptedMessageService msgs;
    msgs.input(QStringLiteral("000001"));
    TRecieve_Rent w;
    w.show();
    newVisit(w);
    button(&w, "btnLineAdd")->click();
    typeLine(w, QStringLiteral("P1"), QStringLiteral("1"));
    button(&w, "btnLabels")->click();
    QCOMPARE(edit(&w, "edLabelTop")->text(), QStringLiteral("2"));
    w.tickLabel(1, true);
    QCOMPARE(msgs.texts().last(), QStringLiteral("ยังไม่ได้เลือกรายการ..."));
    QVERIFY(!w.labelRequest().printed[0]);
    w.selectLabelLine(0);
    w.tickLabel(1, true);
    w.tickLabel(12, true);
    QCOMPARE(edit(&w, "edLabel12")->text(), QStringLiteral("P1"));
    const DrugLabelRequest& r = w.labelRequest();
    QVERIFY(r.printed[0] && r.printed[11] && !r.printed[5]);
    QCOMPARE(r.items[11], QStringLiteral("P1"));
    QCOMPARE(r.customerName, QStringLiteral("สมชาย ใจดี"));
    QCOMPARE(r.age, AgeYears(QDate::currentDate(), QDate(1997, 1, 15)));
    QCOMPARE(r.left, 6.0);
    w.tickLabel(12, false);
    QVERIFY(!w.labelRequest().printed[11]);
    QCOMPARE(edit(&w, "edLabel12")->text(), QString());
}

void TestVisitScreen::patientPageSearches()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "insert into customer (CUST_NO, CUST_NAME, CUST_CARD) values ('000003', 'สมปอง ทองดี', '3100000000003')");
    ScriptedMessageService msgs;
    TRecieve_Rent w;
    w.show();
    w.addVisit();
    QCOMPARE(w.page(), int(TRecieve_Rent::PatientPage));
    QLineEdit* search = edit(&w, "edPatientSearch");
    // By name: the first name starting with the text.
    search->setText(QStringLiteral("สมป"));
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(search->text(), QStringLiteral("สมปอง ทองดี"));
    // Part of the name: the names that hold it, in a second list.
    w.findChild<QRadioButton*>(QStringLiteral("rbPatientBy2"))->setChecked(true);
    QCOMPARE(search->text(), QString());
    search->setText(QStringLiteral("รักษา"));
    QTest::keyClick(search, Qt::Key_Return);
    auto* names = w.findChild<QTableView*>(QStringLiteral("gridNames"));
    QCOMPARE(names->model()->rowCount(), 1);
    QTest::keyClick(names, Qt::Key_Return);
    button(&w, "btnPatientOk")->click();
    QCOMPARE(w.page(), int(TRecieve_Rent::MainPage));
    QCOMPARE(edit(&w, "ed_CUST_NAME")->text(), QStringLiteral("สมหญิง รักษา"));
    // The patient's own credit term sets the due date.
    QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("cbCredit"))->currentText(), QStringLiteral("30 ว."));
    QCOMPARE(edit(&w, "edDue")->text(), DueDate(TodayText(), QStringLiteral("30 ว.")));
}

void TestVisitScreen::searchingAllVisits()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "insert into service (SERV_NO, CUST_NAME, CUST_CARD, SERV_DATE) values"
                   " ('SV011000001', 'ข', '3', '01/01/2550'), ('SV011000002', 'ก', '2', '02/01/2550'),"
                   " ('SV022000001', 'ค', '1', '03/01/2550')");
    ScriptedMessageService msgs;
    TRecieve_Rent w;
    w.show();
    QCOMPARE(w.currentVisit(), QStringLiteral("SV011000002"));
    w.openSearchPage();
    auto* grid = w.findChild<QTableView*>(QStringLiteral("gridVisitsFound"));
    QCOMPARE(grid->model()->rowCount(), 3); // every head
    QLineEdit* text = edit(&w, "edVisitSearch");
    text->setText(QStringLiteral("ข"));
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(grid->currentIndex().row(), 1);
    button(&w, "btnSearchBack")->click();
    QCOMPARE(w.currentVisit(), QStringLiteral("SV011000001"));
    // A visit of the other head is not in this screen's list.
    w.openSearchPage();
    text->setText(QStringLiteral("ค"));
    QTest::keyClick(text, Qt::Key_Return);
    button(&w, "btnSearchBack")->click();
    QCOMPARE(w.currentVisit(), QStringLiteral("SV011000001"));
    // Find by number moves the list as the number is typed.
    w.openFindPage();
    QLineEdit* number = edit(&w, "edFindNumber");
    QCOMPARE(number->text(), QStringLiteral("SV011"));
    QTest::keyClicks(number, QStringLiteral("000002"));
    QCOMPARE(w.currentVisit(), QStringLiteral("SV011000002"));
    QTest::keyClick(number, Qt::Key_Return);
    QCOMPARE(w.page(), int(TRecieve_Rent::MainPage));
}

QTEST_MAIN(TestVisitScreen)
#include "test_visitscreen.moc"
