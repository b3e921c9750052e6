// The renderer writing real PDF files, read back with poppler's tools.

#include "platform/print/renderer.h"
#include "platform/print/reportengine.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ReportPaper)

namespace {

// Runs a poppler tool; skips the test when it is not installed.
#define RUN_TOOL(output, tool, ...)                                                                      \
    do {                                                                                                 \
        const QString program_ = QStandardPaths::findExecutable(QStringLiteral(tool));                  \
        if (program_.isEmpty())                                                                          \
            QSKIP(tool " (poppler-utils) is not installed");                                              \
        QProcess process_;                                                                               \
        process_.start(program_, QStringList{__VA_ARGS__});                                              \
        QVERIFY(process_.waitForFinished(30000));                                                        \
        QCOMPARE(process_.exitCode(), 0);                                                                \
        output = QString::fromUtf8(process_.readAllStandardOutput());                                    \
    } while (0)

ReportDefinition receiptLike(const ReportPaper& paper, bool landscape)
{
    ReportDefinition def;
    def.caption = QStringLiteral("ใบเสร็จรับเงิน");
    def.paper = paper;
    def.orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    def.margins = {5, 5, 5, 5};
    def.pageHeader.height = 12;
    def.pageHeader.label(0, 0, QStringLiteral("ใบเสร็จรับเงิน Velinka"), 60).bold();
    def.pageHeader.hline(0, 10, 60);
    def.detail.height = 6;
    def.detail.field(0, 0, 40, QStringLiteral("DESCRIP"));
    def.detail.field(40, 0, 20, QStringLiteral("SUM")).right().pattern(QStringLiteral("##,###,##0.00"));
    def.pageFooter.height = 8;
    def.pageFooter.label(0, 0, QStringLiteral("page"), 10).font(QStringLiteral("CordiaUPC"), 12);
    def.pageFooter.special(12, 0, 10, SpecialField::PageNumber).font(QStringLiteral("CordiaUPC"), 12);
    return def;
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pdfPagesHaveThePaperSize_data();
    void pdfPagesHaveThePaperSize();
    void pdfHoldsTheTextsOnTheirPages();
    void unwritableFileIsReported();
};

void TestReportPdf::pdfPagesHaveThePaperSize_data()
{
    QTest::addColumn<ReportPaper>("paper");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<double>("widthMm");
    QTest::addColumn<double>("heightMm");
    QTest::newRow("Letter") << ReportPaper::letter() << false << 215.9 << 279.4;
    QTest::newRow("A4 landscape") << ReportPaper::a4() << true << 297.0 << 210.0;
    QTest::newRow("half Letter") << ReportPaper::halfLetter() << false << 215.9 << 139.7;
    QTest::newRow("label sheet") << ReportPaper::custom(160, 220) << false << 160.0 << 220.0;
    QTest::newRow("3-inch roll") << ReportPaper::custom(76, 150) << false << 76.0 << 150.0;
}

void TestReportPdf::pdfPagesHaveThePaperSize()
{
    QFETCH(ReportPaper, paper);
    QFETCH(bool, landscape);
    QFETCH(double, widthMm);
    QFETCH(double, heightMm);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("paper.pdf"));
    const PageDocument doc = layoutReport(receiptLike(paper, landscape));
    QString error;
    QVERIFY2(writePdf(doc, file, &error), qPrintable(error));

    QString info;
    RUN_TOOL(info, "pdfinfo", file);
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(info);
    QVERIFY2(size.hasMatch(), qPrintable(info));
    QVERIFY2(std::abs(size.captured(1).toDouble() - widthMm * 72 / 25.4) < 0.5, qPrintable(info));
    QVERIFY2(std::abs(size.captured(2).toDouble() - heightMm * 72 / 25.4) < 0.5, qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("ใบเสร็จรับเงิน")), qPrintable(info));
}

void TestReportPdf::pdfHoldsTheTextsOnTheirPages()
{
    QList<QVariantMap> maps;
    for (int i = 1; i <= 30; ++i)
        maps.append({{QStringLiteral("DESCRIP"), QStringLiteral("item%1").arg(i)}, {QStringLiteral("SUM"), i * 1000.5}});
    const PageDocument doc = layoutReport(receiptLike(ReportPaper::halfLetter(), false), rowsFromMaps(maps));
    QCOMPARE(doc.pageCount(), 2);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("receipt.pdf"));
    QString error;
    QVERIFY2(writePdf(doc, file, &error), qPrintable(error));

    QString info;
    RUN_TOOL(info, "pdfinfo", file);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))), qPrintable(info));

    QString first;
    RUN_TOOL(first, "pdftotext", QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
             QStringLiteral("1"), QStringLiteral("-layout"), file, QStringLiteral("-"));
    QString second;
    RUN_TOOL(second, "pdftotext", QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
             QStringLiteral("2"), QStringLiteral("-layout"), file, QStringLiteral("-"));
    for (const QString& page : {first, second})
        QVERIFY2(page.contains(QStringLiteral("ใบเสร็จรับเงิน Velinka")), qPrintable(page));
    QVERIFY2(first.contains(QStringLiteral("item1 ")) && first.contains(QStringLiteral("1,000.50")), qPrintable(first));
    QVERIFY2(!first.contains(QStringLiteral("item30")), qPrintable(first));
    QVERIFY2(second.contains(QStringLiteral("item30")) && second.contains(QStringLiteral("30,015.00")),
             qPrintable(second));
    QVERIFY2(second.contains(QRegularExpression(QStringLiteral("page\\s+2"))), qPrintable(second));
}

void TestReportPdf::unwritableFileIsReported()
{
    const PageDocument doc = layoutReport(receiptLike(ReportPaper::letter(), false));
    QString error;
    QVERIFY(!writePdf(doc, QStringLiteral("/nonexistent-folder/receipt.pdf"), &error));
    QVERIFY(error.contains(QStringLiteral("/nonexistent-folder/receipt.pdf")));
}

QTEST_MAIN(TestReportPdf)
#include "test_reportpdf.moc"
