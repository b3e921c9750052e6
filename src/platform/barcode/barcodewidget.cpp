#include "platform/barcode/barcodewidget.h"

#include "platform/print/renderer.h"

#include <QPainter>

BarcodeWidget::BarcodeWidget(Symbology symbology, QWidget* parent) : QWidget(parent), symbology_(symbology)
{
    setAutoFillBackground(false);
}

void BarcodeWidget::setText(const QString& text)
{
    text_ = text;
    symbol_ = encodeBarcode(symbology_, text);
    update();
}

QSize BarcodeWidget::sizeHint() const
{
    return QSize(180, 90);
}

void BarcodeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!symbol_.valid)
        return;
    const double pxPerMm = logicalDpiX() / 25.4;
    const double pyPerMm = logicalDpiY() / 25.4;
    // Keep the symbol's proportions, centred, with a small white border.
    const QSizeF available((width() - 8) / pxPerMm, (height() - 8) / pyPerMm);
    QSizeF box = symbol_.size.scaled(available, Qt::KeepAspectRatio);
    const QRectF boxMm(QPointF((width() / pxPerMm - box.width()) / 2, (height() / pyPerMm - box.height()) / 2),
                       box);
    paintItems(painter, barcodeItems(symbol_, boxMm));
}
