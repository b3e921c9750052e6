#pragma once
// The barcode symbols of the program, encoded by libzint: EAN-13 and
// Code 128, with their human-readable digits beneath the bars.

#include "platform/print/pagemodel.h"

#include <QList>
#include <QRectF>
#include <QString>

enum class Symbology { Ean13, Code128 };

// One encoded symbol in libzint's vector units (the narrowest bar is 2
// units wide); the size includes the quiet zones libzint adds.
struct BarcodeSymbol {
    struct Digits {
        QString text;
        QPointF anchor;        // baseline point; its meaning follows alignment
        Qt::Alignment alignment = Qt::AlignHCenter;
        double fontSize = 0;   // em height, units
        double width = 0;      // width libzint suggests for the text, units
    };

    bool valid = false;
    QString error;             // libzint's message when not valid
    QString text;              // the encoded text as printed (EAN-13: 13 digits with check digit)
    QSizeF size;               // units
    QList<QRectF> bars;        // units, from the top-left corner
    QList<Digits> digits;
};

// Encodes text. EAN-13 takes 12 digits, or 13 whose last digit is replaced by
// the check digit computed over the first 12. Code 128 takes Latin-1 text.
BarcodeSymbol encodeBarcode(Symbology symbology, const QString& text, bool showDigits = true);

// The symbol scaled into boxMm (page millimetres): one Bar item per bar and
// one Text item per group of digits, all named name. An invalid symbol
// gives no items.
QList<PageItem> barcodeItems(const BarcodeSymbol& symbol, const QRectF& boxMm, const QString& name = {});

// The EAN-13 check digit (GS1 rule) of twelve digits, computed by libzint;
// -1 when the text is not twelve digits.
int Ean13CheckDigit(const QString& twelveDigits);
// Thirteen digits whose last one is the check digit of the first twelve.
bool IsValidEan13(const QString& code);
