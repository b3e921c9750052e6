// The printed product set as a page model built from a fixture database,
// and its headless print command.

#include "platform/print/printcommand.h"
#include "registries/itemscreens.h"
#include "registries/productsetreport.h"
#include "support/fixture.h"

#include <QFile>
#include <QTextStream>
#include <QtTest>

namespace {

bool near(double a, double b) { return std::abs(a - b) < 0.001; }

// A set with n lines of item Pn at n × 1.25.
void addSet(const DataFolderFixture& f, const QString& code, const QString& name, int lines)
{
    FIXTURE_SQL(f, "insert into suit (suit_no, suit_name) values (:c, :n)", {"c", code}, {"n", name});
    for (int i = 1; i <= lines; ++i)
        FIXTURE_SQL(f, "insert into suit1 (suit_no, spr_no, descrip, qty, u_name, \"group\", p_peru, cut_stock, stk_post)"
                       " values (:c, :p, :d, :q, 'เม็ด', 'D', :price, '1', 1)",
                    {"c", code}, {"p", QStringLiteral("P%1").arg(i)}, {"d", QStringLiteral("ยาที่ %1").arg(i)},
                    {"q", i % 2 ? double(i) : i + 0.5}, {"price", i * 1.25});
}

const PageItem* text(const DocumentPage& page, const QString& t)
{
    const PageItem* item = page.findText(t);
    if (!item) qWarning("no text %s", qPrintable(t));
    return item;
}

QList<PageItem> lines(const DocumentPage& page)
{
    QList<PageItem> out;
    for (const PageItem& i : page.items)
        if (i.kind == PageItem::Kind::Line) out << i;
    return out;
}

} // namespace

class TestProductSetsReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerDetailAndFooterOfOnePage();
    void longSetRunsOverPagesWithHeaderAndFooterOnEach();
    void setWithoutLinesPrintsItsHeader();
    void codeWithAQuoteIsFound();
    void headlessCommand_data();
    void headlessCommand();
};

void TestProductSetsReport::headerDetailAndFooterOfOnePage()
{
    DataFolderFixture f;
    addSet(f, QStringLiteral("S1"), QStringLiteral("ชุดไข้หวัด"), 2);
    addSet(f, QStringLiteral("S2"), QStringLiteral("อื่น"), 1);
    FIXTURE_SQL(f, "update suit1 set spr_no = 'C9', descrip = 'ค่าตรวจ', qty = 1, u_name = 'ครั้ง', \"group\" = 'T',"
                   " p_peru = 1200, cut_stock = '0' where suit_no = 'S1' and spr_no = 'P1'");
    QString error;
    const std::optional<PageDocument> doc = BuildProductSetReport(f.db(), QStringLiteral("S1"), &error);
    QVERIFY2(doc, qPrintable(error));
    QCOMPARE(doc->pageCount(), 1);
    QCOMPARE(doc->pageSize.id(), QPageSize::A4);
    QCOMPARE(doc->orientation, QPageLayout::Portrait);
    const DocumentPage& page = doc->pages.first();

    // The title across the page between the margins, 18 point.
    const PageItem* title = text(page, QStringLiteral("รายงานสินค้าจัดเป็นชุด"));
    QVERIFY(title);
    QVERIFY(near(title->rect.left(), 10) && near(title->rect.width(), 190) && near(title->rect.top(), 10));
    QVERIFY(title->alignment & Qt::AlignHCenter);
    QCOMPARE(title->font.family, QStringLiteral("EucrosiaUPC"));
    QCOMPARE(title->font.pointSize, 18.0);
    // Code and name below it, 14 point, then a rule.
    const PageItem* codeLabel = text(page, QStringLiteral("รหัสชุดสินค้า"));
    const PageItem* code = text(page, QStringLiteral("S1"));
    const PageItem* name = text(page, QStringLiteral("ชุดไข้หวัด"));
    QVERIFY(codeLabel && code && name && text(page, QStringLiteral("ชื่อชุดสินค้า")));
    QVERIFY(near(codeLabel->rect.top(), 21) && near(code->rect.top(), 21) && near(code->rect.left(), 40));
    QVERIFY(near(name->rect.top(), 27) && near(name->rect.left(), 40));
    QCOMPARE(code->font.pointSize, 14.0);
    const QList<PageItem> rules = lines(page);
    QCOMPARE(rules.size(), 2);
    QVERIFY(near(rules.at(0).line.y1(), 34) && near(rules.at(0).line.x1(), 10) && near(rules.at(0).line.x2(), 200));

    // One detail line per set line in stored order, left to right.
    const PageItem* first = text(page, QStringLiteral("C9"));
    const PageItem* second = text(page, QStringLiteral("P2"));
    QVERIFY(first && second);
    QVERIFY(near(first->rect.top(), 35) && near(first->rect.left(), 10));
    QVERIFY(near(second->rect.top(), 41.5));
    QStringList row;
    for (const PageItem& i : page.items)
        if (i.kind == PageItem::Kind::Text && near(i.rect.top(), 35)) row << i.text;
    QCOMPARE(row, (QStringList{"C9", "ค่าตรวจ", "1", "1,200.00", "ครั้ง", "T", "0"}));
    const PageItem* qty = text(page, QStringLiteral("2.5"));
    QVERIFY(qty && near(qty->rect.right(), 132) && (qty->alignment & Qt::AlignRight));
    const PageItem* price = text(page, QStringLiteral("2.50"));
    QVERIFY(price && near(price->rect.right(), 159));
    QVERIFY(!page.findText(QStringLiteral("อื่น")));

    // The footer: a rule and the page number at the right, at the foot.
    const QList<PageItem> number = page.named(QStringLiteral("page"));
    QCOMPARE(number.size(), 1);
    QCOMPARE(number.first().text, QStringLiteral("1"));
    QVERIFY(near(number.first().rect.right(), 200) && (number.first().alignment & Qt::AlignRight));
    QVERIFY(near(rules.at(1).line.y1(), 297 - 10 - 8 + 1));
}

void TestProductSetsReport::longSetRunsOverPagesWithHeaderAndFooterOnEach()
{
    DataFolderFixture f;
    addSet(f, QStringLiteral("BIG"), QStringLiteral("ชุดใหญ่"), 60);
    QString error;
    const std::optional<PageDocument> doc = BuildProductSetReport(f.db(), QStringLiteral("BIG"), &error);
    QVERIFY2(doc, qPrintable(error));
    // 297 - 10 - 8 - (10 + 25) = 244 mm of lines: 37 lines a page.
    QCOMPARE(doc->pageCount(), 2);
    for (int p = 0; p < 2; ++p) {
        const DocumentPage& page = doc->pages.at(p);
        QVERIFY(page.findText(QStringLiteral("รายงานสินค้าจัดเป็นชุด")));
        QVERIFY(page.findText(QStringLiteral("ชุดใหญ่")));
        QCOMPARE(page.named(QStringLiteral("page")).value(0).text, QString::number(p + 1));
    }
    QVERIFY(doc->pages.at(0).findText(QStringLiteral("P37")));
    const PageItem* next = doc->pages.at(1).findText(QStringLiteral("P38"));
    QVERIFY(next && near(next->rect.top(), 35));
    QVERIFY(doc->pages.at(1).findText(QStringLiteral("P60")));
}

void TestProductSetsReport::setWithoutLinesPrintsItsHeader()
{
    DataFolderFixture f;
    addSet(f, QStringLiteral("E0"), QStringLiteral("ชุดว่าง"), 0);
    QString error;
    const std::optional<PageDocument> doc = BuildProductSetReport(f.db(), QStringLiteral("E0"), &error);
    QVERIFY2(doc, qPrintable(error));
    QCOMPARE(doc->pageCount(), 1);
    QCOMPARE(doc->pages.first().texts(),
             (QStringList{"รายงานสินค้าจัดเป็นชุด", "รหัสชุดสินค้า", "E0", "ชื่อชุดสินค้า", "ชุดว่าง", "1"}));
}

// Codes reach the statements as parameters: a quote is part of the code.
void TestProductSetsReport::codeWithAQuoteIsFound()
{
    DataFolderFixture f;
    addSet(f, QStringLiteral("A'1"), QStringLiteral("ชุด"), 1);
    addSet(f, QStringLiteral("A"), QStringLiteral("อื่น"), 3);
    QString error;
    const std::optional<PageDocument> doc = BuildProductSetReport(f.db(), QStringLiteral("A'1"), &error);
    QVERIFY2(doc, qPrintable(error));
    QVERIFY(doc->pages.first().findText(QStringLiteral("P1")));
    QVERIFY(!doc->pages.first().findText(QStringLiteral("P2")));
    QVERIFY(!BuildProductSetReport(f.db(), QStringLiteral("A' or '1'='1"), &error));
    QCOMPARE(error, QStringLiteral("no product set A' or '1'='1"));
}

void TestProductSetsReport::headlessCommand_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("set") << QStringList{"--set", "S1"} << 0 << "";
    QTest::newRow("unknown set") << QStringList{"--set", "S9"} << 1 << "no product set S9";
    QTest::newRow("no set named") << QStringList{} << 1 << "missing --set SUIT_NO";
}

void TestProductSetsReport::headlessCommand()
{
    QFETCH(QStringList, options);
    QFETCH(int, code);
    QFETCH(QString, message);
    DataFolderFixture f;
    addSet(f, QStringLiteral("S1"), QStringLiteral("ชุดไข้หวัด"), 3);
    RegisterItemPrintables();
    const QString pdf = f.folder() + QStringLiteral("set.pdf");
    QString out, err;
    QTextStream o(&out), e(&err);
    QCOMPARE(runPrintCommand(QStringList{QStringLiteral("product-set")} + options + QStringList{"--pdf", pdf}, o, e), code);
    QCOMPARE(QFile::exists(pdf), code == 0);
    if (code == 0) {
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(5), QByteArray("%PDF-"));
    } else {
        QVERIFY2(err.contains(message), qPrintable(err));
    }
    QTextStream list(&out);
    QCOMPARE(runPrintCommand({QStringLiteral("--list")}, list, e), 0);
    QVERIFY(out.contains(QStringLiteral("product-set --set SUIT_NO --pdf FILE")));
}

QTEST_MAIN(TestProductSetsReport)
#include "test_productsetsreport.moc"
