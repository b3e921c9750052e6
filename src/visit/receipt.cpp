#include "visit/receipt.h"

#include "app/sharedstate.h"
#include "data/bahttext.h"
#include "data/numbers.h"
#include "data/texts.h"
#include "platform/print/reportdefinition.h"
#include "platform/print/reportengine.h"
#include "visit/visitstore.h"

#include <QDir>
#include <QImage>

namespace {

const QString MoneyPattern = QStringLiteral("##,###,##0.00");
const QString QuantityPattern = QStringLiteral("##,##0.##");
const QString PercentPattern = QStringLiteral("#0.##");
const QString RatePattern = QStringLiteral("##.#");

QString money(double v) { return FormatNumber(v, MoneyPattern); }

// What every layout draws from: the receipt data and the choices of the
// settings (blank paper or a pre-printed form, the logo).
class Receipt {
public:
    Receipt(const ReceiptData& d, bool invoiceStyle)
        : d_(d), invoiceStyle_(invoiceStyle), totals_(TotalsFromLines(AsVisitLines(d.lines), d.mode, d.overallDiscount))
    {
        const int blank = d.settings.value(QStringLiteral("BLANK")).toInt();
        // The invoice style takes its form for BLANK 1 only; the others for any value but 0.
        preprinted_ = invoiceStyle ? blank == 1 : blank != 0;
        if (d.settings.value(QStringLiteral("LOGO")).toInt() != 0) {
            const QString folder = invoiceStyle ? d.dataFolder : d.workingFolder;
            logo_.load(QDir(folder).filePath(QStringLiteral("logo.bmp")));
        }
    }

    QString v(const char* column) const { return d_.visit.value(QString::fromLatin1(column)).toString(); }
    QString o(const char* column) const { return d_.office.value(QString::fromLatin1(column)).toString(); }
    bool preprinted() const { return preprinted_; }
    bool hasLogo() const { return !logo_.isNull(); }
    const QImage& logo() const { return logo_; }
    const ReceiptData& data() const { return d_; }
    const VisitTotals& totals() const { return totals_; }
    bool vat() const { return d_.mode == TaxMode::Vat; }
    double visitTax() const { return d_.visit.value(QStringLiteral("TAX")).toDouble(); }
    double visitDiscount() const { return d_.visit.value(QStringLiteral("DISCOUNT")).toDouble(); }
    QString rate() const { return FormatNumber(visitTax(), RatePattern); }

    QString title() const { return d_.settings.value(QStringLiteral("LINE2")).toString(); }
    QString businessName() const { return o("OF_NAME").trimmed(); }
    QString contactLine(bool telephoneOnly = false) const
    {
        QString out;
        auto add = [&out](const QString& caption, const QString& value) {
            if (!value.trimmed().isEmpty()) out += caption + value.trimmed();
        };
        add(QStringLiteral(" Tel. "), o("OF_TEL"));
        if (!telephoneOnly) {
            add(QStringLiteral(" Fax. "), o("OF_FAX"));
            add(QStringLiteral(" Email : "), o("OF_EMAIL"));
        }
        if (invoiceStyle_ && out.startsWith(QLatin1Char(' '))) out.remove(0, 1);
        return out;
    }

    // A fixed caption, rule or frame: the pre-printed form carries its own.
    ReportElement& caption(ReportBand& b, double x, double y, const QString& text, double width = 0) const
    {
        ReportElement& e = b.label(x, y, text, width);
        if (preprinted_) e.hidden();
        return e;
    }
    void rule(ReportBand& b, double x, double y, double length) const
    {
        ReportElement& e = b.hline(x, y, length);
        if (preprinted_) e.hidden();
    }
    void frame(ReportBand& b, double x, double y, double w, double h) const
    {
        ReportElement& e = b.frame(x, y, w, h);
        if (preprinted_) e.hidden();
    }
    // A value right-aligned with its right edge at right.
    ReportElement& amount(ReportBand& b, double right, double y, const QString& text, const QString& name) const
    {
        return b.label(0, y, text, 34).rightAt(right).named(name);
    }

    ReportDefinition definition(const ReportPaper& paper, double bottomMargin) const
    {
        ReportDefinition def;
        def.caption = QStringLiteral("ใบเสร็จรับเงิน ") + v("SERV_NO");
        def.paper = paper;
        const double top = d_.settings.value(QStringLiteral("PRN_TOP")).toDouble();
        const double left = d_.settings.value(QStringLiteral("PRN_LEFT")).toDouble();
        // The bottom margin gives way to the top offset, so that the page
        // footer moves with the rest of the page.
        def.margins = {left, top, 0, qMax(0.0, bottomMargin - top)};
        def.font = {QStringLiteral("EucrosiaUPC"), 14};
        return def;
    }

private:
    const ReceiptData& d_;
    bool invoiceStyle_;
    VisitTotals totals_;
    bool preprinted_ = false;
    QImage logo_;
};

// The columns of a line table: caption, left edge, width, line column, alignment, pattern.
struct LineColumn {
    QString caption;
    double x, width;
    QString column; // empty: the running line number
    Qt::Alignment align;
    QString pattern;
};

void lineTable(const Receipt& r, ReportBand& header, double headerY, ReportBand& detail, const QList<LineColumn>& cols,
               bool underlined)
{
    for (const LineColumn& c : cols) {
        ReportElement& h = r.caption(header, c.x, headerY, c.caption, c.width).align(Qt::AlignHCenter | Qt::AlignTop);
        if (underlined) h.underline();
        ReportElement& f = c.column.isEmpty() ? detail.special(c.x, 0.6, c.width, SpecialField::RowNumber)
                                              : detail.field(c.x + 0.8, 0.6, c.width - 1.6, c.column);
        f.align(c.align | Qt::AlignTop);
        if (!c.pattern.isEmpty()) f.pattern(c.pattern);
    }
}

PageDocument layOut(ReportDefinition& def, const ReceiptData& d)
{
    return layoutReport(def, rowsFromMaps(d.lines));
}

// Full Letter receipt.
PageDocument fullLetter(const ReceiptData& d)
{
    const Receipt r(d, false);
    ReportDefinition def = r.definition(ReportPaper::letter(), 12.5);
    const double big = 20;

    ReportBand& h = def.pageHeader;
    h.height = 116.7;
    h.label(8.7, 1.6, r.title(), 189).centre().bold().size(24).named(QStringLiteral("title"));
    r.caption(h, 114.3, 11.9, QStringLiteral("เลขที่"));
    h.label(162.7, 11.9, r.v("SERV_NO")).named(QStringLiteral("SERV_NO"));
    r.caption(h, 114.3, 18.5, QStringLiteral("วันที่"));
    h.label(162.7, 18.5, d.visitDate).named(QStringLiteral("SERV_DATE"));
    r.caption(h, 150.5, 25.1, QStringLiteral("เครดิต"));
    h.label(167.5, 25.1, r.v("CUST_CRE")).named(QStringLiteral("CUST_CRE"));
    r.caption(h, 142.9, 31.8, QStringLiteral("กำหนดชำระ"));
    h.label(165.9, 31.8, r.v("DUE_DATE")).named(QStringLiteral("DUE_DATE"));
    if (r.hasLogo()) h.picture(15.3, 31.2, 15.9, 15.9, r.logo()).named(QStringLiteral("logo"));
    h.label(r.hasLogo() ? 35.5 : 15.1, 39.4, r.businessName(), 100).bold().size(big).named(QStringLiteral("OF_NAME"));
    h.label(15.1, 49.7, ReceiptAddressLine(d.office), 185).named(QStringLiteral("address"));
    h.label(15.1, 56.6, r.contactLine(), 120).named(QStringLiteral("contact"));
    h.label(15.1, 63.0, ReceiptTaxIdLine(d.office), 120).named(QStringLiteral("taxid"));
    r.caption(h, 139.4, 62.2, QStringLiteral("รหัสแพทย์"));
    h.label(161.1, 62.2, r.v("MAKER_NO")).named(QStringLiteral("MAKER_NO"));
    r.rule(h, 14.0, 70.1, 188);
    r.caption(h, 15.1, 74.1, QStringLiteral("ได้รับเงินจาก"));
    h.label(37.6, 74.1, r.v("CUST_NAME"), 160).named(QStringLiteral("CUST_NAME"));
    r.caption(h, 15.3, 80.7, QStringLiteral("ที่อยู่"));
    h.label(24.6, 81.0, ReceiptPatientAddress(d), 175).named(QStringLiteral("patientAddress"));
    r.caption(h, 15.3, 91.0, QStringLiteral("เพื่อชำระค่ารักษาอาการ"));
    h.label(53.7, 91.3, r.v("REM2"), 147).height(11).wrap().named(QStringLiteral("REM2"));
    r.frame(h, 13.0, 104.8, 189, 8);

    ReportBand& line = def.detail;
    line.height = 6.6;
    lineTable(r, h, 105.8, line,
              {{QStringLiteral("ที่"), 13, 10, QString(), Qt::AlignHCenter, QString()},
               {QStringLiteral("รายการ"), 23, 82, QStringLiteral("DESCRIP"), Qt::AlignLeft, QString()},
               {QStringLiteral("จำนวน"), 105, 20, QStringLiteral("QTY"), Qt::AlignRight, QuantityPattern},
               {QStringLiteral("หน่วย"), 125, 18, QStringLiteral("U_NAME"), Qt::AlignHCenter, QString()},
               {QStringLiteral("ราคา/หน่วย"), 143, 22, QStringLiteral("P_PERU"), Qt::AlignRight, MoneyPattern},
               {QStringLiteral("ลด %"), 165, 12, QStringLiteral("DISC"), Qt::AlignRight, PercentPattern},
               {QStringLiteral("รวม"), 177, 25, QStringLiteral("SUM"), Qt::AlignRight, MoneyPattern}},
              false);

    ReportBand& f = def.pageFooter;
    f.height = 73.3;
    const double right = 201.2;
    r.rule(f, 13.0, 0.5, 189);
    r.caption(f, 143, 1.5, QStringLiteral("รวม"));
    r.amount(f, right, 1.5, money(r.totals().sum), QStringLiteral("sum"));
    if (!r.vat()) {
        r.caption(f, 143, 8.0, QStringLiteral("ส่วนลด"));
        r.amount(f, right, 8.0, money(r.totals().appliedDiscount), QStringLiteral("discount"));
    } else {
        if (r.preprinted()) r.amount(f, right, 8.0, money(r.totals().appliedDiscount), QStringLiteral("discount"));
        r.caption(f, 143, 14.5, QStringLiteral("ภาษี"));
        f.label(152, 14.5, r.rate(), 10).right().named(QStringLiteral("rate"));
        r.caption(f, 163, 14.5, QStringLiteral("%"));
        r.amount(f, right, 14.5, money(r.totals().tax), QStringLiteral("tax"));
    }
    r.frame(f, 13.0, 22.0, 189, 8.5);
    f.label(15.0, 23.2, ReceiptAmountInWords(r.totals().total), 125).named(QStringLiteral("words"));
    r.caption(f, 143, 23.2, QStringLiteral("ยอดรวม")).bold();
    r.amount(f, right, 23.2, money(r.totals().total), QStringLiteral("total")).bold();
    const double signY = 46;
    const QStringList signers = {QStringLiteral("แพทย์"), QStringLiteral("ผู้รับเงิน"), QStringLiteral("ลูกค้า")};
    for (int i = 0; i < signers.size(); ++i) {
        const double x = 18 + 63 * i;
        r.rule(f, x, signY, 55);
        r.caption(f, x, signY + 1, signers.at(i), 55).centre();
    }
    r.caption(f, 15.1, 58.0, QStringLiteral("หมายเหตุ")).underline();
    f.label(33.0, 58.0, ReceiptAppointmentRemark(d.visit, false), 168).named(QStringLiteral("remark"));
    return layOut(def, d);
}

// The half-Letter receipts, with the running line number or the item number first.
PageDocument halfLetter(const ReceiptData& d, bool itemNumbers)
{
    const Receipt r(d, false);
    ReportDefinition def = r.definition(ReportPaper::custom(215.9, 139.7), 22);
    const double nameX = r.hasLogo() ? 32.5 : 10.3;

    ReportBand& h = def.pageHeader;
    h.height = 64;
    h.label(10.3, 1.0, r.title(), 100).bold().size(20).named(QStringLiteral("title"));
    if (r.hasLogo()) h.picture(10.3, 10.8, 18.8, 18.8, r.logo()).named(QStringLiteral("logo"));
    h.label(nameX, 10.8, r.businessName(), 110).bold().size(18).named(QStringLiteral("OF_NAME"));
    h.label(nameX, 18.6, ReceiptAddressLine(d.office), 110).named(QStringLiteral("address"));
    h.label(nameX, 24.0, r.contactLine(), 110).named(QStringLiteral("contact"));
    h.label(nameX, 29.4, ReceiptTaxIdLine(d.office), 110).named(QStringLiteral("taxid"));
    const double capX = 146, valX = 170;
    r.caption(h, capX, 3.0, QStringLiteral("เลขที่"));
    h.label(valX, 3.0, r.v("SERV_NO")).named(QStringLiteral("SERV_NO"));
    r.caption(h, capX, 8.6, QStringLiteral("วันที่"));
    h.label(valX, 8.6, d.visitDate).named(QStringLiteral("SERV_DATE"));
    r.caption(h, capX, 14.2, QStringLiteral("เครดิต"));
    h.label(valX, 14.2, r.v("CUST_CRE")).named(QStringLiteral("CUST_CRE"));
    r.caption(h, capX, 19.8, QStringLiteral("วันครบชำระ"));
    h.label(valX, 19.8, r.v("DUE_DATE")).named(QStringLiteral("DUE_DATE"));
    r.caption(h, capX, 25.4, QStringLiteral("รหัสแพทย์"));
    h.label(valX, 25.4, r.v("MAKER_NO")).named(QStringLiteral("MAKER_NO"));
    r.rule(h, 10.3, 36.0, 195);
    r.caption(h, 10.3, 37.5, QStringLiteral("ได้รับเงินจาก"));
    h.label(32.0, 37.5, r.v("CUST_NAME"), 170).named(QStringLiteral("CUST_NAME"));
    r.caption(h, 10.3, 43.3, QStringLiteral("ที่อยู่"));
    h.label(32.0, 43.3, ReceiptPatientAddress(d), 170).named(QStringLiteral("patientAddress"));
    r.caption(h, 10.3, 49.1, QStringLiteral("อาการ"));
    h.label(32.0, 49.1, r.v("REM2"), 170).named(QStringLiteral("REM2"));

    ReportBand& line = def.detail;
    line.height = 5.6;
    const LineColumn first = itemNumbers
                                 ? LineColumn{QStringLiteral("รหัส"), 10.3, 28, QStringLiteral("SPR_NO"), Qt::AlignLeft, QString()}
                                 : LineColumn{QStringLiteral("ที่"), 10.3, 10, QString(), Qt::AlignHCenter, QString()};
    const double descX = first.x + first.width;
    lineTable(r, h, 57.0, line,
              {first,
               {QStringLiteral("รายการ"), descX, 113 - descX, QStringLiteral("DESCRIP"), Qt::AlignLeft, QString()},
               {QStringLiteral("จำนวน"), 113, 20, QStringLiteral("QTY"), Qt::AlignRight, QuantityPattern},
               {QStringLiteral("หน่วย"), 133, 18, QStringLiteral("U_NAME"), Qt::AlignHCenter, QString()},
               {QStringLiteral("ราคา/หน่วย"), 151, 20, QStringLiteral("P_PERU"), Qt::AlignRight, MoneyPattern},
               {QStringLiteral("ส่วนลด%"), 171, 12, QStringLiteral("DISC"), Qt::AlignRight, PercentPattern},
               {QStringLiteral("รวม"), 183, 22, QStringLiteral("SUM"), Qt::AlignRight, MoneyPattern}},
              true);

    // One footer row; each pair prints only when it applies.
    ReportBand& f = def.pageFooter;
    f.height = 30;
    r.rule(f, 10.3, 0.5, 195);
    const VisitTotals& t = r.totals();
    const double y = 1.8;
    if (r.visitTax() > 0 || r.visitDiscount() > 0) {
        r.caption(f, 10.3, y, QStringLiteral("รวม"));
        r.amount(f, 48, y, money(t.sum), QStringLiteral("sum"));
    }
    if (r.visitDiscount() > 0) {
        r.caption(f, 50, y, QStringLiteral("ส่วนลด"));
        r.amount(f, 84, y, money(t.appliedDiscount), QStringLiteral("discount"));
        r.caption(f, 86, y, QStringLiteral("ราคาสุทธิ"));
        r.amount(f, 126, y, money(t.sum - t.appliedDiscount), QStringLiteral("net"));
    }
    if (r.vat()) {
        r.caption(f, 128, y, QStringLiteral("ภาษี"));
        f.label(135, y, r.rate(), 7).right().named(QStringLiteral("rate"));
        r.caption(f, 142.5, y, QStringLiteral("%"));
        r.amount(f, 166, y, money(t.tax), QStringLiteral("tax"));
    }
    r.caption(f, 168, y, QStringLiteral("รวมทั้งสิ้น")).bold();
    r.amount(f, 205, y, money(t.total), QStringLiteral("total")).bold();
    const QStringList signers = {QStringLiteral("ผู้รับเงิน"), QStringLiteral("ลูกค้า")};
    for (int i = 0; i < signers.size(); ++i) {
        const double x = 60 + 80 * i;
        r.rule(f, x, 14.5, 55);
        r.caption(f, x, 15.3, signers.at(i), 55).centre();
    }
    r.caption(f, 10.3, 22.0, QStringLiteral("หมายเหตุ")).underline();
    f.label(27.0, 22.0, ReceiptAppointmentRemark(d.visit, false), 178).named(QStringLiteral("remark"));
    return layOut(def, d);
}

// The 3-inch roll: 65 mm of content on a Letter page.
PageDocument roll(const ReceiptData& d)
{
    const Receipt r(d, false);
    ReportDefinition def = r.definition(ReportPaper::letter(), 22);
    const double w = 65;
    def.font.pointSize = 13;

    ReportBand& t = def.title;
    double y = 0;
    auto next = [&y](double step) { return y += step; };
    t.label(0, y, r.title(), w).centre().bold().size(16).named(QStringLiteral("title"));
    r.caption(t, 0, next(7), QStringLiteral("เลขที่"));
    t.label(14, y, r.v("SERV_NO"), w - 14).named(QStringLiteral("SERV_NO"));
    r.caption(t, 0, next(5), QStringLiteral("วันที่"));
    t.label(14, y, d.visitDate, w - 14).named(QStringLiteral("SERV_DATE"));
    next(5.5);
    if (r.hasLogo()) {
        t.picture((w - 15) / 2, y, 15, 15, r.logo()).named(QStringLiteral("logo"));
        next(16);
    }
    t.label(0, y, r.businessName(), w).centre().bold().size(15).wrap().height(6.5).named(QStringLiteral("OF_NAME"));
    t.label(0, next(6.5), ReceiptAddressLine(d.office).trimmed(), w).height(10).wrap().centre().named(QStringLiteral("address"));
    t.label(0, next(10), r.contactLine(true).trimmed(), w).centre().named(QStringLiteral("contact"));
    t.label(0, next(5), ReceiptTaxIdLine(d.office), w).centre().named(QStringLiteral("taxid"));
    r.rule(t, 0, next(5.5), w);
    r.caption(t, 0, next(1), QStringLiteral("แพทย์"));
    t.label(12, y, d.doctorName, w - 12).named(QStringLiteral("doctor"));
    r.rule(t, 0, next(5.5), w);
    r.caption(t, 0, next(1), QStringLiteral("ลูกค้า"));
    t.label(12, y, r.v("CUST_NAME"), w - 12).named(QStringLiteral("CUST_NAME"));
    r.caption(t, 0, next(5), QStringLiteral("ที่อยู่"));
    t.label(12, y, ReceiptPatientAddress(d), w - 12).height(10).wrap().named(QStringLiteral("patientAddress"));
    r.caption(t, 0, next(10), QStringLiteral("โทร."));
    t.label(12, y, d.telephone, w - 12).named(QStringLiteral("telephone"));
    r.rule(t, 0, next(5.5), w);
    const double headY = next(1);
    r.rule(t, 0, next(5.5), w);
    t.height = next(1);

    ReportBand& line = def.detail;
    line.height = 5;
    lineTable(r, t, headY, line,
              {{QStringLiteral("ที่"), 0, 7, QString(), Qt::AlignHCenter, QString()},
               {QStringLiteral("รายการ"), 7, 38, QStringLiteral("DESCRIP"), Qt::AlignLeft, QString()},
               {QStringLiteral("รวม"), 45, 20, QStringLiteral("SUM"), Qt::AlignRight, MoneyPattern}},
              false);

    ReportBand& s = def.summary;
    s.height = 34;
    r.rule(s, 0, 0.5, w);
    r.caption(s, 0, 1.5, QStringLiteral("รวมทั้งสิ้น")).bold();
    r.amount(s, w, 1.5, money(r.totals().total), QStringLiteral("total")).bold();
    r.rule(s, 0, 7.5, w);
    s.label(0, 8.5, ReceiptAmountInWords(r.totals().total), w).centre().wrap().height(10).named(QStringLiteral("words"));
    r.rule(s, 10, 26, w - 20);
    r.caption(s, 10, 27, QStringLiteral("ผู้รับเงิน"), w - 20).centre();
    return layOut(def, d);
}

// The invoice style for a pre-printed or the customer's own form.
PageDocument invoiceStyle(const ReceiptData& d)
{
    const Receipt r(d, true);
    ReportDefinition def = r.definition(ReportPaper::letter(), 10);
    const double w = 195;

    ReportBand& h = def.pageHeader;
    h.height = 82;
    h.label(0, 0, r.title(), w).centre().bold().size(20).named(QStringLiteral("title"));
    if (r.hasLogo()) h.picture(3.2, 2.9, 17, 17, r.logo()).named(QStringLiteral("logo"));
    const double nameX = r.hasLogo() ? 22.0 : 2.4;
    h.label(nameX, 9.0, r.businessName(), 100).bold().size(18).named(QStringLiteral("OF_NAME"));
    h.label(nameX, 16.5, ReceiptAddressLine(d.office).trimmed(), 110).named(QStringLiteral("address"));
    h.label(nameX, 21.8, r.contactLine(), 110).named(QStringLiteral("contact"));
    h.label(nameX, 27.1, ReceiptTaxIdLine(d.office), 110).named(QStringLiteral("taxid"));
    h.label(120, 9.0, ReceiptAppointmentRemark(d.visit, true), w - 120).height(20).wrap().named(QStringLiteral("remark"));

    r.frame(h, 0, 34, w, 36);
    const double lx = 2.4, lv = 24, rx = 128, rv = 155;
    r.caption(h, lx, 35.5, QStringLiteral("รหัสลูกค้า"));
    h.label(lv, 35.5, r.v("CUST_NO")).named(QStringLiteral("CUST_NO"));
    r.caption(h, lx, 41.5, QStringLiteral("ชื่อลูกค้า"));
    h.label(lv, 41.5, r.v("CUST_NAME"), 100).named(QStringLiteral("CUST_NAME"));
    r.caption(h, lx, 47.5, QStringLiteral("ที่อยู่"));
    h.label(lv, 47.5, JoinNonBlank(TrimmedParts({d.address1, d.address2}), QStringLiteral("  ")), 100).named(QStringLiteral("address1"));
    h.label(lv, 53.5, JoinNonBlank(TrimmedParts({d.province, d.zip}), QStringLiteral("  ")), 100).named(QStringLiteral("address2"));
    r.caption(h, lx, 59.5, QStringLiteral("อ้างถึง"));
    const QString number = r.v("SERV_NO");
    const QString shown = number.left(4) + QLatin1Char('-') + number.mid(4, 1) + QLatin1Char('-') + number.mid(5);
    const QList<std::pair<QString, QString>> rightSide = {{QStringLiteral("วันที่"), d.visitDate},
                                                          {QStringLiteral("เลขที่"), shown},
                                                          {QStringLiteral("แพทย์"), r.v("MAKER_NO")},
                                                          {QStringLiteral("กำหนดชำระเงิน"), r.v("CUST_CRE")},
                                                          {QStringLiteral("วันครบกำหนด"), r.v("DUE_DATE")}};
    const QStringList rightNames = {QStringLiteral("SERV_DATE"), QStringLiteral("SERV_NO"), QStringLiteral("MAKER_NO"),
                                    QStringLiteral("CUST_CRE"), QStringLiteral("DUE_DATE")};
    for (int i = 0; i < rightSide.size(); ++i) {
        r.caption(h, rx, 35.5 + 6 * i, rightSide.at(i).first);
        h.label(rv, 35.5 + 6 * i, rightSide.at(i).second, w - rv).named(rightNames.at(i));
    }
    r.frame(h, 0, 72, w, 8);

    ReportBand& line = def.detail;
    line.height = 6;
    lineTable(r, h, 73.2, line,
              {{QStringLiteral("รหัส"), 0, 28, QStringLiteral("SPR_NO"), Qt::AlignLeft, QString()},
               {QStringLiteral("รายการ"), 28, 75, QStringLiteral("DESCRIP"), Qt::AlignLeft, QString()},
               {QStringLiteral("จำนวน"), 103, 18, QStringLiteral("QTY"), Qt::AlignRight, QuantityPattern},
               {QStringLiteral("หน่วย"), 121, 18, QStringLiteral("U_NAME"), Qt::AlignHCenter, QString()},
               {QStringLiteral("ราคา/หน่วย"), 139, 22, QStringLiteral("P_PERU"), Qt::AlignRight, MoneyPattern},
               {QStringLiteral("ลด%"), 161, 10, QStringLiteral("DISC"), Qt::AlignRight, PercentPattern},
               {QStringLiteral("จำนวนเงิน"), 171, 24, QStringLiteral("SUM"), Qt::AlignRight, MoneyPattern}},
              false);

    ReportBand& f = def.pageFooter;
    f.height = 86;
    const VisitTotals& t = r.totals();
    const double capX = 128, right = 194;
    r.rule(f, 0, 0.5, w);
    r.caption(f, capX, 1.5, QStringLiteral("รวมเงิน "));
    r.amount(f, right, 1.5, money(t.sum), QStringLiteral("sum"));
    if (r.visitDiscount() > 0) {
        r.caption(f, capX, 7.5, QStringLiteral("ส่วนลด"));
        if (d.overallDiscount > 0) r.amount(f, right, 7.5, money(t.appliedDiscount), QStringLiteral("discount"));
        r.caption(f, capX, 13.5, QStringLiteral("ราคาหลังหักส่วนลด"));
        r.amount(f, right, 13.5, money(t.sum - t.appliedDiscount), QStringLiteral("net"));
    }
    if (r.vat()) {
        r.caption(f, capX, 19.5, QStringLiteral("ภาษี"));
        f.label(capX + 10, 19.5, r.rate(), 8).right().named(QStringLiteral("rate"));
        r.caption(f, capX + 19, 19.5, QStringLiteral("%"));
        r.amount(f, right, 19.5, money(t.tax), QStringLiteral("tax"));
    }
    r.frame(f, 0, 26, w, 8);
    f.label(2.4, 27.2, ReceiptAmountInWords(t.total), 120).italic().named(QStringLiteral("words"));
    r.caption(f, capX, 27.2, QStringLiteral("รวมเงินทั้งสิ้น")).bold();
    r.amount(f, right, 27.2, money(t.total), QStringLiteral("total")).bold();

    r.frame(f, 0, 36, w, 25);
    r.caption(f, 2.4, 37.0, QStringLiteral("ชำระเงินโดย")).bold();
    r.caption(f, 25, 37.0, QStringLiteral("(  ) เงินสด"));
    r.caption(f, 25, 42.5, QStringLiteral("(  ) บัตรเครดิต  ..............................................................................................................."), 168);
    r.caption(f, 25, 48.0,
              QStringLiteral("(  ) เช็คธนาคาร ......................... สาขา .................. เลขที่ ................ ลงวันที่ ................"),
              168);
    r.caption(f, 25, 53.5, QStringLiteral("( ในกรณีชำระด้วยเช็ค โปรดสั่งจ่ายและขีดคร่อมในนาม บริษัทฯ เท่านั้น )"), 168);
    const QStringList signers = {QStringLiteral("ผู้รับของ"), QStringLiteral("ผู้ส่งของ"), QStringLiteral("ผู้รับเงิน"),
                                 QStringLiteral("ผู้มีอำนาจ")};
    for (int i = 0; i < signers.size(); ++i) {
        const double x = 2 + 49 * i;
        r.rule(f, x, 74, 43);
        r.caption(f, x, 75, signers.at(i), 43).centre();
    }
    return layOut(def, d);
}

} // namespace

QString ReceiptAddressLine(const QVariantMap& office)
{
    auto o = [&office](const char* c) { return office.value(QString::fromLatin1(c)).toString(); };
    const QString line = JoinNonBlank(TrimmedParts({o("OF_ADD1"), o("OF_ADD2"), o("OF_ADD4"), o("OF_ZIP")}));
    return line.isEmpty() ? line : QLatin1Char(' ') + line;
}

QString ReceiptPatientAddress(const ReceiptData& d)
{
    return JoinNonBlank(TrimmedParts({d.address1, d.address2, d.province, d.zip}), QStringLiteral("  "));
}

QString ReceiptAppointmentRemark(const QVariantMap& visit, bool invoiceStyle)
{
    auto v = [&visit](const char* c) { return visit.value(QString::fromLatin1(c)).toString(); };
    // An empty date field keeps its slashes ("  /  /    "): no appointment either.
    if (v("APP_DATE").remove(QLatin1Char('/')).trimmed().isEmpty()) return QStringLiteral(".");
    return (invoiceStyle ? QStringLiteral("*** นัดตรวจครั้งต่อไปวันที่ ") : QStringLiteral(" นัดตรวจครั้งต่อไปวันที่ ")) +
           v("APP_DATE") + QStringLiteral("  เวลา ") + v("APP_TIME") + QStringLiteral(" เพื่อ") + v("APP_FOR");
}

QString ReceiptTaxIdLine(const QVariantMap& office)
{
    const QString id = office.value(QStringLiteral("OF_TAXID")).toString();
    return id.trimmed().isEmpty() ? QString() : QStringLiteral("เลขประจำตัวผู้เสียภาษี  ") + id;
}

QString ReceiptAmountInWords(double total)
{
    return QLatin1Char('<') + BahtText(FormatNumber(total, QStringLiteral("########0.00"))) + QLatin1Char('>');
}

std::optional<ReceiptData> ReadReceiptData(const Connection& c, const QString& visitNumber, QString* error)
{
    const auto visit = readRow(c, QStringLiteral("select * from Service where Serv_No = :mmServ_No "), {{"mmServ_No", visitNumber}});
    if (!visit) {
        if (error) *error = QStringLiteral("ไม่พบใบตรวจ-รักษาเลขที่ %1").arg(visitNumber);
        return std::nullopt;
    }
    ReceiptData d;
    d.visit = *visit;
    bool ok = true;
    d.lines = ReadVisitLines(c, visitNumber, &ok);
    if (!ok) {
        if (error) *error = QStringLiteral("อ่านรายการของใบตรวจ-รักษาเลขที่ %1 ไม่ได้").arg(visitNumber);
        return std::nullopt;
    }
    d.settings = readRow(c, QStringLiteral("select * from sevrsys")).value_or(QVariantMap());
    d.office = readRow(c, QStringLiteral("select * from quorvexsys")).value_or(QVariantMap());
    const QVariantMap patient = readRow(c, QStringLiteral("select * from customer where cust_no =:p_cust_no"),
                                        {{"p_cust_no", visit->value(QStringLiteral("CUST_NO"))}})
                                    .value_or(QVariantMap());
    auto p = [&patient](const char* col) { return patient.value(QString::fromLatin1(col)).toString(); };
    d.address1 = p("CUST_ADD1");
    d.address2 = p("CUST_ADD2");
    d.province = p("CUST_ADD4");
    d.zip = p("CUST_ZIP");
    d.telephone = p("CUST_TEL");
    d.visitDate = visit->value(QStringLiteral("SERV_DATE")).toString();
    d.doctorName = visit->value(QStringLiteral("MAKER_NAME")).toString();
    d.overallDiscount = visit->value(QStringLiteral("DISCOUNT")).toDouble();
    d.mode = TaxModeOfVisit(visitNumber);
    d.workingFolder = QDir::currentPath();
    d.dataFolder = shared().DataFolder;
    return d;
}

PageDocument ReceiptDocument(const ReceiptData& data, int layout)
{
    switch (layout) {
    case 0:
    case 5: return invoiceStyle(data);
    case 2: return halfLetter(data, false);
    case 3: return halfLetter(data, true);
    case 4: return roll(data);
    default: return fullLetter(data);
    }
}
