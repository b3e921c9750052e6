#include "platform/print/renderer.h"

#include "platform/print/fonts.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <functional>

namespace {

// The document's paper for a printer or PDF: a standard size with the
// orientation, or a custom size given as portrait plus orientation.
QPageLayout pageLayoutOf(const PageDocument& document)
{
    const QSizeF mm = document.paperSizeMm();
    if (document.pageSize.id() != QPageSize::Custom)
        return QPageLayout(document.pageSize, document.orientation, QMarginsF(), QPageLayout::Millimeter);
    const QSizeF portrait(std::min(mm.width(), mm.height()), std::max(mm.width(), mm.height()));
    const QPageSize size(portrait, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    const auto orientation = mm.width() > mm.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(), QPageLayout::Millimeter);
}

void paintPages(QPainter& painter, const PageDocument& document, int from, int to,
                const std::function<bool()>& newPage)
{
    for (int i = from; i <= to; ++i) {
        if (i > from && !newPage())
            return;
        paintPage(painter, document, i);
    }
}

} // namespace

void paintItems(QPainter& painter, const QList<PageItem>& items)
{
    const double sx = painter.device()->logicalDpiX() / 25.4;
    const double sy = painter.device()->logicalDpiY() / 25.4;
    auto toDevice = [&](const QRectF& r) { return QRectF(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy); };
    auto pen = [&](const QColor& colour, double widthMm) {
        QPen p(colour, std::max(widthMm * sx, 1.0));
        p.setCapStyle(Qt::FlatCap);
        p.setJoinStyle(Qt::MiterJoin);
        return p;
    };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const PageItem& item : items) {
        switch (item.kind) {
        case PageItem::Kind::Text: {
            painter.setFont(printFont(item.font));
            painter.setPen(item.font.colour);
            int flags = int(item.alignment);
            if (item.wordWrap)
                flags |= Qt::TextWordWrap;
            if (!item.clip)
                flags |= Qt::TextDontClip;
            painter.drawText(toDevice(item.rect), flags, item.text);
            break;
        }
        case PageItem::Kind::Line:
            painter.setPen(pen(item.colour, item.penWidth));
            painter.drawLine(QLineF(item.line.x1() * sx, item.line.y1() * sy, item.line.x2() * sx,
                                    item.line.y2() * sy));
            break;
        case PageItem::Kind::Frame: {
            painter.setPen(item.penWidth > 0 ? pen(item.colour, item.penWidth) : QPen(Qt::NoPen));
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            const QRectF r = toDevice(item.rect);
            if (item.radius > 0)
                painter.drawRoundedRect(r, item.radius * sx, item.radius * sy);
            else
                painter.drawRect(r);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        case PageItem::Kind::Picture:
            painter.drawImage(toDevice(item.rect), item.image);
            break;
        case PageItem::Kind::Bar:
            painter.fillRect(toDevice(item.rect), item.colour);
            break;
        }
    }
    painter.restore();
}

void paintPage(QPainter& painter, const PageDocument& document, int pageIndex)
{
    if (pageIndex < 0 || pageIndex >= document.pageCount())
        return;
    const QSizeF mm = document.paperSizeMm();
    const double sx = painter.device()->logicalDpiX() / 25.4;
    const double sy = painter.device()->logicalDpiY() / 25.4;
    painter.fillRect(QRectF(0, 0, mm.width() * sx, mm.height() * sy), Qt::white);
    paintItems(painter, document.pages.at(pageIndex).items);
}

QImage renderPageImage(const PageDocument& document, int pageIndex, double dotsPerInch)
{
    const QSizeF mm = document.paperSizeMm();
    const QSize pixels(qMax(1, qRound(mm.width() * dotsPerInch / 25.4)),
                       qMax(1, qRound(mm.height() * dotsPerInch / 25.4)));
    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, document, pageIndex);
    return image;
}

bool writePdf(const PageDocument& document, const QString& file, QString* error)
{
    auto fail = [&](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    if (document.pages.isEmpty())
        return fail(QStringLiteral("the document has no pages"));
    {
        // Checked first so that an unwritable path is reported, not warned about.
        QFile probe(file);
        if (!probe.open(QIODevice::WriteOnly))
            return fail(QStringLiteral("cannot write %1").arg(QFileInfo(file).absoluteFilePath()));
    }
    QPdfWriter writer(file);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Velinka"));
    writer.setResolution(1200);
    writer.setPageLayout(pageLayoutOf(document));
    QPainter painter;
    if (!painter.begin(&writer))
        return fail(QStringLiteral("cannot write %1").arg(QFileInfo(file).absoluteFilePath()));
    paintPages(painter, document, 0, document.pageCount() - 1, [&] { return writer.newPage(); });
    if (!painter.end())
        return fail(QStringLiteral("cannot write %1").arg(QFileInfo(file).absoluteFilePath()));
    return true;
}

void preparePrinter(const PageDocument& document, QPrinter& printer)
{
    printer.setDocName(document.title);
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(document));
}

bool printDocument(const PageDocument& document, QPrinter& printer, QString* error)
{
    int from = 0;
    int to = document.pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(from, printer.fromPage() - 1);
        to = std::min(to, printer.toPage() - 1);
    }
    if (from > to) {
        if (error)
            *error = QStringLiteral("no page to print");
        return false;
    }
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("the printer cannot be opened");
        return false;
    }
    paintPages(painter, document, from, to, [&] { return printer.newPage(); });
    return painter.end();
}
