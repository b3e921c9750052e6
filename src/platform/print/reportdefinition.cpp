#include "platform/print/reportdefinition.h"

#include "data/numbers.h"

#include <QSqlQuery>
#include <QSqlRecord>

ReportRow::ReportRow(const QVariantMap& values)
{
    for (auto it = values.begin(); it != values.end(); ++it)
        values_.insert(it.key().toUpper(), it.value());
}

QVariant ReportRow::value(const QString& column) const
{
    return values_.value(column.toUpper());
}

bool ReportRow::contains(const QString& column) const
{
    return values_.contains(column.toUpper());
}

void ReportRow::setValue(const QString& column, const QVariant& value)
{
    values_.insert(column.toUpper(), value);
}

ReportRows rowsFromQuery(QSqlQuery& query)
{
    ReportRows rows;
    if (!query.isActive() || !query.isSelect())
        return rows;
    auto take = [&] {
        const QSqlRecord record = query.record();
        ReportRow row;
        for (int i = 0; i < record.count(); ++i)
            row.setValue(record.fieldName(i), record.value(i));
        rows.append(row);
    };
    if (!query.isForwardOnly()) {
        if (query.first()) {
            do
                take();
            while (query.next());
        }
        return rows;
    }
    while (query.next())
        take();
    return rows;
}

ReportRows rowsFromMaps(const QList<QVariantMap>& maps)
{
    ReportRows rows;
    rows.reserve(maps.size());
    for (const QVariantMap& map : maps)
        rows.append(ReportRow(map));
    return rows;
}

ReportPaper ReportPaper::letter()
{
    return {QPageSize(QPageSize::Letter)};
}

ReportPaper ReportPaper::a4()
{
    return {QPageSize(QPageSize::A4)};
}

ReportPaper ReportPaper::halfLetter()
{
    return custom(215.9, 139.7);
}

ReportPaper ReportPaper::custom(double widthMm, double heightMm)
{
    return {QPageSize(QSizeF(widthMm, heightMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch)};
}

ReportElement& ReportElement::font(const QString& family, double pointSize)
{
    textFont.family = family;
    textFont.pointSize = pointSize;
    return *this;
}

ReportElement& ReportElement::pattern(const QString& numberPattern)
{
    formatter = [numberPattern](const QVariant& value) {
        if (value.isNull())
            return QString();
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return QString();
        bool ok = false;
        const double number = value.toDouble(&ok);
        return ok ? FormatNumber(number, numberPattern) : text;
    };
    return *this;
}

ReportElement& ReportElement::rightAt(double x)
{
    box.moveRight(x);
    return horizontal(Qt::AlignRight);
}

ReportElement& ReportElement::horizontal(Qt::Alignment h)
{
    alignment = (alignment & Qt::AlignVertical_Mask) | h;
    return *this;
}

ReportElement* BandInstance::element(const QString& name)
{
    for (ReportElement& e : elements) {
        if (e.name == name)
            return &e;
    }
    return nullptr;
}

void BandInstance::hide(const QString& name)
{
    for (ReportElement& e : elements) {
        if (e.name == name)
            e.visible = false;
    }
}

void BandInstance::show(const QString& name)
{
    for (ReportElement& e : elements) {
        if (e.name == name)
            e.visible = true;
    }
}

void BandInstance::setText(const QString& name, const QString& text)
{
    for (ReportElement& e : elements) {
        if (e.name == name) {
            e.kind = ReportElement::Kind::Label;
            e.text = text;
        }
    }
}

namespace {

ReportElement makeElement(ReportElement::Kind kind, double x, double y, double w, double h)
{
    ReportElement e;
    e.kind = kind;
    e.box = QRectF(x, y, w, h);
    return e;
}

} // namespace

ReportElement& ReportBand::add(ReportElement element)
{
    elements.push_back(std::move(element));
    return elements.back();
}

ReportElement& ReportBand::label(double x, double y, const QString& text, double width)
{
    ReportElement e = makeElement(ReportElement::Kind::Label, x, y, width, 0);
    e.text = text;
    return add(std::move(e));
}

ReportElement& ReportBand::field(double x, double y, double width, const QString& column)
{
    ReportElement e = makeElement(ReportElement::Kind::Field, x, y, width, 0);
    e.column = column;
    e.name = column;
    return add(std::move(e));
}

ReportElement& ReportBand::sum(double x, double y, double width, const QString& column, SumScope scope)
{
    ReportElement e = makeElement(ReportElement::Kind::Sum, x, y, width, 0);
    e.column = column;
    e.scope = scope;
    return add(std::move(e));
}

ReportElement& ReportBand::special(double x, double y, double width, SpecialField what)
{
    ReportElement e = makeElement(ReportElement::Kind::Special, x, y, width, 0);
    e.special = what;
    return add(std::move(e));
}

ReportElement& ReportBand::hline(double x, double y, double length, double penWidth)
{
    ReportElement e = makeElement(ReportElement::Kind::Line, x, y, length, 0);
    e.penWidth = penWidth;
    return add(std::move(e));
}

ReportElement& ReportBand::vline(double x, double y, double length, double penWidth)
{
    ReportElement e = makeElement(ReportElement::Kind::Line, x, y, 0, length);
    e.penWidth = penWidth;
    return add(std::move(e));
}

ReportElement& ReportBand::frame(double x, double y, double width, double height, double penWidth)
{
    ReportElement e = makeElement(ReportElement::Kind::Frame, x, y, width, height);
    e.penWidth = penWidth;
    return add(std::move(e));
}

ReportElement& ReportBand::picture(double x, double y, double width, double height, const QString& file)
{
    ReportElement e = makeElement(ReportElement::Kind::Picture, x, y, width, height);
    e.file = file;
    return add(std::move(e));
}

ReportElement& ReportBand::picture(double x, double y, double width, double height, const QImage& image)
{
    ReportElement e = makeElement(ReportElement::Kind::Picture, x, y, width, height);
    e.image = image;
    return add(std::move(e));
}

ReportElement& ReportBand::barcode(double x, double y, double width, double height, Symbology s,
                                   const QString& code)
{
    ReportElement e = makeElement(ReportElement::Kind::Barcode, x, y, width, height);
    e.symbology = s;
    e.text = code;
    return add(std::move(e));
}

ReportElement& ReportBand::barcodeField(double x, double y, double width, double height, Symbology s,
                                        const QString& column)
{
    ReportElement e = makeElement(ReportElement::Kind::Barcode, x, y, width, height);
    e.symbology = s;
    e.column = column;
    e.name = column;
    return add(std::move(e));
}

ReportGroup& ReportDefinition::addGroup(const QString& column)
{
    return addGroup(column, [column](const ReportRow& row) { return row.value(column); });
}

ReportGroup& ReportDefinition::addGroup(const QString& name, std::function<QVariant(const ReportRow&)> key)
{
    groups.push_back(ReportGroup{name, std::move(key), ReportBand(BandKind::GroupHeader),
                                 ReportBand(BandKind::GroupFooter)});
    return groups.back();
}
