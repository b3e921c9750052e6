#pragma once
// The page model: a printed document as pages of placed items, every
// position in millimetres from the top-left corner of the paper. The report
// engine produces it, the renderer paints it, tests read it.

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A font as a layout names it ("EucrosiaUPC", 14 pt). The renderer turns it
// into an installed face through printFont() (fonts.h).
struct FontSpec {
    QString family = QStringLiteral("EucrosiaUPC");
    double pointSize = 14;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour = Qt::black;

    bool operator==(const FontSpec&) const = default;
};

struct PageItem {
    enum class Kind {
        Text,     // text in rect with font, alignment, wrap and clip
        Line,     // line from line.p1() to line.p2(), penWidth thick
        Frame,    // rectangle outline (penWidth, radius), optionally filled
        Picture,  // image drawn into rect
        Bar,      // filled rectangle without outline (barcode bars)
    };

    Kind kind = Kind::Text;
    QString name;                  // name of the element it comes from; may be empty
    QRectF rect;                   // mm; for a line its bounding box
    QLineF line;                   // Line
    QString text;                  // Text
    FontSpec font;                 // Text
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop; // Text
    bool wordWrap = false;         // Text
    bool clip = true;              // Text: cut at rect (a fixed-size box)
    QColor colour = Qt::black;     // line, outline and bar colour
    QColor fill;                   // Frame: invalid = not filled
    double penWidth = 0.2;         // Line, Frame: mm
    double radius = 0;             // Frame: corner radius, mm
    QImage image;                  // Picture
};

struct DocumentPage {
    int number = 1;                // 1-based
    QList<PageItem> items;         // in painting order

    // The first text item whose text equals text, or nullptr.
    const PageItem* findText(const QString& text) const;
    // The items that came from the element of this name.
    QList<PageItem> named(const QString& name) const;
    // All texts of the page in painting order.
    QStringList texts() const;
};

struct PageDocument {
    QString title;                 // preview caption, print job and PDF title
    QPageSize pageSize = QPageSize(QPageSize::Letter);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<DocumentPage> pages;

    // The paper as printed (orientation applied), in mm.
    QSizeF paperSizeMm() const;
    int pageCount() const { return int(pages.size()); }
};
