// The printed documents of a visit: the receipt in its five layouts, the
// drug-label sheet, and their PDFs (with the certificates') read back.

#include "labels/druglabels.h"
#include "platform/print/printpreview.h"
#include "platform/print/renderer.h"
#include "platform/ui/messageservice.h"
#include "support/fakeport.h"
#include "support/fixture.h"
#include "support/widgetdriver.h"
#include "visit/certificate.h"
#include "visit/receipt.h"
#include "visit/visitscreen.h"

#include <QCheckBox>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Mode1Visit = QStringLiteral("SV011000001");
const QString Mode2Visit = QStringLiteral("SV022000001");

// A clinic with a tax ID, a mode-1 visit of 1,000.00 with 100.00 off and an
// appointment, a mode-2 visit with a 7 % item.
void seed(DataFolderFixture& f)
{
    FIXTURE_SQL(f, "update quorvexsys set OF_NAME = ' คลินิกสุขภาพดี ', OF_ADD1 = '12 ถนนสุขุมวิท', OF_ADD2 = '',"
                   " OF_ADD4 = 'กรุงเทพฯ', OF_ZIP = '10110', OF_TEL = '02-123-4567', OF_FAX = '', OF_EMAIL = 'a@b.th',"
                   " OF_TAXID = '0105551234567'");
    FIXTURE_SQL(f, "update sevrsys set PREFIX1 = 'SV01', PREFIX2 = 'SV02', LINE2 = 'ใบเสร็จรับเงิน', BLANK = 0,"
                   " LOGO = 0, PRN_TOP = 0, PRN_LEFT = 0, PAPER1 = 1, COM_PORT = '0'");
    FIXTURE_SQL(f, "insert into customer (CUST_NO, CUST_NAME, CUST_ADD1, CUST_ADD2, CUST_ADD4, CUST_ZIP, CUST_TEL, CUST_BIRTH)"
                   " values ('000001', 'สมชาย ใจดี', '5 หมู่ 2 ', '', 'นนทบุรี', '11000', '081-111-2222', '01/01/2530')");
    FIXTURE_SQL(f, "insert into service (SERV_NO, SERV_DATE, CUST_NO, CUST_NAME, CUST_CRE, DUE_DATE, MAKER_NO, MAKER_NAME,"
                   " DISCOUNT, SDISC, TAX, SUM, TOTAL, REM2, APP_DATE, APP_TIME, APP_FOR) values"
                   " ('SV011000001', '01/03/2549', '000001', 'สมชาย ใจดี', 'สด', '01/03/2549', 'D01', 'นพ. ใจดี',"
                   "  100, 100, 0, 1000, 900, 'ไข้ ไอ', '15/03/2549', '10.30', 'ตรวจสุขภาพ'),"
                   " ('SV022000001', '02/03/2549', '000001', 'สมชาย ใจดี', 'สด', '02/03/2549', 'D01', 'นพ. ใจดี',"
                   "  0, 0, 7, 200, 214, '', '', '', '')");
    FIXTURE_SQL(f, "insert into service1 (SERV_NO, SPR_NO, DESCRIP, QTY, U_NAME, P_PERU, DISC, SUM, TAX_RATE, TAX, TOTAL) values"
                   " ('SV011000001', 'FEE', 'ค่าตรวจ', 1, 'ครั้ง', 400, 0, 400, 0, 0, 400),"
                   " ('SV011000001', 'P1', 'พาราเซตามอล', 4, 'แผง', 150, 0, 600, 0, 0, 600),"
                   " ('SV022000001', 'P1', 'พาราเซตามอล', 2, 'แผง', 100, 0, 200, 7, 14, 214)");
}

ReceiptData receiptData(DataFolderFixture& f, const QString& visit)
{
    QString error;
    const auto d = ReadReceiptData(f.db(), visit, &error);
    if (!d) qFatal("%s", qPrintable(error));
    return *d;
}

QStringList texts(const PageDocument& doc) { return doc.pages.first().texts(); }

// The text of the element of that name on the first page, or "(none)".
QString named(const PageDocument& doc, const char* name)
{
    const QList<PageItem> items = doc.pages.first().named(QString::fromLatin1(name));
    return items.isEmpty() ? QStringLiteral("(none)") : items.first().text;
}

QRectF rectOf(const PageDocument& doc, const char* name)
{
    const QList<PageItem> items = doc.pages.first().named(QString::fromLatin1(name));
    return items.isEmpty() ? QRectF() : items.first().rect;
}

int countOf(const PageDocument& doc, PageItem::Kind kind)
{
    int n = 0;
    for (const PageItem& i : doc.pages.first().items) n += i.kind == kind;
    return n;
}

bool near(double a, double b) { return qAbs(a - b) < 0.05; }

} // namespace

class TestVisitPrints : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fullLetterHeader();
    void fullLetterFooters_data();
    void fullLetterFooters();
    void preprintedFormPrintsValuesOnly();
    void halfLetterFooterRules();
    void appointmentRemarkAndTaxIdLine();
    void offsetsMoveEveryLayout_data();
    void offsetsMoveEveryLayout();
    void logoRule();
    void visitWithoutLines();
    void receiptButtonOpensDrawerThenPreview();
    void labelPanelPrintsTheTickedPositions();
    void labelPositionsAndOffsets();
    void labelDoseByAge_data();
    void labelDoseByAge();
    void labelRequestOfAVisit();
    void pdfsReadBack();
};

void TestVisitPrints::fullLetterHeader()
{
    DataFolderFixture f;
    seed(f);
    const PageDocument doc = ReceiptDocument(receiptData(f, Mode1Visit), 1);
    QCOMPARE(doc.pageSize.id(), QPageSize::Letter);
    const DocumentPage& p = doc.pages.first();
    struct Expected {
        const char* text;
        double x, y;
    };
    // Without offsets the band sits at the paper's corner.
    const Expected expected[] = {{"เลขที่", 114.3, 11.9}, {"SV011000001", 162.7, 11.9}, {"วันที่", 114.3, 18.5},
                                 {"01/03/2549", 162.7, 18.5}, {"เครดิต", 150.5, 25.1}, {"กำหนดชำระ", 142.9, 31.8},
                                 {"คลินิกสุขภาพดี", 15.1, 39.4}, {"รหัสแพทย์", 139.4, 62.2}, {"D01", 161.1, 62.2},
                                 {"ได้รับเงินจาก", 15.1, 74.1}, {"สมชาย ใจดี", 37.6, 74.1}, {"ที่อยู่", 15.3, 80.7},
                                 {"เพื่อชำระค่ารักษาอาการ", 15.3, 91.0}, {"ไข้ ไอ", 53.7, 91.3}};
    for (const Expected& e : expected) {
        const PageItem* item = p.findText(QString::fromUtf8(e.text));
        QVERIFY2(item, e.text);
        QVERIFY2(near(item->rect.left(), e.x) && near(item->rect.top(), e.y),
                 qPrintable(QStringLiteral("%1 at %2,%3").arg(QString::fromUtf8(e.text)).arg(item->rect.left()).arg(item->rect.top())));
    }
    QCOMPARE(named(doc, "title"), QStringLiteral("ใบเสร็จรับเงิน"));
    QVERIFY(near(rectOf(doc, "title").left(), 8.7) && near(rectOf(doc, "title").top(), 1.6));
    QCOMPARE(named(doc, "address"), QStringLiteral(" 12 ถนนสุขุมวิท กรุงเทพฯ 10110"));
    QCOMPARE(named(doc, "contact"), QStringLiteral(" Tel. 02-123-4567 Email : a@b.th"));
    QCOMPARE(named(doc, "patientAddress"), QStringLiteral("5 หมู่ 2  นนทบุรี  11000"));
    // The line table under its headings, numbered.
    for (const char* heading : {"ที่", "รายการ", "จำนวน", "หน่วย", "ราคา/หน่วย", "ลด %", "รวม"})
        QVERIFY2(p.findText(QString::fromUtf8(heading)), heading);
    const QStringList all = p.texts();
    QVERIFY(all.contains(QStringLiteral("ค่าตรวจ")) && all.contains(QStringLiteral("พาราเซตามอล")));
    QVERIFY(all.contains(QStringLiteral("2")) && all.contains(QStringLiteral("600.00")) && all.contains(QStringLiteral("แผง")));
}

void TestVisitPrints::fullLetterFooters_data()
{
    QTest::addColumn<QString>("visit");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("words");
    QTest::newRow("mode 1: discount, no tax")
        << Mode1Visit << QStringList{QStringLiteral("ส่วนลด"), QStringLiteral("ยอดรวม")}
        << QStringList{QStringLiteral("ภาษี"), QStringLiteral("%")} << QStringLiteral("900.00")
        << QStringLiteral("< เก้าร้อยบาทถ้วน>");
    QTest::newRow("mode 2: tax, no discount")
        << Mode2Visit << QStringList{QStringLiteral("ภาษี"), QStringLiteral("%"), QStringLiteral("ยอดรวม")}
        << QStringList{QStringLiteral("ส่วนลด")} << QStringLiteral("214.00") << QStringLiteral("< สองร้อยสิบสี่บาทถ้วน>");
}

void TestVisitPrints::fullLetterFooters()
{
    QFETCH(QString, visit);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, absent);
    QFETCH(QString, total);
    QFETCH(QString, words);
    DataFolderFixture f;
    seed(f);
    const PageDocument doc = ReceiptDocument(receiptData(f, visit), 1);
    const QStringList all = texts(doc);
    for (const QString& s : shown) QVERIFY2(all.contains(s), qPrintable(s));
    for (const QString& s : absent) QVERIFY2(!all.contains(s), qPrintable(s));
    QCOMPARE(named(doc, "total"), total);
    QCOMPARE(named(doc, "words"), words);
    if (visit == Mode1Visit) {
        QCOMPARE(named(doc, "sum"), QStringLiteral("1,000.00"));
        QCOMPARE(named(doc, "discount"), QStringLiteral("100.00"));
        QCOMPARE(named(doc, "tax"), QStringLiteral("(none)"));
    } else {
        QCOMPARE(named(doc, "rate"), QStringLiteral("7"));
        QCOMPARE(named(doc, "tax"), QStringLiteral("14.00"));
        QCOMPARE(named(doc, "discount"), QStringLiteral("(none)"));
    }
    // Blank paper: the signature captions, the remark caption and the frames print.
    for (const char* s : {"แพทย์", "ผู้รับเงิน", "ลูกค้า", "หมายเหตุ"}) QVERIFY2(all.contains(QString::fromUtf8(s)), s);
    QVERIFY(countOf(doc, PageItem::Kind::Frame) >= 2);
}

void TestVisitPrints::preprintedFormPrintsValuesOnly()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "update sevrsys set BLANK = 1");
    for (const QString& visit : {Mode1Visit, Mode2Visit}) {
        const PageDocument doc = ReceiptDocument(receiptData(f, visit), 1);
        const QStringList all = texts(doc);
        for (const char* caption : {"เลขที่", "วันที่", "ได้รับเงินจาก", "ที่อยู่", "รายการ", "รวม", "ส่วนลด", "ภาษี", "%",
                                    "ยอดรวม", "แพทย์", "ผู้รับเงิน", "หมายเหตุ"})
            QVERIFY2(!all.contains(QString::fromUtf8(caption)), caption);
        QCOMPARE(countOf(doc, PageItem::Kind::Frame), 0);
        QCOMPARE(countOf(doc, PageItem::Kind::Line), 0);
        // The values still print: title, business, patient, lines, totals, words.
        for (const QString& value : {QStringLiteral("ใบเสร็จรับเงิน"), QStringLiteral("คลินิกสุขภาพดี"), visit,
                                     QStringLiteral("สมชาย ใจดี"), QStringLiteral("พาราเซตามอล")})
            QVERIFY2(all.contains(value), qPrintable(value));
        QCOMPARE(named(doc, "discount"), visit == Mode1Visit ? QStringLiteral("100.00") : QStringLiteral("0.00"));
        QCOMPARE(named(doc, "tax"), visit == Mode1Visit ? QStringLiteral("(none)") : QStringLiteral("14.00"));
        QVERIFY(named(doc, "words").startsWith(QLatin1Char('<')));
    }
    // The invoice style hides its captions, payment box and signatures on BLANK 1 too.
    const PageDocument invoice = ReceiptDocument(receiptData(f, Mode1Visit), 0);
    for (const char* caption : {"รหัสลูกค้า", "ชำระเงินโดย", "(  ) เงินสด", "ผู้มีอำนาจ", "รวมเงินทั้งสิ้น"})
        QVERIFY2(!texts(invoice).contains(QString::fromUtf8(caption)), caption);
    QCOMPARE(named(invoice, "SERV_NO"), QStringLiteral("SV01-1-000001"));
}

void TestVisitPrints::halfLetterFooterRules()
{
    DataFolderFixture f;
    seed(f);
    for (int layout : {2, 3}) {
        const PageDocument doc = ReceiptDocument(receiptData(f, Mode1Visit), layout);
        QVERIFY(near(doc.paperSizeMm().width(), 215.9) && near(doc.paperSizeMm().height(), 139.7));
        QCOMPARE(named(doc, "sum"), QStringLiteral("1,000.00"));
        QCOMPARE(named(doc, "discount"), QStringLiteral("100.00"));
        QCOMPARE(named(doc, "net"), QStringLiteral("900.00"));
        QCOMPARE(named(doc, "total"), QStringLiteral("900.00"));
        QCOMPARE(named(doc, "tax"), QStringLiteral("(none)"));
        const QStringList all = texts(doc);
        for (const char* s : {"ราคาสุทธิ", "รวมทั้งสิ้น", "วันครบชำระ", "ส่วนลด%", "ผู้รับเงิน", "ลูกค้า", "หมายเหตุ"})
            QVERIFY2(all.contains(QString::fromUtf8(s)), s);
        QVERIFY(!all.contains(QStringLiteral("แพทย์")));
        QCOMPARE(named(doc, "words"), QStringLiteral("(none)"));
        // The first column: the running number, or the item number.
        QCOMPARE(all.contains(QStringLiteral("รหัส")), layout == 3);
        QCOMPARE(all.contains(QStringLiteral("FEE")), layout == 3);
    }
    // Mode 2 without discount: no sum or net, the tax and the total.
    const PageDocument vat = ReceiptDocument(receiptData(f, Mode2Visit), 2);
    QCOMPARE(named(vat, "sum"), QStringLiteral("200.00")); // TAX above 0
    QCOMPARE(named(vat, "net"), QStringLiteral("(none)"));
    QCOMPARE(named(vat, "tax"), QStringLiteral("14.00"));
    QCOMPARE(named(vat, "total"), QStringLiteral("214.00"));
    // Neither tax nor discount: the total alone.
    FIXTURE_SQL(f, "update service set DISCOUNT = 0 where serv_no = 'SV011000001'");
    const PageDocument plain = ReceiptDocument(receiptData(f, Mode1Visit), 2);
    QCOMPARE(named(plain, "sum"), QStringLiteral("(none)"));
    QCOMPARE(named(plain, "total"), QStringLiteral("1,000.00"));
}

void TestVisitPrints::appointmentRemarkAndTaxIdLine()
{
    DataFolderFixture f;
    seed(f);
    const QString remark = QStringLiteral(" นัดตรวจครั้งต่อไปวันที่ 15/03/2549  เวลา 10.30 เพื่อตรวจสุขภาพ");
    for (int layout : {1, 2, 3})
        QCOMPARE(named(ReceiptDocument(receiptData(f, Mode1Visit), layout), "remark"), remark);
    QCOMPARE(named(ReceiptDocument(receiptData(f, Mode1Visit), 0), "remark"), QStringLiteral("***") + remark);
    QCOMPARE(named(ReceiptDocument(receiptData(f, Mode2Visit), 1), "remark"), QStringLiteral("."));
    QCOMPARE(named(ReceiptDocument(receiptData(f, Mode2Visit), 0), "remark"), QStringLiteral("."));
    FIXTURE_SQL(f, "update service set APP_DATE = '  /  /    ' where serv_no = 'SV022000001'");
    QCOMPARE(named(ReceiptDocument(receiptData(f, Mode2Visit), 1), "remark"), QStringLiteral("."));

    for (int layout = 0; layout <= 5; ++layout)
        QCOMPARE(named(ReceiptDocument(receiptData(f, Mode1Visit), layout), "taxid"),
                 QStringLiteral("เลขประจำตัวผู้เสียภาษี  0105551234567"));
    FIXTURE_SQL(f, "update quorvexsys set OF_TAXID = '  '");
    for (int layout = 0; layout <= 5; ++layout) {
        const QString line = named(ReceiptDocument(receiptData(f, Mode1Visit), layout), "taxid");
        QVERIFY2(line.isEmpty() || line == QStringLiteral("(none)"), qPrintable(line));
    }
}

void TestVisitPrints::offsetsMoveEveryLayout_data()
{
    QTest::addColumn<int>("layout");
    for (int layout = 0; layout <= 5; ++layout) QTest::addRow("layout %d", layout) << layout;
}

void TestVisitPrints::offsetsMoveEveryLayout()
{
    QFETCH(int, layout);
    DataFolderFixture f;
    seed(f);
    const PageDocument before = ReceiptDocument(receiptData(f, Mode1Visit), layout);
    FIXTURE_SQL(f, "update sevrsys set PRN_TOP = 5, PRN_LEFT = 3");
    const PageDocument after = ReceiptDocument(receiptData(f, Mode1Visit), layout);
    for (const char* name : {"title", "OF_NAME", "SERV_NO", "total"}) {
        const QPointF moved = rectOf(after, name).topLeft() - rectOf(before, name).topLeft();
        QVERIFY2(!rectOf(before, name).isNull(), name);
        QVERIFY2(near(moved.x(), 3) && near(moved.y(), 5),
                 qPrintable(QStringLiteral("%1 moved %2,%3").arg(QString::fromLatin1(name)).arg(moved.x()).arg(moved.y())));
    }
}

void TestVisitPrints::logoRule()
{
    DataFolderFixture f;
    seed(f);
    QTemporaryDir working;
    ReceiptData d = receiptData(f, Mode1Visit);
    d.workingFolder = working.path();
    FIXTURE_SQL(f, "update sevrsys set LOGO = 1");
    d.settings.insert(QStringLiteral("LOGO"), 1);
    // Asked for, but no logo.bmp: printed without it, the name where it goes without a logo.
    PageDocument doc = ReceiptDocument(d, 1);
    QCOMPARE(countOf(doc, PageItem::Kind::Picture), 0);
    QVERIFY(near(rectOf(doc, "OF_NAME").left(), 15.1));

    QImage logo(40, 40, QImage::Format_RGB32);
    logo.fill(Qt::red);
    QVERIFY(logo.save(QDir(working.path()).filePath(QStringLiteral("logo.bmp")), "BMP"));
    doc = ReceiptDocument(d, 1);
    QCOMPARE(countOf(doc, PageItem::Kind::Picture), 1);
    QVERIFY(near(rectOf(doc, "logo").left(), 15.3) && near(rectOf(doc, "logo").top(), 31.2));
    QVERIFY(near(rectOf(doc, "OF_NAME").left(), 35.5));
    QVERIFY(near(rectOf(ReceiptDocument(d, 2), "OF_NAME").left(), 32.5));
    // The invoice style reads the logo from the data folder, which has none.
    d.dataFolder = f.folder();
    QCOMPARE(countOf(ReceiptDocument(d, 0), PageItem::Kind::Picture), 0);
    QVERIFY(near(rectOf(ReceiptDocument(d, 0), "OF_NAME").left(), 2.4));
    // LOGO 0: no logo although the file is there.
    d.settings.insert(QStringLiteral("LOGO"), 0);
    QCOMPARE(countOf(ReceiptDocument(d, 1), PageItem::Kind::Picture), 0);
}

void TestVisitPrints::visitWithoutLines()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "delete from service1 where serv_no = 'SV022000001'");
    for (int layout = 0; layout <= 5; ++layout) {
        const PageDocument doc = ReceiptDocument(receiptData(f, Mode2Visit), layout);
        QCOMPARE(doc.pageCount(), 1);
        QCOMPARE(named(doc, "total"), QStringLiteral("0.00"));
        QVERIFY(texts(doc).contains(QStringLiteral("สมชาย ใจดี")));
    }
}

void TestVisitPrints::receiptButtonOpensDrawerThenPreview()
{
    DataFolderFixture f;
    seed(f);
    FakePort drawer(3);
    QVERIFY(drawer.ok());
    FIXTURE_SQL(f, "update sevrsys set PAPER1 = 2, COM_PORT = '3'");
    ScriptedMessageService msgs;
    PrintPreviewCapture capture;
    TRecieve_Rent w;
    w.show();
    w.showVisit(Mode1Visit);
    QCOMPARE(w.currentVisit(), Mode1Visit);
    pushButton(&w, "btnReceipt")->click();
    QCOMPARE(drawer.received(), QByteArray("0"));
    QCOMPARE(capture.documents().size(), 1);
    const PageDocument& doc = capture.documents().first();
    QVERIFY(near(doc.paperSizeMm().height(), 139.7)); // the layout of the settings
    QCOMPARE(named(doc, "total"), QStringLiteral("900.00"));
    QVERIFY2(msgs.texts().isEmpty(), qPrintable(msgs.texts().join(QLatin1Char('|'))));
    // Not while a visit is being edited.
    w.editVisit();
    pushButton(&w, "btnReceipt")->click();
    QCOMPARE(capture.documents().size(), 1);
    QVERIFY(drawer.received(100).isEmpty());
}

void TestVisitPrints::labelPanelPrintsTheTickedPositions()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "update sevrsys set LABEL_TOP = 2, LABEL_LEFT = 6");
    FIXTURE_SQL(f, "insert into product (PRO_NO, PRO_NAME, HOW_TO_1, HOW_TO_2, HOW_TO_3, HOW_TO_4) values"
                   " ('P1', 'พาราเซตามอล 500', 'ครึ่งเม็ด', '1 เม็ด', '2 เม็ด', 'ทุก 6 ชั่วโมง')");
    ScriptedMessageService msgs;
    PrintPreviewCapture capture;
    TRecieve_Rent w;
    w.show();
    w.showVisit(Mode1Visit);
    w.openLabelPanel();
    w.selectLabelLine(1); // พาราเซตามอล
    child<QCheckBox>(&w, "cbLabel1")->click();
    child<QCheckBox>(&w, "cbLabel12")->click();
    pushButton(&w, "btnLabelPrint")->click();
    QCOMPARE(capture.documents().size(), 1);
    const PageDocument& doc = capture.documents().first();
    QVERIFY(near(rectOf(doc, "label1.1").left(), 10.0) && near(rectOf(doc, "label1.1").top(), 4.1));
    QCOMPARE(named(doc, "label12.3"), QStringLiteral("พาราเซตามอล 500"));
    QCOMPARE(named(doc, "label12.4"), QStringLiteral("2 เม็ด")); // born 2530: an adult
    QCOMPARE(named(doc, "label2.1"), QStringLiteral("(none)"));
    QVERIFY(msgs.texts().isEmpty());

    // Without a birth date the sheet prints no dose, and says so first.
    FIXTURE_SQL(f, "update customer set CUST_BIRTH = ''");
    TRecieve_Rent again;
    again.show();
    again.showVisit(Mode1Visit);
    again.openLabelPanel();
    again.selectLabelLine(1);
    child<QCheckBox>(&again, "cbLabel3")->click();
    pushButton(&again, "btnLabelPrint")->click();
    QCOMPARE(capture.documents().size(), 2);
    QCOMPARE(named(capture.documents().last(), "label3.3"), QStringLiteral("พาราเซตามอล 500"));
    const QString dose = named(capture.documents().last(), "label3.4");
    QVERIFY2(dose.isEmpty() || dose == QStringLiteral("(none)"), qPrintable(dose));
    QCOMPARE(msgs.texts().size(), 1);
}

void TestVisitPrints::labelPositionsAndOffsets()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "insert into product (PRO_NO, PRO_NAME, HOW_TO_1, HOW_TO_2, HOW_TO_3, HOW_TO_4) values"
                   " ('P1', 'พาราเซตามอล 500', 'ครั้งละครึ่งเม็ด', 'ครั้งละ 1 เม็ด', 'ครั้งละ 2 เม็ด', 'ทุก 6 ชั่วโมง')");
    DrugLabelRequest r;
    r.top = 2;
    r.left = 6;
    r.printed[0] = r.printed[11] = true;
    r.items[0] = r.items[11] = QStringLiteral("P1");
    r.customerName = QStringLiteral("สมชาย ใจดี");
    r.age = QStringLiteral("30");
    const PageDocument doc = DrugLabelDocument(f.db(), r, QStringLiteral("คลินิกสุขภาพดี"));
    QVERIFY(near(doc.paperSizeMm().width(), 160) && near(doc.paperSizeMm().height(), 220));
    const QRectF first = rectOf(doc, "label1.1");
    QVERIFY2(near(first.left(), 10.0) && near(first.top(), 4.1), qPrintable(QStringLiteral("%1,%2").arg(first.left()).arg(first.top())));
    QVERIFY(near(first.width(), 60.9));
    const QRectF last = rectOf(doc, "label12.1");
    QVERIFY(near(last.left(), 6 + 86.0) && near(last.top(), 2 + 186.3));
    QVERIFY(near(rectOf(doc, "label12.5").top(), 2 + 208.5));
    for (int k : {1, 12}) {
        const auto text = [&](int box) { return named(doc, qPrintable(QStringLiteral("label%1.%2").arg(k).arg(box))); };
        QCOMPARE(text(1), QStringLiteral("คลินิกสุขภาพดี"));
        QCOMPARE(text(2), QStringLiteral("สมชาย ใจดี"));
        QCOMPARE(text(3), QStringLiteral("พาราเซตามอล 500"));
        QCOMPARE(text(4), QStringLiteral("ครั้งละ 2 เม็ด"));
        QCOMPARE(text(5), QStringLiteral("ทุก 6 ชั่วโมง"));
    }
    for (int k = 2; k <= 11; ++k)
        QVERIFY(doc.pages.first().named(QStringLiteral("label%1.1").arg(k)).isEmpty());
    // An item the registry does not have: only the two names.
    r.items[11] = QStringLiteral("GONE");
    const PageDocument unknown = DrugLabelDocument(f.db(), r, QStringLiteral("คลินิกสุขภาพดี"));
    QCOMPARE(named(unknown, "label12.2"), QStringLiteral("สมชาย ใจดี"));
    for (const char* box : {"label12.3", "label12.4", "label12.5"}) {
        const QString t = named(unknown, box);
        QVERIFY2(t.isEmpty() || t == QStringLiteral("(none)"), box);
    }
    // Nothing ticked: a blank sheet.
    const PageDocument blank = DrugLabelDocument(f.db(), DrugLabelRequest(), QStringLiteral("คลินิกสุขภาพดี"));
    QCOMPARE(blank.pageCount(), 1);
    QCOMPARE(countOf(blank, PageItem::Kind::Text), 0);
}

void TestVisitPrints::labelDoseByAge_data()
{
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("dose");
    QTest::newRow("6") << QStringLiteral("6") << QStringLiteral("เด็กเล็ก");
    QTest::newRow("7") << QStringLiteral("7") << QStringLiteral("เด็กโต");
    QTest::newRow("12") << QStringLiteral("12") << QStringLiteral("เด็กโต");
    QTest::newRow("13") << QStringLiteral("13") << QStringLiteral("ผู้ใหญ่");
    QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("เด็กเล็ก");
    QTest::newRow("no birth date") << QString() << QString();
    QTest::newRow("unreadable") << QStringLiteral("ไม่ทราบ") << QString();
    QTest::newRow("negative") << QStringLiteral("-1") << QString();
}

void TestVisitPrints::labelDoseByAge()
{
    QFETCH(QString, age);
    QFETCH(QString, dose);
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into product (PRO_NO, PRO_NAME, HOW_TO_1, HOW_TO_2, HOW_TO_3, HOW_TO_4) values"
                   " ('S1', 'ยาน้ำ', 'เด็กเล็ก', 'เด็กโต', 'ผู้ใหญ่', 'หลังอาหาร')");
    DrugLabelRequest r;
    r.printed[4] = true;
    r.items[4] = QStringLiteral("S1");
    r.age = age;
    const PageDocument doc = DrugLabelDocument(f.db(), r, QStringLiteral("คลินิก"));
    const QString printed = named(doc, "label5.4");
    QCOMPARE(printed == QStringLiteral("(none)") ? QString() : printed, dose);
    QCOMPARE(named(doc, "label5.5"), QStringLiteral("หลังอาหาร"));
}

void TestVisitPrints::labelRequestOfAVisit()
{
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "update sevrsys set LABEL_TOP = 2, LABEL_LEFT = 6");
    QString error;
    const auto r = DrugLabelRequestForVisit(f.db(), Mode1Visit, {1, 12}, {QStringLiteral("P1"), QStringLiteral("FEE")}, &error);
    QVERIFY2(r, qPrintable(error));
    QCOMPARE(r->top, 2.0);
    QCOMPARE(r->left, 6.0);
    QVERIFY(r->printed[0] && r->printed[11] && !r->printed[1]);
    QCOMPARE(r->items[0], QStringLiteral("P1"));
    QCOMPARE(r->items[11], QStringLiteral("FEE"));
    QCOMPARE(r->customerName, QStringLiteral("สมชาย ใจดี"));
    QVERIFY(r->age.toInt() >= 39); // born 01/01/2530
    QVERIFY(!DrugLabelRequestForVisit(f.db(), Mode1Visit, {13}, {QStringLiteral("P1")}, &error));
    QVERIFY(!DrugLabelRequestForVisit(f.db(), Mode1Visit, {1, 2, 3}, {QStringLiteral("P1"), QStringLiteral("P2")}, &error));
    QVERIFY(!DrugLabelRequestForVisit(f.db(), QStringLiteral("SV019999999"), {1}, {QStringLiteral("P1")}, &error));
}

void TestVisitPrints::pdfsReadBack()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    DataFolderFixture f;
    seed(f);
    FIXTURE_SQL(f, "insert into product (PRO_NO, PRO_NAME, HOW_TO_3, HOW_TO_4) values ('P1', 'ยาแก้ไข', 'ครั้งละ 2 เม็ด', 'หลังอาหาร')");
    DrugLabelRequest r;
    r.printed[0] = true;
    r.items[0] = QStringLiteral("P1");
    r.customerName = QStringLiteral("สมชาย ใจดี");
    r.age = QStringLiteral("30");
    QList<std::pair<PageDocument, QString>> docs;
    for (int layout = 0; layout <= 5; ++layout)
        docs.append({ReceiptDocument(receiptData(f, Mode1Visit), layout), QStringLiteral("สมชาย")});
    docs.append({DrugLabelDocument(f.db(), r, QStringLiteral("คลินิกสุขภาพดี")), QStringLiteral("คลินิกสุขภาพดี")});
    for (int form : {1, 2}) {
        QString error;
        const auto certificate = CertificateDocument(f.db(), Mode1Visit, form, &error);
        QVERIFY2(certificate, qPrintable(error));
        docs.append({*certificate, QStringLiteral("สมชาย")});
    }
    QTemporaryDir dir;
    for (int i = 0; i < docs.size(); ++i) {
        const QString file = dir.filePath(QStringLiteral("doc%1.pdf").arg(i));
        QString error;
        QVERIFY2(writePdf(docs.at(i).first, file, &error), qPrintable(error));
        QProcess p;
        p.start(pdftotext, {file, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains(docs.at(i).second), qPrintable(QStringLiteral("document %1: %2").arg(i).arg(text)));
        if (i < 6) QVERIFY2(text.contains(QStringLiteral("SV01")), qPrintable(text));
    }
}

QTEST_MAIN(TestVisitPrints)
#include "test_visitprints.moc"
