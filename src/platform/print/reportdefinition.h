#pragma once
// A banded report definition: paper, margins and columns in mm, the bands
// and their elements. layoutReport() (reportengine.h) lays a definition and
// its rows out into a PageDocument.
//
// A layout in a few lines:
//
//     ReportDefinition def;
//     def.caption = "รายงานสรุปรายรับ";
//     def.paper = ReportPaper::letter();
//     def.margins = {10, 10, 10, 10};
//     def.font = {"EucrosiaUPC", 14};
//     def.pageHeader.height = 20;
//     def.pageHeader.label(0, 0, "รายงานสรุปรายรับ", 195.9).centre().bold().size(18);
//     def.pageHeader.label(170, 0, "หน้า");
//     def.pageHeader.special(180, 0, 15, SpecialField::PageNumber).right();
//     def.detail.height = 5.8;
//     def.detail.field(0.8, 0, 25, "SERV_NO").centre();
//     def.detail.field(68.0, 0, 90, "CUST_NAME");
//     def.detail.field(0, 0, 30, "TOTAL").rightAt(192.8).pattern("##,###,##0.00");
//     def.summary.height = 8;
//     def.summary.sum(0, 1, 30, "TOTAL", SumScope::Report).rightAt(192.8).bold().pattern("##,###,##0.00");
//
// Positions are mm from the band's top-left corner, which sits at the left
// margin (plus the column offset in multi-column reports). Texts take the
// definition's font unless an element sets its own.

#include "platform/barcode/barcode.h"
#include "platform/print/pagemodel.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <deque>
#include <functional>

class QSqlQuery;

// One data row. Column names are case-insensitive, as in SQL.
class ReportRow {
public:
    ReportRow() = default;
    explicit ReportRow(const QVariantMap& values);

    QVariant value(const QString& column) const;
    bool contains(const QString& column) const;
    void setValue(const QString& column, const QVariant& value);
    bool isEmpty() const { return values_.isEmpty(); }

private:
    QHash<QString, QVariant> values_; // keys upper-cased
};
using ReportRows = QList<ReportRow>;

// All rows of a query (executed, positioned before its first row) or of maps.
ReportRows rowsFromQuery(QSqlQuery& query);
ReportRows rowsFromMaps(const QList<QVariantMap>& maps);

// Turns a value into its printed text (a format pattern, a date style).
using Formatter = std::function<QString(const QVariant&)>;

struct ReportPaper {
    QPageSize size;

    static ReportPaper letter();                              // 215.9 × 279.4 mm
    static ReportPaper a4();                                  // 210 × 297 mm
    static ReportPaper halfLetter();                          // 215.9 × 139.7 mm
    static ReportPaper custom(double widthMm, double heightMm); // e.g. a 76 mm roll
};

struct MarginsMm {
    double left = 10;
    double top = 10;
    double right = 10;
    double bottom = 10;
};

enum class SumScope {
    Group,  // the rows of the band's group (innermost group outside group bands)
    Page,   // the rows printed on this page so far
    Report, // all rows printed so far; in the summary, all rows
};

enum class SpecialField {
    PageNumber, // int, 1-based
    PageCount,  // int
    PrintDate,  // QDate; printed as date text dd/mm/yyyy, Buddhist era
    PrintTime,  // QTime; printed hh:mm
    RowNumber,  // int: number of the detail row printed last, 1-based
};

struct ReportElement {
    enum class Kind { Label, Field, Sum, Special, Line, Frame, Picture, Barcode };

    Kind kind = Kind::Label;
    QString name;           // to find it in a BandInstance and in the page model
    QRectF box;             // mm in the band; width 0 = the text's width, height 0 = one line
    QString text;           // Label: its text; Barcode: a fixed code (when column is empty)
    QString column;         // Field, Sum, Barcode: the row column
    SpecialField special = SpecialField::PageNumber;
    SumScope scope = SumScope::Report;
    Formatter formatter;    // Field, Sum, Special: value to text
    FontSpec textFont{QString(), 0}; // empty family / size 0 = the definition's font
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    bool clip = true;       // fixed size: the text is cut at the box
    bool stretch = false;   // the box (and its band) grows to fit the wrapped text
    bool visible = true;
    double penWidth = 0.2;  // Line, Frame: mm
    double radius = 0;      // Frame: rounded corners, mm
    QColor fill;            // Frame: fill colour
    QString file;           // Picture: file path (a missing file places nothing)
    QImage image;           // Picture: image (used when file is empty)
    bool keepAspect = true; // Picture: fit into the box keeping proportions
    Symbology symbology = Symbology::Ean13;
    bool showDigits = true; // Barcode: digits beneath the bars

    // Fluent settings for layouts.
    ReportElement& named(const QString& n) { name = n; return *this; }
    ReportElement& font(const QString& family, double pointSize);
    ReportElement& size(double pointSize) { textFont.pointSize = pointSize; return *this; }
    ReportElement& bold(bool on = true) { textFont.bold = on; return *this; }
    ReportElement& italic(bool on = true) { textFont.italic = on; return *this; }
    ReportElement& underline(bool on = true) { textFont.underline = on; return *this; }
    ReportElement& colour(const QColor& c) { textFont.colour = c; return *this; }
    ReportElement& left() { return horizontal(Qt::AlignLeft); }
    ReportElement& centre() { return horizontal(Qt::AlignHCenter); }
    ReportElement& right() { return horizontal(Qt::AlignRight); }
    ReportElement& align(Qt::Alignment a) { alignment = a; return *this; }
    // Keeps the width and puts the right edge at x, right-aligned.
    ReportElement& rightAt(double x);
    ReportElement& height(double h) { box.setHeight(h); return *this; }
    ReportElement& wrap(bool on = true) { wordWrap = on; return *this; }
    ReportElement& noClip() { clip = false; return *this; }
    ReportElement& stretching() { stretch = true; wordWrap = true; return *this; }
    ReportElement& hidden() { visible = false; return *this; }
    ReportElement& format(Formatter f) { formatter = std::move(f); return *this; }
    // A number pattern of FormatNumber ("##,###,##0.00"); an empty value prints nothing.
    ReportElement& pattern(const QString& numberPattern);
    ReportElement& pen(double widthMm) { penWidth = widthMm; return *this; }
    ReportElement& rounded(double radiusMm) { radius = radiusMm; return *this; }
    ReportElement& filled(const QColor& c) { fill = c; return *this; }
    ReportElement& digits(bool on) { showDigits = on; return *this; }

private:
    ReportElement& horizontal(Qt::Alignment h);
};

enum class BandKind { PageHeader, Title, ColumnHeader, GroupHeader, Detail, GroupFooter, Summary, PageFooter };

struct ReportBand;

// One printing of a band: a copy of its elements that the band's
// beforePrint event may change for this printing only.
struct BandInstance {
    const ReportBand& band;
    const ReportRow& row;      // the current row (empty when the report has none)
    int pageNumber = 1;
    int rowNumber = 0;         // detail rows printed so far, this one included in a detail band
    bool print = true;         // false leaves the whole band out (it takes no space)
    double height = 0;         // mm; may be changed
    std::deque<ReportElement> elements;

    ReportElement* element(const QString& name); // nullptr when absent
    void hide(const QString& name);
    void show(const QString& name);
    void setText(const QString& name, const QString& text); // the element becomes a label
};

struct ReportBand {
    BandKind kind = BandKind::Detail;
    double height = 0;             // mm; a band of height 0 does not print
    std::deque<ReportElement> elements; // references stay valid when adding
    std::function<void(BandInstance&)> beforePrint;
    bool onFirstPage = true;       // page header and footer: print on the first page
    bool onLastPage = true;        // page footer: print on the last page

    explicit ReportBand(BandKind k = BandKind::Detail) : kind(k) {}

    // A static text; width 0 takes the text's width.
    ReportElement& label(double x, double y, const QString& text, double width = 0);
    // A row value.
    ReportElement& field(double x, double y, double width, const QString& column);
    // The sum of a column over a scope (fixed point, four decimals).
    ReportElement& sum(double x, double y, double width, const QString& column, SumScope scope);
    // Page number, page count, print date or time, row number.
    ReportElement& special(double x, double y, double width, SpecialField what);
    ReportElement& hline(double x, double y, double length, double penWidth = 0.2);
    ReportElement& vline(double x, double y, double length, double penWidth = 0.2);
    ReportElement& frame(double x, double y, double width, double height, double penWidth = 0.2);
    ReportElement& picture(double x, double y, double width, double height, const QString& file);
    ReportElement& picture(double x, double y, double width, double height, const QImage& image);
    // A barcode of a fixed code, or (barcodeField) of a row column.
    ReportElement& barcode(double x, double y, double width, double height, Symbology s, const QString& code);
    ReportElement& barcodeField(double x, double y, double width, double height, Symbology s,
                                const QString& column);
    ReportElement& add(ReportElement element);
};

// Rows with the same key form a group; a change of key closes the group
// (footer) and opens the next (header).
struct ReportGroup {
    QString name;
    std::function<QVariant(const ReportRow&)> key;
    ReportBand header{BandKind::GroupHeader};
    ReportBand footer{BandKind::GroupFooter};
};

// Several detail columns across the page (label sheets): rows fill a line
// of columns from left to right, then the next line.
struct ReportColumns {
    int count = 1;
    double widthMm = 0;    // column width
    double spacingMm = 0;  // gap between columns
};

struct ReportDefinition {
    QString caption;                 // preview caption, print job and PDF title
    ReportPaper paper = ReportPaper::letter();
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    MarginsMm margins;
    FontSpec font;                   // default font of texts
    ReportColumns columns;
    QDateTime printTime;             // invalid = now

    // Printing order: page header (every page), title (first page, once),
    // column header (every page), group headers, detail per row, group
    // footers, summary (once at the end); the page footer at the bottom of
    // every page.
    ReportBand pageHeader{BandKind::PageHeader};
    ReportBand title{BandKind::Title};
    ReportBand columnHeader{BandKind::ColumnHeader};
    ReportBand detail{BandKind::Detail};
    ReportBand summary{BandKind::Summary};
    ReportBand pageFooter{BandKind::PageFooter};
    std::deque<ReportGroup> groups;  // outermost first

    // A group keyed by a column's value, or by any expression of the row.
    ReportGroup& addGroup(const QString& column);
    ReportGroup& addGroup(const QString& name, std::function<QVariant(const ReportRow&)> key);
};
