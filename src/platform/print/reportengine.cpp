#include "platform/print/reportengine.h"

#include "data/thaidate.h"
#include "platform/barcode/barcode.h"
#include "platform/print/fonts.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double Epsilon = 1e-6;

using Amount = qint64; // fixed point, four decimals

Amount toAmount(const QVariant& value)
{
    bool ok = false;
    const double d = value.toDouble(&ok);
    return ok ? Amount(std::llround(d * 10000.0)) : 0;
}

QString defaultText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    return value.toString();
}

class Layouter {
public:
    Layouter(const ReportDefinition& def, const ReportRows& rows) : def_(def), rows_(rows) {}

    PageDocument run();

private:
    struct Deferred {
        int page;
        qsizetype item;
        Formatter formatter;
    };

    // Laying out bands.
    void startPage(const ReportRow& row);
    void finishPage(bool last);
    void newPage(const ReportRow& row);
    void flushColumns();
    std::optional<BandInstance> prepare(const ReportBand& band, const ReportRow& row, int rowNumber);
    double bandHeight(BandInstance& inst, int groupLevel);
    // Places a band at the top of the page area (headers) or at y.
    void place(BandInstance& inst, double x, double y, int groupLevel);
    // A band in the flow: breaks the page when it does not fit.
    void flow(const ReportBand& band, const ReportRow& row, int groupLevel);
    void flowDetail(const ReportRow& row);
    void accumulate(const ReportRow& row);

    // Elements.
    FontSpec fontOf(const ReportElement& e) const;
    QString textOf(const ReportElement& e, const ReportRow& row, int groupLevel) const;
    double sumOf(const ReportElement& e, int groupLevel) const;
    void emitElement(const ReportElement& e, const ReportRow& row, QPointF origin, int groupLevel,
                     double stretchedHeight);
    double stretchedHeight(const ReportElement& e, const ReportRow& row, int groupLevel) const;

    DocumentPage& page() { return doc_.pages.last(); }
    int innermostGroup() const { return int(def_.groups.size()) - 1; }

    const ReportDefinition& def_;
    const ReportRows& rows_;
    PageDocument doc_;
    QDateTime printTime_;

    double paperHeight_ = 0;
    double flowBottom_ = 0;  // top of the page footer
    double y_ = 0;
    double pageTop_ = 0;     // first y below the headers of this page

    int column_ = 0;         // multi-column detail: next column of the line
    double lineHeight_ = 0;  // multi-column detail: tallest band of the line

    int rowNumber_ = 0;
    const ReportRow* lastRow_ = nullptr;
    ReportRow emptyRow_;

    QStringList sumColumns_;
    QHash<QString, Amount> reportSums_;
    QHash<QString, Amount> pageSums_;
    QList<QHash<QString, Amount>> groupSums_;
    QList<QVariant> groupKeys_;
    QList<Deferred> pageCounts_;
};

PageDocument Layouter::run()
{
    doc_.title = def_.caption;
    doc_.pageSize = def_.paper.size;
    doc_.orientation = def_.orientation;
    printTime_ = def_.printTime.isValid() ? def_.printTime : QDateTime::currentDateTime();
    paperHeight_ = doc_.paperSizeMm().height();
    const double footer = def_.pageFooter.height > 0 ? def_.pageFooter.height : 0;
    flowBottom_ = paperHeight_ - def_.margins.bottom - footer;

    auto collectSums = [this](const ReportBand& band) {
        for (const ReportElement& e : band.elements) {
            if (e.kind == ReportElement::Kind::Sum && !sumColumns_.contains(e.column.toUpper()))
                sumColumns_.append(e.column.toUpper());
        }
    };
    for (const ReportBand* band : {&def_.pageHeader, &def_.title, &def_.columnHeader, &def_.detail,
                                   &def_.summary, &def_.pageFooter})
        collectSums(*band);
    for (const ReportGroup& g : def_.groups) {
        collectSums(g.header);
        collectSums(g.footer);
    }
    groupSums_.resize(def_.groups.size());
    groupKeys_.resize(def_.groups.size());

    startPage(rows_.isEmpty() ? emptyRow_ : rows_.first());

    const int groupCount = int(def_.groups.size());
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        const ReportRow& row = rows_.at(i);
        int changed = -1;
        for (int level = 0; level < groupCount; ++level) {
            const QVariant key = def_.groups[level].key ? def_.groups[level].key(row) : QVariant();
            if (i == 0 || key != groupKeys_[level]) {
                changed = level;
                break;
            }
        }
        if (changed >= 0) {
            if (i > 0) {
                for (int level = groupCount - 1; level >= changed; --level)
                    flow(def_.groups[level].footer, *lastRow_, level);
            }
            for (int level = changed; level < groupCount; ++level) {
                const ReportGroup& g = def_.groups[level];
                groupKeys_[level] = g.key ? g.key(row) : QVariant();
                groupSums_[level].clear();
                flow(g.header, row, level);
            }
        }
        flowDetail(row);
    }
    const ReportRow& last = rows_.isEmpty() ? emptyRow_ : rows_.last();
    if (!rows_.isEmpty()) {
        for (int level = groupCount - 1; level >= 0; --level)
            flow(def_.groups[level].footer, last, level);
    }
    flow(def_.summary, last, innermostGroup());
    finishPage(true);

    const int count = doc_.pageCount();
    for (const Deferred& d : pageCounts_) {
        PageItem& item = doc_.pages[d.page].items[d.item];
        item.text = d.formatter ? d.formatter(QVariant(count)) : QString::number(count);
    }
    return doc_;
}

void Layouter::startPage(const ReportRow& row)
{
    DocumentPage p;
    p.number = doc_.pageCount() + 1;
    doc_.pages.append(p);
    pageSums_.clear();
    y_ = def_.margins.top;
    pageTop_ = y_;
    const bool first = p.number == 1;
    auto top = [&](const ReportBand& band) {
        if (std::optional<BandInstance> inst = prepare(band, row, rowNumber_)) {
            const double h = bandHeight(*inst, innermostGroup());
            place(*inst, def_.margins.left, y_, innermostGroup());
            y_ += h;
        }
    };
    if (first ? def_.pageHeader.onFirstPage : true)
        top(def_.pageHeader);
    if (first)
        top(def_.title);
    top(def_.columnHeader);
    pageTop_ = y_;
}

void Layouter::finishPage(bool last)
{
    flushColumns();
    const ReportBand& footer = def_.pageFooter;
    const bool first = page().number == 1;
    if ((first && !footer.onFirstPage) || (last && !footer.onLastPage))
        return;
    const ReportRow& row = lastRow_ ? *lastRow_ : emptyRow_;
    if (std::optional<BandInstance> inst = prepare(footer, row, rowNumber_)) {
        const double h = bandHeight(*inst, innermostGroup());
        place(*inst, def_.margins.left, paperHeight_ - def_.margins.bottom - h, innermostGroup());
    }
}

void Layouter::newPage(const ReportRow& row)
{
    finishPage(false);
    startPage(row);
}

void Layouter::flushColumns()
{
    if (column_ > 0) {
        y_ += lineHeight_;
        column_ = 0;
        lineHeight_ = 0;
    }
}

std::optional<BandInstance> Layouter::prepare(const ReportBand& band, const ReportRow& row, int rowNumber)
{
    if (band.height <= 0)
        return std::nullopt;
    BandInstance inst{band, row, doc_.pageCount(), rowNumber, true, band.height, band.elements};
    if (band.beforePrint)
        band.beforePrint(inst);
    if (!inst.print || inst.height <= 0)
        return std::nullopt;
    return inst;
}

double Layouter::bandHeight(BandInstance& inst, int groupLevel)
{
    double growth = 0;
    for (const ReportElement& e : inst.elements) {
        if (e.visible && e.stretch)
            growth = std::max(growth, stretchedHeight(e, inst.row, groupLevel) - e.box.height());
    }
    return inst.height + growth;
}

void Layouter::place(BandInstance& inst, double x, double y, int groupLevel)
{
    for (const ReportElement& e : inst.elements) {
        if (!e.visible)
            continue;
        const double h = e.stretch ? stretchedHeight(e, inst.row, groupLevel) : e.box.height();
        emitElement(e, inst.row, QPointF(x, y), groupLevel, h);
    }
}

void Layouter::flow(const ReportBand& band, const ReportRow& row, int groupLevel)
{
    std::optional<BandInstance> inst = prepare(band, row, rowNumber_);
    if (!inst)
        return;
    flushColumns();
    const double h = bandHeight(*inst, groupLevel);
    if (y_ + h > flowBottom_ + Epsilon && y_ > pageTop_ + Epsilon)
        newPage(row);
    place(*inst, def_.margins.left, y_, groupLevel);
    y_ += h;
}

void Layouter::flowDetail(const ReportRow& row)
{
    std::optional<BandInstance> inst = prepare(def_.detail, row, rowNumber_ + 1);
    if (!inst)
        return;
    const double h = bandHeight(*inst, innermostGroup());
    const int columns = std::max(1, def_.columns.count);
    if (column_ == 0 && y_ + h > flowBottom_ + Epsilon && y_ > pageTop_ + Epsilon)
        newPage(row);
    ++rowNumber_;
    accumulate(row);
    lastRow_ = &row;
    const double x = def_.margins.left + column_ * (def_.columns.widthMm + def_.columns.spacingMm);
    place(*inst, x, y_, innermostGroup());
    if (columns == 1) {
        y_ += h;
        return;
    }
    lineHeight_ = std::max(lineHeight_, h);
    if (++column_ == columns)
        flushColumns();
}

void Layouter::accumulate(const ReportRow& row)
{
    for (const QString& column : sumColumns_) {
        const Amount v = toAmount(row.value(column));
        reportSums_[column] += v;
        pageSums_[column] += v;
        for (QHash<QString, Amount>& g : groupSums_)
            g[column] += v;
    }
}

FontSpec Layouter::fontOf(const ReportElement& e) const
{
    FontSpec f = e.textFont;
    if (f.family.isEmpty())
        f.family = def_.font.family;
    if (f.pointSize <= 0)
        f.pointSize = def_.font.pointSize;
    f.bold = f.bold || def_.font.bold;
    f.italic = f.italic || def_.font.italic;
    f.underline = f.underline || def_.font.underline;
    return f;
}

double Layouter::sumOf(const ReportElement& e, int groupLevel) const
{
    const QString column = e.column.toUpper();
    Amount v = 0;
    switch (e.scope) {
    case SumScope::Group:
        v = groupLevel >= 0 ? groupSums_.at(groupLevel).value(column) : reportSums_.value(column);
        break;
    case SumScope::Page:
        v = pageSums_.value(column);
        break;
    case SumScope::Report:
        v = reportSums_.value(column);
        break;
    }
    return double(v) / 10000.0;
}

QString Layouter::textOf(const ReportElement& e, const ReportRow& row, int groupLevel) const
{
    auto formatted = [&](const QVariant& v, const QString& fallback) {
        return e.formatter ? e.formatter(v) : fallback;
    };
    switch (e.kind) {
    case ReportElement::Kind::Label:
        return e.text;
    case ReportElement::Kind::Field: {
        const QVariant v = row.value(e.column);
        return formatted(v, defaultText(v));
    }
    case ReportElement::Kind::Sum: {
        const double v = sumOf(e, groupLevel);
        return formatted(v, QString::number(v, 'f', 2));
    }
    case ReportElement::Kind::Special:
        switch (e.special) {
        case SpecialField::PageNumber:
        case SpecialField::PageCount: // filled in when the page count is known
            return formatted(doc_.pageCount(), QString::number(doc_.pageCount()));
        case SpecialField::PrintDate:
            return formatted(printTime_.date(), DateToText(printTime_.date()));
        case SpecialField::PrintTime:
            return formatted(printTime_.time(), printTime_.time().toString(QStringLiteral("hh:mm")));
        case SpecialField::RowNumber:
            return formatted(rowNumber_, QString::number(rowNumber_));
        }
        break;
    default:
        break;
    }
    return QString();
}

double Layouter::stretchedHeight(const ReportElement& e, const ReportRow& row, int groupLevel) const
{
    const QString text = textOf(e, row, groupLevel);
    const double measured = textSizeMm(fontOf(e), text, e.box.width(), true).height();
    return std::max(e.box.height(), measured);
}

void Layouter::emitElement(const ReportElement& e, const ReportRow& row, QPointF origin, int groupLevel,
                           double height)
{
    QRectF rect = e.box.translated(origin);
    rect.setHeight(height);
    PageItem item;
    item.name = e.name;
    switch (e.kind) {
    case ReportElement::Kind::Label:
    case ReportElement::Kind::Field:
    case ReportElement::Kind::Sum:
    case ReportElement::Kind::Special: {
        item.kind = PageItem::Kind::Text;
        item.text = textOf(e, row, groupLevel);
        item.font = fontOf(e);
        item.alignment = e.alignment;
        item.wordWrap = e.wordWrap;
        item.clip = e.clip;
        if (rect.width() <= 0)
            rect.setWidth(textSizeMm(item.font, item.text).width());
        if (rect.height() <= 0)
            rect.setHeight(lineHeightMm(item.font));
        item.rect = rect;
        item.colour = item.font.colour;
        page().items.append(item);
        if (e.kind == ReportElement::Kind::Special && e.special == SpecialField::PageCount)
            pageCounts_.append({doc_.pageCount() - 1, page().items.size() - 1, e.formatter});
        return;
    }
    case ReportElement::Kind::Line:
        item.kind = PageItem::Kind::Line;
        item.line = QLineF(rect.topLeft(), rect.bottomRight());
        item.rect = rect.normalized();
        item.penWidth = e.penWidth;
        page().items.append(item);
        return;
    case ReportElement::Kind::Frame:
        item.kind = PageItem::Kind::Frame;
        item.rect = rect;
        item.penWidth = e.penWidth;
        item.radius = e.radius;
        item.fill = e.fill;
        page().items.append(item);
        return;
    case ReportElement::Kind::Picture: {
        QImage image = e.image;
        if (!e.file.isEmpty())
            image = QFileInfo::exists(e.file) ? QImage(e.file) : QImage();
        if (image.isNull())
            return;
        item.kind = PageItem::Kind::Picture;
        if (e.keepAspect && !rect.isEmpty()) {
            const QSizeF fitted = QSizeF(image.size()).scaled(rect.size(), Qt::KeepAspectRatio);
            item.rect = QRectF(rect.x() + (rect.width() - fitted.width()) / 2,
                               rect.y() + (rect.height() - fitted.height()) / 2, fitted.width(), fitted.height());
        } else {
            item.rect = rect;
        }
        item.image = image;
        page().items.append(item);
        return;
    }
    case ReportElement::Kind::Barcode: {
        const QString code = e.column.isEmpty() ? e.text : row.value(e.column).toString().trimmed();
        const BarcodeSymbol symbol = encodeBarcode(e.symbology, code, e.showDigits);
        page().items.append(barcodeItems(symbol, rect, e.name));
        return;
    }
    }
}

} // namespace

PageDocument layoutReport(const ReportDefinition& definition, const ReportRows& rows)
{
    return Layouter(definition, rows).run();
}
