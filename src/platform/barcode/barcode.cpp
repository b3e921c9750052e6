#include "platform/barcode/barcode.h"

#include <zint.h>

#include <algorithm>
#include <memory>

namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};
using SymbolPtr = std::unique_ptr<zint_symbol, SymbolDeleter>;

bool allDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

// Encodes into a zint symbol; returns nullptr and sets *error on failure.
SymbolPtr encode(int symbology, const QByteArray& data, bool showDigits, QString* error)
{
    SymbolPtr symbol(ZBarcode_Create());
    if (!symbol) {
        *error = QStringLiteral("out of memory");
        return nullptr;
    }
    symbol->symbology = symbology;
    symbol->input_mode = DATA_MODE;
    symbol->show_hrt = showDigits ? 1 : 0;
    const int rc = ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()),
                                   int(data.size()));
    if (rc >= ZINT_ERROR) {
        *error = QString::fromLatin1(symbol->errtxt);
        return nullptr;
    }
    return symbol;
}

Qt::Alignment digitsAlignment(int halign)
{
    switch (halign) {
    case 1: return Qt::AlignLeft;
    case 2: return Qt::AlignRight;
    default: return Qt::AlignHCenter;
    }
}

} // namespace

BarcodeSymbol encodeBarcode(Symbology symbology, const QString& text, bool showDigits)
{
    BarcodeSymbol result;
    QString data = text;
    int zintSymbology = BARCODE_CODE128;
    if (symbology == Symbology::Ean13) {
        zintSymbology = BARCODE_EANX;
        if (data.size() == 13 && allDigits(data))
            data.chop(1); // libzint appends the check digit itself
    }
    if (std::any_of(data.begin(), data.end(), [](QChar c) { return c.unicode() > 0xff; })) {
        result.error = QStringLiteral("only Latin-1 characters can be encoded");
        return result;
    }
    SymbolPtr symbol = encode(zintSymbology, data.toLatin1(), showDigits, &result.error);
    if (!symbol)
        return result;
    if (ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector) {
        result.error = QString::fromLatin1(symbol->errtxt);
        return result;
    }
    result.valid = true;
    result.text = QString::fromUtf8(reinterpret_cast<const char*>(symbol->text));
    const zint_vector* vector = symbol->vector;
    result.size = QSizeF(vector->width, vector->height);
    for (const zint_vector_rect* r = vector->rectangles; r; r = r->next)
        result.bars.append(QRectF(r->x, r->y, r->width, r->height));
    for (const zint_vector_string* s = vector->strings; s; s = s->next) {
        BarcodeSymbol::Digits digits;
        digits.text = QString::fromUtf8(reinterpret_cast<const char*>(s->text), s->length);
        digits.anchor = QPointF(s->x, s->y);
        digits.alignment = digitsAlignment(s->halign);
        digits.fontSize = s->fsize;
        digits.width = s->width;
        result.digits.append(digits);
    }
    return result;
}

QList<PageItem> barcodeItems(const BarcodeSymbol& symbol, const QRectF& boxMm, const QString& name)
{
    QList<PageItem> items;
    if (!symbol.valid || symbol.size.isEmpty() || boxMm.isEmpty())
        return items;
    const double sx = boxMm.width() / symbol.size.width();
    const double sy = boxMm.height() / symbol.size.height();
    for (const QRectF& bar : symbol.bars) {
        PageItem item;
        item.kind = PageItem::Kind::Bar;
        item.name = name;
        item.rect = QRectF(boxMm.x() + bar.x() * sx, boxMm.y() + bar.y() * sy, bar.width() * sx,
                           bar.height() * sy);
        items.append(item);
    }
    const double emScale = std::min(sx, sy);
    for (const BarcodeSymbol::Digits& d : symbol.digits) {
        const double emMm = d.fontSize * emScale;
        const double widthMm = std::max(d.width * sx, emMm * 0.7 * d.text.size());
        const double anchorX = boxMm.x() + d.anchor.x() * sx;
        const double baseline = boxMm.y() + d.anchor.y() * sy;
        double left = anchorX - widthMm / 2;
        if (d.alignment & Qt::AlignLeft)
            left = anchorX;
        else if (d.alignment & Qt::AlignRight)
            left = anchorX - widthMm;
        PageItem item;
        item.kind = PageItem::Kind::Text;
        item.name = name;
        item.text = d.text;
        // DejaVu Sans digits are wider than the OCR-B libzint sizes them for.
        item.font.family = QStringLiteral("DejaVu Sans");
        item.font.pointSize = emMm * 0.85 * 72.0 / 25.4;
        // The text's bottom (baseline plus descent) sits a quarter em below the baseline.
        item.rect = QRectF(left, baseline - emMm, widthMm, emMm * 1.25);
        item.alignment = d.alignment | Qt::AlignBottom;
        item.clip = false;
        items.append(item);
    }
    return items;
}

int Ean13CheckDigit(const QString& twelveDigits)
{
    if (twelveDigits.size() != 12 || !allDigits(twelveDigits))
        return -1;
    QString error;
    SymbolPtr symbol = encode(BARCODE_EANX, twelveDigits.toLatin1(), true, &error);
    if (!symbol)
        return -1;
    const QString encoded = QString::fromUtf8(reinterpret_cast<const char*>(symbol->text));
    if (encoded.size() != 13 || !encoded.startsWith(twelveDigits))
        return -1;
    return encoded.at(12).digitValue();
}

bool IsValidEan13(const QString& code)
{
    return code.size() == 13 && allDigits(code) && Ean13CheckDigit(code.left(12)) == code.at(12).digitValue();
}
