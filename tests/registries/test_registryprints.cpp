// The envelope of the registries and the member card of a customer, read
// from the page model: texts, fonts and positions in millimetres on the
// paper (the band's corner sits at the 10 mm margins), and the headless
// print command.

#include "platform/print/printcommand.h"
#include "registries/customerpictures.h"
#include "registries/registryprints.h"
#include "support/fixture.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>
#include <QtTest>

namespace {

constexpr double Margin = 10;

QSqlRecord customerRecord(const DataFolderFixture& f, const QString& no)
{
    QSqlQuery q = f.db().query(QStringLiteral("select * from customer where cust_no = :no"));
    if (!exec(q, {{"no", no}}) || !q.next()) qFatal("no customer %s", qPrintable(no));
    return q.record();
}

BusinessDetails business()
{
    BusinessDetails b;
    b.name = QStringLiteral(" คลินิกหมอใจดี ");
    b.add1 = QStringLiteral("99/1 ถนนสุขุมวิท");
    b.add2 = QStringLiteral("แขวงคลองเตย");
    b.province = QStringLiteral("กรุงเทพฯ");
    b.zip = QStringLiteral("10110");
    b.tel = QStringLiteral("02-123-4567");
    b.fax = QStringLiteral("02-123-4568");
    b.email = QStringLiteral("clinic@example.com");
    return b;
}

void writeImage(const QString& path, Qt::GlobalColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(60, 64, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "JPG"));
}

bool near(double a, double b) { return qAbs(a - b) < 0.01; }

#define COMPARE_AT(item, atX, atY)                                                                       \
    do {                                                                                                \
        QVERIFY2((item) != nullptr, "no such item");                                                    \
        QVERIFY2(near((item)->rect.x(), atX) && near((item)->rect.y(), atY),                            \
                 qPrintable(QStringLiteral("at %1, %2").arg((item)->rect.x()).arg((item)->rect.y()))); \
    } while (0)

const PageItem* namedItem(const DocumentPage& page, const QString& name)
{
    for (const PageItem& i : page.items)
        if (i.name == name) return &i;
    return nullptr;
}

int countNamed(const DocumentPage& page, const QString& name) { return int(page.named(name).size()); }

struct Run {
    int code;
    QString out;
    QString err;
};

Run print(const QStringList& args)
{
    Run r{0, {}, {}};
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = runPrintCommand(args, out, err);
    return r;
}

} // namespace

class TestRegistryPrints : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RegisterRegistryPrintables(); }
    void envelopePlacesEachTableAtTheSamePositions_data();
    void envelopePlacesEachTableAtTheSamePositions();
    void envelopeLinesJoinWhatIsThere_data();
    void envelopeLinesJoinWhatIsThere();
    void envelopeOfNoRowIsNoDocument();
    void cardLayouts_data();
    void cardLayouts();
    void cardLinesOfTheBusiness();
    void cardPhotoFallsBackToTempJpg();
    void cardTypeOutsideZeroToThreePrintsNothing_data();
    void cardTypeOutsideZeroToThreePrintsNothing();
    void printCommand_data();
    void printCommand();
};

void TestRegistryPrints::envelopePlacesEachTableAtTheSamePositions_data()
{
    QTest::addColumn<int>("who");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QString>("key");
    QTest::newRow("customer") << int(Addressee::Customer)
                              << "insert into customer (cust_no, cust_name, cust_add1, cust_add2, cust_add4, cust_zip)"
                                 " values ('C1', 'ชื่อผู้รับ', 'บรรทัดหนึ่ง', 'บรรทัดสอง', 'จังหวัด', '50000')"
                              << "C1";
    QTest::newRow("supplier") << int(Addressee::Supplier)
                              << "insert into supply (cust_no, cust_name, cust_add1, cust_add2, cust_add4, cust_zip)"
                                 " values ('S1', 'ชื่อผู้รับ', 'บรรทัดหนึ่ง', 'บรรทัดสอง', 'จังหวัด', '50000')"
                              << "S1";
    QTest::newRow("doctor") << int(Addressee::Doctor)
                            << "insert into maker (mak_no, mak_name, mak_add1, mak_add2, mak_add4, mak_zip)"
                               " values ('D1', 'ชื่อผู้รับ', 'บรรทัดหนึ่ง', 'บรรทัดสอง', 'จังหวัด', '50000')"
                            << "D1";
    QTest::newRow("employee") << int(Addressee::Employee)
                              << "insert into sale (sale_no, sale_name, sale_add1, sale_add2, sale_add4, sale_zip)"
                                 " values ('E1', 'ชื่อผู้รับ', 'บรรทัดหนึ่ง', 'บรรทัดสอง', 'จังหวัด', '50000')"
                              << "E1";
}

void TestRegistryPrints::envelopePlacesEachTableAtTheSamePositions()
{
    QFETCH(int, who);
    QFETCH(QString, insert);
    QFETCH(QString, key);
    DataFolderFixture f;
    QVERIFY(execSql(f.db(), insert));
    FIXTURE_SQL(f, "update quorvexsys set of_name = '  คลินิกหมอใจดี ', of_add1 = '99/1 ถนนสุขุมวิท', of_add2 = '',"
                   " of_add4 = 'กรุงเทพฯ', of_zip = '10110'");
    QString error;
    const std::optional<PageDocument> doc = EnvelopeDocument(f.db(), Addressee(who), key, &error);
    QVERIFY2(doc, qPrintable(error));
    QCOMPARE(doc->pageCount(), 1);
    QCOMPARE(doc->paperSizeMm(), QSizeF(210, 297));
    const DocumentPage& p = doc->pages.first();

    struct Expected { const char* text; double left; double top; double size; };
    const Expected expected[] = {
        {"คลินิกหมอใจดี", 6.9, 4.2, 10},
        {"99/1 ถนนสุขุมวิท กรุงเทพฯ 10110", 6.9, 9.5, 8},
        {"กรุณาส่ง", 33.9, 18.8, 14},
        {"ชื่อผู้รับ", 48.7, 32.3, 12},
        {"บรรทัดหนึ่ง", 48.7, 42.1, 12},
        {"บรรทัดสอง", 48.7, 52.1, 12},
        {"จังหวัด 50000", 48.4, 62.2, 12},
    };
    for (const Expected& e : expected) {
        const PageItem* item = p.findText(QString::fromUtf8(e.text));
        QVERIFY2(item, e.text);
        COMPARE_AT(item, Margin + e.left, Margin + e.top);
        QCOMPARE(item->font.pointSize, e.size);
    }
    const PageItem* deliver = p.findText(QStringLiteral("กรุณาส่ง"));
    QVERIFY(deliver->font.bold && deliver->font.italic);
    // The addressee's lines are 142 mm wide and wrap; the sender's do not.
    for (const char* line : {"name", "add1", "add2", "place"}) {
        const PageItem* item = namedItem(p, QString::fromLatin1(line));
        QVERIFY(item);
        QVERIFY(near(item->rect.width(), 142));
        QVERIFY(item->wordWrap);
    }
    QVERIFY(!namedItem(p, QStringLiteral("senderName"))->wordWrap);
    QVERIFY(!namedItem(p, QStringLiteral("senderAddress"))->wordWrap);
}

void TestRegistryPrints::envelopeLinesJoinWhatIsThere_data()
{
    QTest::addColumn<QStringList>("sender"); // of_add1, of_add2, of_add4, of_zip
    QTest::addColumn<QStringList>("place");  // cust_add4, cust_zip
    QTest::addColumn<QString>("senderLine");
    QTest::addColumn<QString>("placeLine");
    QTest::newRow("all there") << QStringList{"1 ถนน", "ตำบล", "จังหวัด", "50000"} << QStringList{"ลำปาง", "52000"}
                               << "1 ถนน ตำบล จังหวัด 50000" << "ลำปาง 52000";
    QTest::newRow("no second line, no province") << QStringList{"1 ถนน", "", "จังหวัด", "50000"}
                                                 << QStringList{"", "10110"} << "1 ถนน จังหวัด 50000" << " 10110";
    QTest::newRow("blank parts left out, values untrimmed") << QStringList{" 1 ถนน ", "   ", "", "50000"}
                                                           << QStringList{"ลำปาง", ""} << " 1 ถนน  50000" << "ลำปาง ";
    QTest::newRow("nothing") << QStringList{"", "", "", ""} << QStringList{"", ""} << "" << " ";
}

void TestRegistryPrints::envelopeLinesJoinWhatIsThere()
{
    QFETCH(QStringList, sender);
    QFETCH(QStringList, place);
    QFETCH(QString, senderLine);
    QFETCH(QString, placeLine);
    DataFolderFixture f;
    FIXTURE_SQL(f, "update quorvexsys set of_add1 = :a1, of_add2 = :a2, of_add4 = :a4, of_zip = :z",
                {"a1", sender[0]}, {"a2", sender[1]}, {"a4", sender[2]}, {"z", sender[3]});
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name, cust_add4, cust_zip) values ('S1', 'ผู้ขาย', :a4, :z)",
                {"a4", place[0]}, {"z", place[1]});
    const std::optional<PageDocument> doc = EnvelopeDocument(f.db(), Addressee::Supplier, QStringLiteral("S1"));
    QVERIFY(doc);
    const DocumentPage& p = doc->pages.first();
    QCOMPARE(namedItem(p, QStringLiteral("senderAddress"))->text, senderLine);
    QCOMPARE(namedItem(p, QStringLiteral("place"))->text, placeLine);
}

void TestRegistryPrints::envelopeOfNoRowIsNoDocument()
{
    DataFolderFixture f;
    QString error;
    QVERIFY(!EnvelopeDocument(f.db(), Addressee::Doctor, QStringLiteral("D9"), &error));
    QCOMPARE(error, QStringLiteral("no doctor D9"));
}

void TestRegistryPrints::cardLayouts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("front");   // texts expected on the card
    QTest::addColumn<QStringList>("absent");  // texts not on it
    QTest::addColumn<bool>("photo");
    QTest::addColumn<int>("appointmentLines");
    QTest::addColumn<int>("signatures");
    QTest::addColumn<int>("businessNames");
    const QString address = QStringLiteral("99/1 ถนนสุขุมวิท แขวงคลองเตย");
    const QString place = QStringLiteral("กรุงเทพฯ 10110 02-123-4567");
    const QString phone = QStringLiteral("โทร. 02-123-4567  แฟกซ์. 02-123-4568");
    const QString mail = QStringLiteral("อีเมล์. clinic@example.com");
    QTest::newRow("0") << "0" << QStringList{address, place, "เลขที่", "ชื่อ"} << QStringList{phone, mail, "ID "}
                       << false << 4 << 2 << 1;
    QTest::newRow("1") << "1" << QStringList{phone, mail, "ID ", "1101700207030"} << QStringList{address, place}
                       << false << 4 << 2 << 1;
    QTest::newRow("2") << "2" << QStringList{phone, "  " + mail, "ID "} << QStringList{address, place, mail}
                       << true << 3 << 0 << 2;
    QTest::newRow("3") << "3" << QStringList{phone, mail, "ID "} << QStringList{address, place} << true << 2 << 2 << 2;
}

void TestRegistryPrints::cardLayouts()
{
    QFETCH(QString, type);
    QFETCH(QStringList, front);
    QFETCH(QStringList, absent);
    QFETCH(bool, photo);
    QFETCH(int, appointmentLines);
    QFETCH(int, signatures);
    QFETCH(int, businessNames);
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into customer (cust_no, cust_name, cust_card, cust_birth, cust_blood)"
                   " values ('000123', ' นายสมชาย ใจดี ', '1101700207030', '31/01/2545', 'O')");
    const std::optional<MemberCard> card =
        MemberCardDocument(type, customerRecord(f, QStringLiteral("000123")), business(), PictureFolder(f.folder()));
    QVERIFY(card);
    QCOMPARE(card->photoUsed, photo);
    QCOMPARE(card->document.pageCount(), 1);
    QCOMPARE(card->document.paperSizeMm(), QSizeF(210, 297));
    const DocumentPage& p = card->document.pages.first();
    const QStringList texts = p.texts();

    // Two 80 x 50 mm cards side by side, 10.3 mm from the band's top.
    const PageItem* frontCard = namedItem(p, QStringLiteral("frontCard"));
    const PageItem* backCard = namedItem(p, QStringLiteral("backCard"));
    COMPARE_AT(frontCard, Margin + 10.1, Margin + 10.3);
    COMPARE_AT(backCard, Margin + 90.0, Margin + 10.3);
    QCOMPARE(frontCard->rect.size(), QSizeF(80, 50));
    QCOMPARE(backCard->rect.size(), QSizeF(80, 50));

    // Every front: the business name (bold, centred, the largest), the
    // number, name, birth and blood boxes; every back ends with its line.
    const QList<PageItem> names = p.named(QStringLiteral("businessName"));
    QCOMPARE(int(names.size()), businessNames);
    for (const PageItem& n : names) {
        QCOMPARE(n.text, QStringLiteral("คลินิกหมอใจดี"));
        QVERIFY(n.font.bold);
        QVERIFY(n.alignment & Qt::AlignHCenter);
        for (const PageItem& i : p.items)
            if (i.kind == PageItem::Kind::Text) QVERIFY(i.font.pointSize <= n.font.pointSize && i.font.pointSize >= 13);
    }
    QCOMPARE(namedItem(p, QStringLiteral("CUST_NO"))->text, QStringLiteral("000123"));
    QCOMPARE(namedItem(p, QStringLiteral("CUST_NAME"))->text, QStringLiteral("นายสมชาย ใจดี"));
    for (const char* t : {"ว.ด.ป.เกิด", "31/01/2545", "หมู่โลหิต", "O", "วันที่ /  เวลานัด", "แพทย์"})
        QVERIFY2(texts.contains(QString::fromUtf8(t)), t);
    for (const QString& t : front) QVERIFY2(texts.contains(t), qPrintable(t));
    for (const QString& t : absent) QVERIFY2(!texts.contains(t), qPrintable(t));
    const PageItem* footer = p.findText(QStringLiteral("โปรดนำบัตรนี้มาแสดงทุกครั้งที่ใช้บริการ"));
    QVERIFY(footer);
    QVERIFY(near(footer->rect.x(), backCard->rect.x()) && near(footer->rect.width(), 80));
    QVERIFY(footer->alignment & Qt::AlignHCenter);
    QVERIFY(footer->rect.bottom() <= backCard->rect.bottom());

    // The boxes sit inside the front, the table inside the back.
    for (const char* box : {"birthBox", "bloodBox"})
        QVERIFY(frontCard->rect.contains(namedItem(p, QString::fromLatin1(box))->rect));
    QVERIFY(backCard->rect.contains(namedItem(p, QStringLiteral("appointmentTable"))->rect));
    QCOMPARE(countNamed(p, QStringLiteral("appointmentLine")), appointmentLines);
    QCOMPARE(countNamed(p, QStringLiteral("signature")), signatures);
    if (signatures) {
        QVERIFY(texts.contains(QStringLiteral("ผู้อนุมัติ ...................")));
        QVERIFY(texts.contains(QStringLiteral("เจ้าของบัตร ...................")));
    }
    // Nothing of the cards runs past their edges.
    for (const PageItem& i : p.items) {
        if (i.kind != PageItem::Kind::Text) continue;
        const QRectF& card = i.rect.x() < backCard->rect.x() ? frontCard->rect : backCard->rect;
        QVERIFY2(card.adjusted(-0.01, -0.01, 0.01, 0.01).contains(i.rect), qPrintable(i.text));
    }
}

void TestRegistryPrints::cardLinesOfTheBusiness()
{
    // Blank parts are left out; the mail line is empty without an address.
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into customer (cust_no, cust_name) values ('1', 'ก')");
    BusinessDetails b = business();
    b.tel = QStringLiteral("  ");
    b.email.clear();
    b.add2.clear();
    const std::optional<MemberCard> card1 = MemberCardDocument(QStringLiteral("1"), customerRecord(f, QStringLiteral("1")), b, f.folder());
    QVERIFY(card1);
    const DocumentPage& p1 = card1->document.pages.first();
    QCOMPARE(namedItem(p1, QStringLiteral("phone_line"))->text, QStringLiteral("  แฟกซ์. 02-123-4568"));
    QCOMPARE(namedItem(p1, QStringLiteral("mail_line"))->text, QString());
    const std::optional<MemberCard> card0 = MemberCardDocument(QStringLiteral("0"), customerRecord(f, QStringLiteral("1")), b, f.folder());
    const DocumentPage& p0 = card0->document.pages.first();
    QCOMPARE(namedItem(p0, QStringLiteral("address_line"))->text, QStringLiteral("99/1 ถนนสุขุมวิท"));
    QCOMPARE(namedItem(p0, QStringLiteral("place_line"))->text, QStringLiteral("กรุงเทพฯ 10110"));
}

void TestRegistryPrints::cardPhotoFallsBackToTempJpg()
{
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into customer (cust_no, cust_name) values ('000123', 'ก'), ('000124', 'ข')");
    const QString folder = PictureFolder(f.folder());
    auto photoOf = [&](const QString& no, bool* found) -> QColor {
        const std::optional<MemberCard> card =
            MemberCardDocument(QStringLiteral("2"), customerRecord(f, no), business(), folder);
        if (!card) return {};
        *found = card->photoFound;
        const QList<PageItem> photo = card->document.pages.first().named(QStringLiteral("photo"));
        if (photo.isEmpty()) return {};
        // Inside the 19.8 x 21.4 mm box at 63.0, 19.6 mm.
        if (!QRectF(Margin + 63.0, Margin + 19.6, 19.8, 21.4).adjusted(-0.01, -0.01, 0.01, 0.01).contains(photo.first().rect))
            return Qt::black;
        return photo.first().image.pixelColor(30, 30);
    };
    bool found = true;
    // Neither the photo nor temp.jpg: no picture.
    QCOMPARE(photoOf(QStringLiteral("000123"), &found), QColor());
    QVERIFY(!found);
    writeImage(folder + QStringLiteral("temp.jpg"), Qt::red);
    writeImage(folder + QStringLiteral("000124_1.jpg"), Qt::blue);
    QVERIFY(photoOf(QStringLiteral("000123"), &found).red() > 200);
    QVERIFY(!found);
    QVERIFY(photoOf(QStringLiteral("000124"), &found).blue() > 200);
    QVERIFY(found);
    // A file that is no picture counts as missing.
    QFile bad(folder + QStringLiteral("000123_1.jpg"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("not a jpeg");
    bad.close();
    QVERIFY(photoOf(QStringLiteral("000123"), &found).red() > 200);
    QVERIFY(!found);
}

void TestRegistryPrints::cardTypeOutsideZeroToThreePrintsNothing_data()
{
    QTest::addColumn<QString>("type");
    for (const char* t : {"", "4", "9", "a", "01", " 1", "-1"}) QTest::newRow(t[0] ? t : "empty") << QString::fromLatin1(t);
}

void TestRegistryPrints::cardTypeOutsideZeroToThreePrintsNothing()
{
    QFETCH(QString, type);
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into customer (cust_no, cust_name) values ('1', 'ก')");
    QVERIFY(!MemberCardDocument(type, customerRecord(f, QStringLiteral("1")), business(), f.folder()));
}

void TestRegistryPrints::printCommand_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("envelope of a customer") << QStringList{"envelope", "--customer", "000123"} << 0 << "";
    QTest::newRow("envelope of a supplier") << QStringList{"envelope", "--supplier", "S1"} << 0 << "";
    QTest::newRow("envelope of a doctor") << QStringList{"envelope", "--doctor", "D1"} << 0 << "";
    QTest::newRow("envelope of an employee") << QStringList{"envelope", "--employee", "E1"} << 0 << "";
    QTest::newRow("envelope of nobody") << QStringList{"envelope", "--customer", "X"} << 1 << "no customer X";
    QTest::newRow("envelope of two") << QStringList{"envelope", "--customer", "000123", "--doctor", "D1"} << 1
                                     << "give one of";
    QTest::newRow("card of the stored type 9") << QStringList{"member-card", "--customer", "000123"} << 1
                                               << "card type \"9\" prints no card";
    QTest::newRow("card of type 2") << QStringList{"member-card", "--customer", "000123", "--type", "2"} << 0 << "";
    QTest::newRow("card of type 4") << QStringList{"member-card", "--customer", "000123", "--type", "4"} << 1
                                    << "card type \"4\"";
    QTest::newRow("card of nobody") << QStringList{"member-card", "--customer", "X", "--type", "0"} << 1
                                    << "no customer X";
}

void TestRegistryPrints::printCommand()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    DataFolderFixture f;
    FIXTURE_SQL(f, "insert into customer (cust_no, cust_name) values ('000123', 'ก')");
    FIXTURE_SQL(f, "insert into supply (cust_no, cust_name) values ('S1', 'ข')");
    FIXTURE_SQL(f, "insert into maker (mak_no, mak_name) values ('D1', 'ค')");
    FIXTURE_SQL(f, "insert into sale (sale_no, sale_name) values ('E1', 'ง')");
    FIXTURE_SQL(f, "update sevrsys set card_type = '9'");
    const QString pdf = f.folder() + QStringLiteral("out.pdf");
    const Run r = print(args << QStringLiteral("--pdf") << pdf);
    QCOMPARE(r.code, code);
    QCOMPARE(QFileInfo::exists(pdf), code == 0);
    if (!message.isEmpty()) QVERIFY2(r.err.contains(message), qPrintable(r.err));
}

QTEST_MAIN(TestRegistryPrints)
#include "test_registryprints.moc"
