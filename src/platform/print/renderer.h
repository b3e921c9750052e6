#pragma once
// The one renderer of the page model: paints pages with QPainter onto any
// device (screen image, printer, PDF). Millimetres are converted with the
// device's resolution; fonts go through printFont() (fonts.h).

#include "platform/print/pagemodel.h"

#include <QImage>
#include <QString>

class QPainter;
class QPrinter;

// Paints items in page millimetres onto the painter's device, offset by the
// painter's current transformation.
void paintItems(QPainter& painter, const QList<PageItem>& items);
// Paints one page (white paper, then its items).
void paintPage(QPainter& painter, const PageDocument& document, int pageIndex);

// The page as an image at dotsPerInch (the preview).
QImage renderPageImage(const PageDocument& document, int pageIndex, double dotsPerInch);

// Writes every page into a PDF file whose page size is the document's paper.
bool writePdf(const PageDocument& document, const QString& file, QString* error = nullptr);

// Sets the printer's paper to the document's; the print dialog starts from it.
void preparePrinter(const PageDocument& document, QPrinter& printer);
// Prints the pages the printer's range selects (all when none).
bool printDocument(const PageDocument& document, QPrinter& printer, QString* error = nullptr);
