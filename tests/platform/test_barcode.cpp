// The libzint wrapper: check digits, symbols placed into boxes, the widget.

#include "platform/barcode/barcode.h"
#include "platform/barcode/barcodewidget.h"

#include <QtTest>

Q_DECLARE_METATYPE(Symbology)

class TestBarcode : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checkDigit_data();
    void checkDigit();
    void validEan13_data();
    void validEan13();
    void symbolFillsItsBox_data();
    void symbolFillsItsBox();
    void textThatCannotBeEncodedPlacesNothing_data();
    void textThatCannotBeEncodedPlacesNothing();
    void widgetShowsTheCodeWithItsCheckDigit();
};

void TestBarcode::checkDigit_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("check");
    QTest::newRow("4006381333931") << "400638133393" << 1;
    QTest::newRow("9780306406157") << "978030640615" << 7;
    QTest::newRow("5901234123457") << "590123412345" << 7;
    QTest::newRow("8850999320014") << "885099932001" << 4;
    QTest::newRow("all zeros") << "000000000000" << 0;
    QTest::newRow("eleven digits") << "40063813339" << -1;
    QTest::newRow("thirteen digits") << "4006381333931" << -1;
    QTest::newRow("a letter") << "40063813339A" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestBarcode::checkDigit()
{
    QFETCH(QString, digits);
    QFETCH(int, check);
    QCOMPARE(Ean13CheckDigit(digits), check);
}

void TestBarcode::validEan13_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("valid");
    QTest::newRow("right check digit") << "4006381333931" << true;
    QTest::newRow("ISBN") << "9780306406157" << true;
    QTest::newRow("wrong check digit") << "4006381333932" << false;
    QTest::newRow("twelve digits") << "400638133393" << false;
    QTest::newRow("fourteen digits") << "40063813339310" << false;
    QTest::newRow("blank inside") << "400638 333931" << false;
}

void TestBarcode::validEan13()
{
    QFETCH(QString, code);
    QFETCH(bool, valid);
    QCOMPARE(IsValidEan13(code), valid);
}

void TestBarcode::symbolFillsItsBox_data()
{
    QTest::addColumn<Symbology>("symbology");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<QString>("digits");
    QTest::newRow("EAN-13 of 12 digits") << Symbology::Ean13 << "400638133393" << QRectF(6.9, 10.6, 29.9, 15.1)
                                         << "4006381333931";
    QTest::newRow("EAN-13, wrong 13th digit set right")
        << Symbology::Ean13 << "4006381333935" << QRectF(4.8, 2.4, 29.9, 14.6) << "4006381333931";
    QTest::newRow("Code 128, 8 characters") << Symbology::Code128 << "12345678" << QRectF(1.3, 1.1, 31.8, 13.2)
                                            << "12345678";
    QTest::newRow("Code 128, letters") << Symbology::Code128 << "AB-12x" << QRectF(6.1, 5.3, 31.8, 15.1)
                                       << "AB-12x";
}

void TestBarcode::symbolFillsItsBox()
{
    QFETCH(Symbology, symbology);
    QFETCH(QString, code);
    QFETCH(QRectF, box);
    QFETCH(QString, digits);

    const BarcodeSymbol symbol = encodeBarcode(symbology, code);
    QVERIFY2(symbol.valid, qPrintable(symbol.error));
    QCOMPARE(symbol.text, digits);

    const QList<PageItem> items = barcodeItems(symbol, box, QStringLiteral("code"));
    const QRectF inside = box.adjusted(-0.001, -0.001, 0.001, 0.001);
    QRectF barsExtent;
    QString texts;
    int bars = 0;
    for (const PageItem& item : items) {
        QCOMPARE(item.name, QStringLiteral("code"));
        if (item.kind == PageItem::Kind::Bar) {
            ++bars;
            QVERIFY(inside.contains(item.rect));
            barsExtent = barsExtent.isNull() ? item.rect : barsExtent.united(item.rect);
        } else {
            QCOMPARE(item.kind, PageItem::Kind::Text);
            // The digits sit beneath the bars, inside the box.
            QVERIFY(item.rect.top() > box.top() + box.height() / 2);
            QVERIFY(item.rect.center().y() < box.bottom());
            texts += item.text;
        }
    }
    QVERIFY(bars >= 15);
    QCOMPARE(texts, digits);
    // The bars take most of the box: across, and down to the digits.
    QVERIFY(barsExtent.width() > box.width() * 0.8);
    QVERIFY(barsExtent.height() > box.height() * 0.75);

    const QList<PageItem> bare = barcodeItems(encodeBarcode(symbology, code, false), box);
    QVERIFY(std::none_of(bare.begin(), bare.end(), [](const PageItem& i) { return i.kind == PageItem::Kind::Text; }));
}

void TestBarcode::textThatCannotBeEncodedPlacesNothing_data()
{
    QTest::addColumn<Symbology>("symbology");
    QTest::addColumn<QString>("code");
    QTest::newRow("EAN-13 with letters") << Symbology::Ean13 << "ABCDEFGHIJKL";
    QTest::newRow("EAN-13 too long") << Symbology::Ean13 << "40063813339312345678";
    QTest::newRow("Code 128 of Thai") << Symbology::Code128 << "ยาแก้ไอ";
    QTest::newRow("Code 128, empty") << Symbology::Code128 << "";
}

void TestBarcode::textThatCannotBeEncodedPlacesNothing()
{
    QFETCH(Symbology, symbology);
    QFETCH(QString, code);
    const BarcodeSymbol symbol = encodeBarcode(symbology, code);
    QVERIFY(!symbol.valid);
    QVERIFY(!symbol.error.isEmpty());
    QVERIFY(barcodeItems(symbol, QRectF(0, 0, 30, 15)).isEmpty());
}

void TestBarcode::widgetShowsTheCodeWithItsCheckDigit()
{
    BarcodeWidget ean(Symbology::Ean13);
    ean.resize(200, 100);
    ean.setText(QStringLiteral("4006381333935"));
    QCOMPARE(ean.text(), QStringLiteral("4006381333935"));
    QCOMPARE(ean.encodedText(), QStringLiteral("4006381333931"));

    // Something dark is drawn, and nothing at all for a text it cannot encode.
    auto darkPixels = [](QWidget& w) {
        const QImage image = w.grab().toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    QVERIFY(darkPixels(ean) > 500);
    ean.setText(QStringLiteral("ABC"));
    QCOMPARE(ean.encodedText(), QString());
    QCOMPARE(darkPixels(ean), 0);
}

QTEST_MAIN(TestBarcode)
#include "test_barcode.moc"
