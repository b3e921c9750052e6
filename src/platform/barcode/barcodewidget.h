#pragma once
// A barcode symbol drawn on screen, scaled to the widget (the previews of
// the item registry and the barcode screen).

#include "platform/barcode/barcode.h"

#include <QWidget>

class BarcodeWidget : public QWidget {
    Q_OBJECT
public:
    explicit BarcodeWidget(Symbology symbology, QWidget* parent = nullptr);

    void setText(const QString& text);
    // The text as given.
    QString text() const { return text_; }
    // The text as the symbol holds it (EAN-13: with its check digit);
    // empty when the text cannot be encoded.
    QString encodedText() const { return symbol_.valid ? symbol_.text : QString(); }
    const BarcodeSymbol& symbol() const { return symbol_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Symbology symbology_;
    QString text_;
    BarcodeSymbol symbol_;
};
