#include "registries/productsetreport.h"

#include "platform/print/printcommand.h"
#include "platform/print/reportengine.h"

#include <QSqlQuery>

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

// The quantity in its general form (12, 0.5).
QString generalNumber(const QVariant& v)
{
    if (v.isNull() || v.toString().trimmed().isEmpty()) return {};
    const double d = v.toDouble();
    return d == 0 ? QStringLiteral("0") : QString::number(d, 'g', 15);
}

} // namespace

ReportDefinition ProductSetReportDefinition(const QString& setCode, const QString& setName)
{
    ReportDefinition def;
    def.caption = S("รายงานสินค้าจัดเป็นชุด");
    def.paper = ReportPaper::a4();
    def.orientation = QPageLayout::Portrait;
    def.margins = {10, 10, 10, 10};
    def.font = {QStringLiteral("EucrosiaUPC"), 14};
    const double width = 190; // between the margins

    ReportBand& header = def.pageHeader;
    header.height = 25;
    header.label(0, 0, S("รายงานสินค้าจัดเป็นชุด"), width).named(QStringLiteral("title")).centre().size(18).height(9);
    header.label(0, 11, S("รหัสชุดสินค้า"), 28);
    header.label(30, 11, setCode, 60).named(QStringLiteral("suit_no"));
    header.label(0, 17, S("ชื่อชุดสินค้า"), 28);
    header.label(30, 17, setName, 160).named(QStringLiteral("suit_name"));
    header.hline(0, 24, width, 0.3);

    ReportBand& line = def.detail;
    line.height = 6.5;
    line.field(0, 0, 30, QStringLiteral("SPR_NO")).named(QStringLiteral("spr_no"));
    line.field(31, 0, 72, QStringLiteral("DESCRIP")).named(QStringLiteral("descrip"));
    line.field(0, 0, 18, QStringLiteral("QTY")).named(QStringLiteral("qty")).rightAt(122).format(generalNumber);
    line.field(0, 0, 24, QStringLiteral("P_PERU")).named(QStringLiteral("p_peru")).rightAt(149).pattern(S("##,###,##0.00"));
    line.field(152, 0, 20, QStringLiteral("U_NAME")).named(QStringLiteral("u_name"));
    line.field(173, 0, 9, QStringLiteral("GROUP")).named(QStringLiteral("group"));
    line.field(182, 0, 8, QStringLiteral("CUT_STOCK")).named(QStringLiteral("cut_stock")).centre();

    ReportBand& footer = def.pageFooter;
    footer.height = 8;
    footer.hline(0, 1, width, 0.3);
    footer.special(0, 2, 20, SpecialField::PageNumber).named(QStringLiteral("page")).rightAt(width);
    return def;
}

std::optional<PageDocument> BuildProductSetReport(const Connection& c, const QString& setCode, QString* error)
{
    if (!c.isOpen()) {
        *error = c.lastError();
        return std::nullopt;
    }
    QSqlQuery set = c.query(QStringLiteral("select suit_no, suit_name from suit where suit_no = :psuit_no"));
    if (!exec(set, {{"psuit_no", setCode}}, error)) return std::nullopt;
    if (!set.next()) {
        *error = QStringLiteral("no product set %1").arg(setCode);
        return std::nullopt;
    }
    const QString code = set.value(0).toString();
    const QString name = set.value(1).toString();
    set.finish();

    QSqlQuery lines = c.query(QStringLiteral(" select * from suit1  where  suit_no = :psuit_no order by auto"));
    lines.setForwardOnly(true);
    if (!exec(lines, {{"psuit_no", code}}, error)) return std::nullopt;
    const ReportRows rows = rowsFromQuery(lines);
    lines.finish();
    return layoutReport(ProductSetReportDefinition(code, name), rows);
}

void RegisterProductSetPrintable()
{
    registerPrintableDocument(
        QStringLiteral("product-set"), QStringLiteral("--set SUIT_NO"), S("สินค้าจัดเป็นชุด: the lines of one product set"),
        [](const PrintOptions& options, QString* error) -> std::optional<PageDocument> {
            if (!options.contains(QStringLiteral("set"))) {
                *error = QStringLiteral("missing --set SUIT_NO");
                return std::nullopt;
            }
            const Connection c;
            return BuildProductSetReport(c, options.value(QStringLiteral("set")), error);
        });
}
