// The layout engine: a definition and rows laid out into pages of placed
// items, asserted in millimetres.

#include "platform/print/reportengine.h"

#include <QImage>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ReportPaper)

namespace {

constexpr double Tolerance = 0.001;

bool near(double a, double b)
{
    return std::abs(a - b) < Tolerance;
}

ReportRows numberedRows(int count)
{
    QList<QVariantMap> maps;
    for (int i = 1; i <= count; ++i)
        maps.append({{QStringLiteral("NO"), QStringLiteral("row %1").arg(i)}, {QStringLiteral("AMOUNT"), i}});
    return rowsFromMaps(maps);
}

// Letter, 10 mm margins, page header 20 mm, detail 10 mm, page footer 15 mm:
// 279.4 - 10 - 15 - (10 + 20) = 224.4 mm for details, 22 rows a page.
ReportDefinition pagedReport()
{
    ReportDefinition def;
    def.margins = {10, 10, 10, 10};
    def.pageHeader.height = 20;
    def.pageHeader.label(0, 0, QStringLiteral("รายงานทดสอบ"));
    def.detail.height = 10;
    def.detail.field(0, 0, 40, QStringLiteral("NO"));
    def.pageFooter.height = 15;
    def.pageFooter.label(150, 2, QStringLiteral("หน้า"));
    def.pageFooter.special(160, 2, 10, SpecialField::PageNumber).named(QStringLiteral("page"));
    def.pageFooter.special(172, 2, 10, SpecialField::PageCount).named(QStringLiteral("pages"));
    return def;
}

QString textOf(const DocumentPage& page, const QString& name)
{
    const QList<PageItem> items = page.named(name);
    return items.isEmpty() ? QStringLiteral("<none>") : items.first().text;
}

} // namespace

class TestReportEngine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bandsPrintInOrder();
    void detailFlowsOntoNewPagesWithHeadersAndFooters();
    void labelSheetFillsColumnsAcrossThenDown_data();
    void labelSheetFillsColumnsAcrossThenDown();
    void marginsAndPaperPlaceEverything_data();
    void marginsAndPaperPlaceEverything();
    void beforePrintChangesOnePrinting();
    void fieldsPrintThroughPatterns_data();
    void fieldsPrintThroughPatterns();
    void sumsOverGroupPageAndReport();
    void picturesFromFilesAndMissingFiles();
    void stretchingTextGrowsItsBand();
    void reportWithoutRowsPrintsOnePage();
    void specialFields();
    void barcodeElementPlacesBarsInItsBox();
    void rowsComeFromAQuery();
};

void TestReportEngine::bandsPrintInOrder()
{
    ReportDefinition def;
    def.margins = {0, 0, 0, 0};
    auto band = [](ReportBand& b, const QString& text) {
        b.height = 5;
        b.label(0, 0, text);
    };
    band(def.pageHeader, QStringLiteral("page header"));
    band(def.title, QStringLiteral("title"));
    band(def.columnHeader, QStringLiteral("column header"));
    ReportGroup& group = def.addGroup(QStringLiteral("KIND"));
    group.header.height = 5;
    group.header.field(0, 0, 30, QStringLiteral("KIND"));
    group.footer.height = 5;
    group.footer.label(0, 0, QStringLiteral("end of group"));
    def.detail.height = 5;
    def.detail.field(0, 0, 30, QStringLiteral("NO"));
    band(def.summary, QStringLiteral("summary"));
    band(def.pageFooter, QStringLiteral("page footer"));

    const ReportRows rows = rowsFromMaps({{{"KIND", "A"}, {"NO", "1"}},
                                          {{"KIND", "A"}, {"NO", "2"}},
                                          {{"KIND", "B"}, {"NO", "3"}}});
    const PageDocument doc = layoutReport(def, rows);

    QCOMPARE(doc.pageCount(), 1);
    const QStringList expected{"page header", "title", "column header", "A", "1", "2", "end of group",
                               "B", "3", "end of group", "summary", "page footer"};
    QCOMPARE(doc.pages[0].texts(), expected);
    // Flowing bands follow each other down the page; the footer sits at the bottom.
    const QList<PageItem>& items = doc.pages[0].items;
    for (qsizetype i = 0; i + 1 < items.size() - 1; ++i)
        QVERIFY(near(items[i + 1].rect.top(), items[i].rect.top() + 5));
    QVERIFY(near(items.last().rect.top(), 279.4 - 5));
}

void TestReportEngine::detailFlowsOntoNewPagesWithHeadersAndFooters()
{
    const PageDocument doc = layoutReport(pagedReport(), numberedRows(50));

    QCOMPARE(doc.pageCount(), 3);
    const int rowsOnPage[] = {22, 22, 6};
    int row = 0;
    for (int p = 0; p < 3; ++p) {
        const DocumentPage& page = doc.pages[p];
        QCOMPARE(page.number, p + 1);
        const PageItem* header = page.findText(QStringLiteral("รายงานทดสอบ"));
        QVERIFY(header);
        QVERIFY(near(header->rect.top(), 10));
        QCOMPARE(textOf(page, QStringLiteral("page")), QString::number(p + 1));
        QCOMPARE(textOf(page, QStringLiteral("pages")), QStringLiteral("3"));
        const PageItem footer = page.named(QStringLiteral("page")).first();
        QVERIFY(near(footer.rect.top(), 279.4 - 10 - 15 + 2));

        const QList<PageItem> details = page.named(QStringLiteral("NO"));
        QCOMPARE(details.size(), rowsOnPage[p]);
        QCOMPARE(details.first().text, QStringLiteral("row %1").arg(row + 1));
        QVERIFY(near(details.first().rect.top(), 30));
        QVERIFY(details.last().rect.top() + 10 <= 279.4 - 10 - 15 + Tolerance);
        row += int(details.size());
    }
    QCOMPARE(row, 50);
}

void TestReportEngine::labelSheetFillsColumnsAcrossThenDown_data()
{
    QTest::addColumn<int>("label");
    QTest::addColumn<int>("page");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    // Three labels 60 mm wide with 5 mm between them, four lines of 30 mm a
    // sheet, margins 6 mm left and 2 mm top; the text sits 1 mm into its label.
    QTest::newRow("1: first line, left") << 1 << 1 << 7.0 << 3.0;
    QTest::newRow("2: first line, middle") << 2 << 1 << 72.0 << 3.0;
    QTest::newRow("3: first line, right") << 3 << 1 << 137.0 << 3.0;
    QTest::newRow("4: second line, left") << 4 << 1 << 7.0 << 33.0;
    QTest::newRow("12: last line, right") << 12 << 1 << 137.0 << 93.0;
    QTest::newRow("13: next sheet") << 13 << 2 << 7.0 << 3.0;
}

void TestReportEngine::labelSheetFillsColumnsAcrossThenDown()
{
    QFETCH(int, label);
    QFETCH(int, page);
    QFETCH(double, x);
    QFETCH(double, y);

    ReportDefinition def;
    def.paper = ReportPaper::custom(200, 124);
    def.margins = {6, 2, 1, 1};
    def.columns = {3, 60, 5};
    def.detail.height = 30;
    def.detail.field(1, 1, 58, QStringLiteral("NO"));
    const PageDocument doc = layoutReport(def, numberedRows(13));

    QCOMPARE(doc.pageCount(), 2);
    const PageItem* item = doc.pages[page - 1].findText(QStringLiteral("row %1").arg(label));
    QVERIFY(item);
    QVERIFY2(near(item->rect.left(), x), qPrintable(QString::number(item->rect.left())));
    QVERIFY2(near(item->rect.top(), y), qPrintable(QString::number(item->rect.top())));
}

void TestReportEngine::marginsAndPaperPlaceEverything_data()
{
    QTest::addColumn<ReportPaper>("paper");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<QSizeF>("paperSize");
    QTest::newRow("Letter, no margins") << ReportPaper::letter() << false << 0.0 << 0.0 << QSizeF(215.9, 279.4);
    QTest::newRow("Letter, left 3 top 5") << ReportPaper::letter() << false << 3.0 << 5.0 << QSizeF(215.9, 279.4);
    QTest::newRow("A4 landscape") << ReportPaper::a4() << true << 10.0 << 10.0 << QSizeF(297, 210);
    QTest::newRow("half Letter") << ReportPaper::halfLetter() << false << 6.0 << 2.0 << QSizeF(215.9, 139.7);
    QTest::newRow("3-inch roll") << ReportPaper::custom(76, 297) << false << 2.0 << 0.0 << QSizeF(76, 297);
}

void TestReportEngine::marginsAndPaperPlaceEverything()
{
    QFETCH(ReportPaper, paper);
    QFETCH(bool, landscape);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(QSizeF, paperSize);

    ReportDefinition def;
    def.paper = paper;
    def.orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    def.margins = {left, top, 0, 0};
    def.pageHeader.height = 40;
    def.pageHeader.label(114.3, 11.9, QStringLiteral("เลขที่"), 20);
    def.pageHeader.hline(14.0, 30.1, 150, 0.3).named(QStringLiteral("rule"));
    def.pageHeader.frame(13.0, 32.0, 100, 6).named(QStringLiteral("frame"));
    const PageDocument doc = layoutReport(def);

    QVERIFY(near(doc.paperSizeMm().width(), paperSize.width()));
    QVERIFY(near(doc.paperSizeMm().height(), paperSize.height()));
    const PageItem* text = doc.pages[0].findText(QStringLiteral("เลขที่"));
    QVERIFY(text);
    QVERIFY(near(text->rect.left(), left + 114.3));
    QVERIFY(near(text->rect.top(), top + 11.9));
    const PageItem rule = doc.pages[0].named(QStringLiteral("rule")).first();
    QCOMPARE(rule.kind, PageItem::Kind::Line);
    QCOMPARE(rule.line, QLineF(left + 14.0, top + 30.1, left + 164.0, top + 30.1));
    QCOMPARE(rule.penWidth, 0.3);
    const PageItem frame = doc.pages[0].named(QStringLiteral("frame")).first();
    QCOMPARE(frame.rect, QRectF(left + 13.0, top + 32.0, 100, 6));
}

void TestReportEngine::beforePrintChangesOnePrinting()
{
    ReportDefinition def;
    def.margins = {0, 0, 0, 0};
    def.detail.height = 6;
    def.detail.field(0, 0, 50, QStringLiteral("DESCRIP"));
    def.detail.field(60, 0, 20, QStringLiteral("DISC"));
    def.detail.label(90, 0, QStringLiteral("%"), 5).named(QStringLiteral("percent"));
    def.detail.beforePrint = [](BandInstance& band) {
        if (band.row.value(QStringLiteral("DESCRIP")).toString() == QLatin1String("skip")) {
            band.print = false;
            return;
        }
        if (band.row.value(QStringLiteral("DISC")).toDouble() == 0) {
            band.hide(QStringLiteral("DISC"));
            band.hide(QStringLiteral("percent"));
        }
        if (band.rowNumber == 1)
            band.setText(QStringLiteral("DESCRIP"), QStringLiteral("first: ") +
                                                    band.row.value(QStringLiteral("DESCRIP")).toString());
    };
    def.summary.height = 6;
    def.summary.sum(60, 0, 20, QStringLiteral("DISC"), SumScope::Report).named(QStringLiteral("total"));
    const ReportRows rows = rowsFromMaps({{{"DESCRIP", "ยาแก้ไอ"}, {"DISC", 10}},
                                          {{"DESCRIP", "skip"}, {"DISC", 5}},
                                          {{"DESCRIP", "ค่าตรวจ"}, {"DISC", 0}}});
    const PageDocument doc = layoutReport(def, rows);
    const DocumentPage& page = doc.pages[0];

    // The definition is untouched: the second printed row keeps its own text.
    QCOMPARE(page.named(QStringLiteral("DESCRIP")).size(), 2);
    QVERIFY(page.findText(QStringLiteral("first: ยาแก้ไอ")));
    const PageItem* second = page.findText(QStringLiteral("ค่าตรวจ"));
    QVERIFY(second);
    // The left-out row takes no space and does not count.
    QVERIFY(near(second->rect.top(), 6));
    QVERIFY(!page.findText(QStringLiteral("skip")));
    // A zero discount hides the value and its sign on that row only.
    QCOMPARE(page.named(QStringLiteral("DISC")).size(), 1);
    QCOMPARE(page.named(QStringLiteral("percent")).size(), 1);
    QCOMPARE(textOf(page, QStringLiteral("total")), QStringLiteral("10.00"));
}

void TestReportEngine::fieldsPrintThroughPatterns_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("printed");
    QTest::newRow("money") << QVariant(1234567.5) << "##,###,##0.00" << "1,234,567.50";
    QTest::newRow("small money") << QVariant(0.5) << "###,###,##0.00" << "0.50";
    QTest::newRow("rate") << QVariant(7.0) << "##.#" << "7";
    QTest::newRow("number text") << QVariant(QStringLiteral("900")) << "##,###,##0.00" << "900.00";
    QTest::newRow("null") << QVariant() << "##,###,##0.00" << "";
    QTest::newRow("not a number") << QVariant(QStringLiteral("ฟรี")) << "##,###,##0.00" << "ฟรี";
}

void TestReportEngine::fieldsPrintThroughPatterns()
{
    QFETCH(QVariant, value);
    QFETCH(QString, pattern);
    QFETCH(QString, printed);

    ReportDefinition def;
    def.detail.height = 6;
    def.detail.field(0, 0, 30, QStringLiteral("SUM")).rightAt(192.8).pattern(pattern);
    def.detail.field(0, 0, 30, QStringLiteral("SUM")).named(QStringLiteral("asIs"));
    def.detail.field(0, 0, 30, QStringLiteral("SUM"))
        .named(QStringLiteral("custom"))
        .format([](const QVariant& v) { return QStringLiteral("<%1>").arg(v.toString()); });
    const PageDocument doc = layoutReport(def, rowsFromMaps({{{"sum", value}}}));

    const DocumentPage& page = doc.pages[0];
    const PageItem item = page.named(QStringLiteral("SUM")).first();
    QCOMPARE(item.text, printed);
    QVERIFY(near(item.rect.right(), 10 + 192.8));
    QVERIFY(item.alignment & Qt::AlignRight);
    QCOMPARE(textOf(page, QStringLiteral("asIs")), value.toString());
    QCOMPARE(textOf(page, QStringLiteral("custom")), QStringLiteral("<%1>").arg(value.toString()));
}

void TestReportEngine::sumsOverGroupPageAndReport()
{
    // Groups of 3, 2 and 4 rows.
    ReportDefinition def;
    def.paper = ReportPaper::custom(100, 80);
    def.margins = {0, 0, 0, 0};
    def.pageFooter.height = 10;
    def.pageFooter.sum(0, 0, 30, QStringLiteral("AMOUNT"), SumScope::Page).named(QStringLiteral("page"));
    def.pageFooter.sum(40, 0, 30, QStringLiteral("AMOUNT"), SumScope::Report)
        .named(QStringLiteral("so far"))
        .pattern(QStringLiteral("###,###,##0.00"));
    ReportGroup& group = def.addGroup(QStringLiteral("GROUP"));
    group.footer.height = 10;
    group.footer.field(0, 0, 30, QStringLiteral("GROUP")).named(QStringLiteral("group"));
    group.footer.sum(40, 0, 30, QStringLiteral("AMOUNT"), SumScope::Group).named(QStringLiteral("group sum"));
    def.detail.height = 6;
    def.detail.field(0, 0, 30, QStringLiteral("AMOUNT"));
    def.summary.height = 10;
    def.summary.sum(40, 0, 30, QStringLiteral("AMOUNT"), SumScope::Report).named(QStringLiteral("total"));

    QList<QVariantMap> maps;
    const QList<std::pair<QString, double>> data{{"G1", 0.1}, {"G1", 0.2}, {"G1", 1000}, {"G2", 5.25},
                                                 {"G2", 4.75}, {"G3", 1}, {"G3", 2}, {"G3", 3}, {"G3", 4}};
    for (const auto& [g, amount] : data)
        maps.append({{QStringLiteral("GROUP"), g}, {QStringLiteral("AMOUNT"), amount}});
    const PageDocument doc = layoutReport(def, rowsFromMaps(maps));

    QStringList groups;
    QStringList groupSums;
    QStringList pageSums;
    QStringList runningSums;
    for (const DocumentPage& page : doc.pages) {
        for (const PageItem& item : page.named(QStringLiteral("group")))
            groups.append(item.text);
        for (const PageItem& item : page.named(QStringLiteral("group sum")))
            groupSums.append(item.text);
        pageSums.append(textOf(page, QStringLiteral("page")));
        runningSums.append(textOf(page, QStringLiteral("so far")));
    }
    QCOMPARE(groups, QStringList({"G1", "G2", "G3"}));
    QCOMPARE(groupSums, QStringList({"1000.30", "10.00", "10.00"}));
    QCOMPARE(textOf(doc.pages.last(), QStringLiteral("total")), QStringLiteral("1020.30"));
    // 70 mm for bands a page: G1 and G2 with their footers take 50 mm, then
    // three rows of G3; its fourth row, its footer and the summary go over.
    QCOMPARE(doc.pageCount(), 2);
    QCOMPARE(pageSums, QStringList({"1016.30", "4.00"}));
    QCOMPARE(runningSums, QStringList({"1,016.30", "1,020.30"}));
}

void TestReportEngine::picturesFromFilesAndMissingFiles()
{
    QTemporaryDir dir;
    QImage logo(200, 100, QImage::Format_RGB32);
    logo.fill(Qt::red);
    const QString logoFile = dir.filePath(QStringLiteral("logo.bmp"));
    QVERIFY(logo.save(logoFile));

    ReportDefinition def;
    def.margins = {0, 0, 0, 0};
    def.title.height = 50;
    def.title.picture(15.3, 31.2, 15.9, 15.9, logoFile).named(QStringLiteral("logo"));
    def.title.picture(40, 31.2, 15.9, 15.9, dir.filePath(QStringLiteral("missing.bmp"))).named(QStringLiteral("gone"));
    def.title.picture(60, 0, 10, 10, QImage()).named(QStringLiteral("empty"));
    def.title.label(80, 0, QStringLiteral("ใบเสร็จรับเงิน"));
    const PageDocument doc = layoutReport(def);

    const DocumentPage& page = doc.pages[0];
    QVERIFY(page.named(QStringLiteral("gone")).isEmpty());
    QVERIFY(page.named(QStringLiteral("empty")).isEmpty());
    QVERIFY(page.findText(QStringLiteral("ใบเสร็จรับเงิน")));
    const QList<PageItem> pictures = page.named(QStringLiteral("logo"));
    QCOMPARE(pictures.size(), 1);
    // Twice as wide as high: fitted into the box, centred vertically.
    QCOMPARE(pictures[0].kind, PageItem::Kind::Picture);
    QCOMPARE(pictures[0].image.size(), QSize(200, 100));
    QVERIFY(near(pictures[0].rect.left(), 15.3));
    QVERIFY(near(pictures[0].rect.width(), 15.9));
    QVERIFY(near(pictures[0].rect.height(), 7.95));
    QVERIFY(near(pictures[0].rect.top(), 31.2 + 3.975));
}

void TestReportEngine::stretchingTextGrowsItsBand()
{
    const QString longText =
        QStringLiteral("ตรวจร่างกายทั่วไป ให้ยาลดไข้ ยาแก้ไอ และนัดตรวจติดตามอาการอีกครั้งภายในหนึ่งสัปดาห์ "
                       "หากมีไข้สูงหรืออาการไม่ดีขึ้นให้กลับมาพบแพทย์ทันที");
    ReportDefinition def;
    def.margins = {0, 0, 0, 0};
    def.detail.height = 6;
    def.detail.field(0, 0, 40, QStringLiteral("REM2")).height(6).stretching();
    def.detail.field(50, 0, 20, QStringLiteral("NO")).height(6);
    const PageDocument doc = layoutReport(def, rowsFromMaps({{{"REM2", longText}, {"NO", "1"}},
                                                             {{"REM2", "ไข้"}, {"NO", "2"}}}));

    const DocumentPage& page = doc.pages[0];
    const PageItem first = page.named(QStringLiteral("REM2")).first();
    QVERIFY(first.wordWrap);
    QVERIFY2(first.rect.height() > 12, qPrintable(QString::number(first.rect.height())));
    const PageItem* secondRow = page.findText(QStringLiteral("2"));
    QVERIFY(secondRow);
    // The second row starts below the grown first row; a short text keeps its box.
    QVERIFY(near(secondRow->rect.top(), first.rect.height()));
    QVERIFY(near(page.named(QStringLiteral("REM2")).last().rect.height(), 6));
}

void TestReportEngine::reportWithoutRowsPrintsOnePage()
{
    ReportDefinition def = pagedReport();
    def.summary.height = 10;
    def.summary.sum(0, 0, 30, QStringLiteral("AMOUNT"), SumScope::Report).named(QStringLiteral("total"));
    const PageDocument doc = layoutReport(def, {});

    QCOMPARE(doc.pageCount(), 1);
    QVERIFY(doc.pages[0].findText(QStringLiteral("รายงานทดสอบ")));
    QCOMPARE(textOf(doc.pages[0], QStringLiteral("total")), QStringLiteral("0.00"));
    QCOMPARE(textOf(doc.pages[0], QStringLiteral("pages")), QStringLiteral("1"));
    QVERIFY(doc.pages[0].named(QStringLiteral("NO")).isEmpty());
}

void TestReportEngine::specialFields()
{
    ReportDefinition def;
    def.printTime = QDateTime(QDate(2006, 3, 15), QTime(10, 30));
    def.pageHeader.height = 10;
    def.pageHeader.special(0, 0, 30, SpecialField::PrintDate).named(QStringLiteral("date"));
    def.pageHeader.special(40, 0, 30, SpecialField::PrintTime).named(QStringLiteral("time"));
    def.pageHeader.special(80, 0, 30, SpecialField::PageNumber)
        .named(QStringLiteral("page"))
        .format([](const QVariant& v) { return QStringLiteral("หน้า %1").arg(v.toInt()); });
    def.detail.height = 100;
    def.detail.special(0, 0, 10, SpecialField::RowNumber).named(QStringLiteral("line"));
    const PageDocument doc = layoutReport(def, numberedRows(3));

    QCOMPARE(doc.pageCount(), 2);
    QCOMPARE(textOf(doc.pages[0], QStringLiteral("date")), QStringLiteral("15/03/2549"));
    QCOMPARE(textOf(doc.pages[0], QStringLiteral("time")), QStringLiteral("10:30"));
    QCOMPARE(textOf(doc.pages[1], QStringLiteral("page")), QStringLiteral("หน้า 2"));
    QStringList lines;
    for (const DocumentPage& page : doc.pages)
        for (const PageItem& item : page.named(QStringLiteral("line")))
            lines.append(item.text);
    QCOMPARE(lines, QStringList({"1", "2", "3"}));
}

void TestReportEngine::barcodeElementPlacesBarsInItsBox()
{
    ReportDefinition def;
    def.margins = {10, 10, 10, 10};
    def.detail.height = 21.4;
    def.detail.barcodeField(6.9, 0.8, 29.9, 15.1, Symbology::Ean13, QStringLiteral("PRO_NO"));
    const PageDocument doc = layoutReport(def, rowsFromMaps({{{"PRO_NO", "4006381333931"}}, {{"PRO_NO", "???"}}}));

    const QList<PageItem> items = doc.pages[0].named(QStringLiteral("PRO_NO"));
    const QRectF box(16.9, 10.8, 29.9, 15.1);
    int bars = 0;
    QString digits;
    for (const PageItem& item : items) {
        if (item.kind == PageItem::Kind::Bar) {
            ++bars;
            QVERIFY(box.adjusted(-Tolerance, -Tolerance, Tolerance, Tolerance).contains(item.rect));
        } else {
            digits += item.text;
        }
    }
    QVERIFY(bars > 20);
    // The second row's code cannot be encoded and places nothing.
    QCOMPARE(digits, QStringLiteral("4006381333931"));
}

void TestReportEngine::rowsComeFromAQuery()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("rows"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("create table service1 (serv_no text, descrip text, sum float)")));
        QVERIFY(q.exec(QStringLiteral("insert into service1 values ('SV01', 'ค่าตรวจ', 300), ('SV01', 'ยาแก้ไอ', 45.5)")));
        for (bool forwardOnly : {false, true}) {
            QSqlQuery select(db);
            select.setForwardOnly(forwardOnly);
            QVERIFY(select.exec(QStringLiteral("select * from Service1 order by sum desc")));
            const ReportRows rows = rowsFromQuery(select);
            QCOMPARE(rows.size(), 2);
            QCOMPARE(rows[0].value(QStringLiteral("DESCRIP")).toString(), QStringLiteral("ค่าตรวจ"));
            QCOMPARE(rows[1].value(QStringLiteral("Sum")).toDouble(), 45.5);
            QVERIFY(rows[1].contains(QStringLiteral("SERV_NO")));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("rows"));
}

QTEST_MAIN(TestReportEngine)
#include "test_reportengine.moc"
