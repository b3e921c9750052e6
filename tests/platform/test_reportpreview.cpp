// The print preview, driven through its buttons.

#include "platform/print/printpreview.h"
#include "platform/print/reportengine.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

PageDocument threePages()
{
    ReportDefinition def;
    def.caption = QStringLiteral("รายงานทดสอบ");
    def.detail.height = 100;
    def.detail.field(0, 0, 50, QStringLiteral("NO"));
    return layoutReport(def, rowsFromMaps({{{"NO", "1"}}, {{"NO", "2"}}, {{"NO", "3"}}, {{"NO", "4"}},
                                           {{"NO", "5"}}}));
}

void click(QWidget& parent, const char* objectName)
{
    auto* button = parent.findChild<QPushButton*>(QLatin1String(objectName));
    QVERIFY2(button, objectName);
    QVERIFY2(button->isEnabled(), objectName);
    button->click();
}

QString pageText(QWidget& preview)
{
    return preview.findChild<QLabel*>(QStringLiteral("pageLabel"))->text();
}

} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pagesAreBrowsed();
    void zoomCommands();
    void savePdfAndClose();
    void captureRecordsInsteadOfShowing();
};

void TestReportPreview::pagesAreBrowsed()
{
    PrintPreview preview(threePages());
    QCOMPARE(preview.document().pageCount(), 3);
    QCOMPARE(pageText(preview), QStringLiteral("หน้า 1 จาก 3"));
    QVERIFY(!preview.findChild<QPushButton*>(QStringLiteral("previousPageButton"))->isEnabled());

    click(preview, "nextPageButton");
    QCOMPARE(preview.currentPage(), 1);
    QCOMPARE(pageText(preview), QStringLiteral("หน้า 2 จาก 3"));
    click(preview, "lastPageButton");
    QCOMPARE(pageText(preview), QStringLiteral("หน้า 3 จาก 3"));
    QVERIFY(!preview.findChild<QPushButton*>(QStringLiteral("nextPageButton"))->isEnabled());
    click(preview, "previousPageButton");
    QCOMPARE(preview.currentPage(), 1);
    click(preview, "firstPageButton");
    QCOMPARE(preview.currentPage(), 0);

    // The page shown is the rendered page at the zoom.
    const QPixmap pixmap = preview.findChild<QLabel*>(QStringLiteral("pageView"))->pixmap();
    QVERIFY(!pixmap.isNull());
    QVERIFY(std::abs(pixmap.width() / pixmap.devicePixelRatio() -
                     215.9 / 25.4 * preview.logicalDpiX() * preview.zoom()) < 2);
}

void TestReportPreview::zoomCommands()
{
    PrintPreview preview(threePages());
    preview.resize(800, 600);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));

    click(preview, "fitPageButton");
    const double page = preview.zoom();
    click(preview, "fitWidthButton");
    const double width = preview.zoom();
    // A Letter page in a wide window: the whole page is smaller than the width.
    QVERIFY(page < width);
    click(preview, "zoomInButton");
    QVERIFY(preview.zoom() > width);
    click(preview, "zoomOutButton");
    click(preview, "zoomOutButton");
    QVERIFY(preview.zoom() < width);
}

void TestReportPreview::savePdfAndClose()
{
    QTemporaryDir dir;
    QPointer<PrintPreview> preview = showPrintPreview(threePages(), nullptr);
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(preview->savePdf(file));
    QVERIFY(QFileInfo(file).size() > 0);

    click(*preview, "closeButton");
    QTRY_VERIFY(preview.isNull());
    // Closing wrote nothing else.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.pdf")});
}

void TestReportPreview::captureRecordsInsteadOfShowing()
{
    PrintPreviewCapture capture;
    QVERIFY(!showPrintPreview(threePages(), nullptr));
    QCOMPARE(capture.documents().size(), 1);
    QCOMPARE(capture.documents().first().title, QStringLiteral("รายงานทดสอบ"));
    QCOMPARE(capture.documents().first().pageCount(), 3);
}

QTEST_MAIN(TestReportPreview)
#include "test_reportpreview.moc"
