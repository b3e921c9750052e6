#include "visit/visitprints.h"

#include "app/sharedstate.h"
#include "labels/druglabels.h"
#include "platform/print/printcommand.h"
#include "platform/print/reportdefinition.h"
#include "platform/print/reportengine.h"
#include "visit/certificate.h"
#include "visit/receipt.h"

PageDocument LabResultDocument(const QVariantMap& lab, const QString& patientName, const QString& visitNumber,
                               const QString& doctorName)
{
    ReportDefinition def;
    def.caption = QStringLiteral("ผลตรวจแลบ");
    def.paper = ReportPaper::letter();
    def.margins = {9.9, 9.9, 9.9, 9.9};
    def.font = {QStringLiteral("EucrosiaUPC"), 14};
    const double width = 215.9 - 2 * 9.9;

    ReportBand& d = def.detail;
    d.height = 230;
    d.label(0, 0, QStringLiteral("ผลตรวจแลบ"), width).centre().bold().size(18).named(QStringLiteral("title"));
    d.label(107.9, 14.6, QStringLiteral("เลขที่แลบ"));
    d.field(126.2, 14.8, 60, QStringLiteral("LAP_NO"));
    d.label(22.2, 27.3, QStringLiteral("ลูกค้า"));
    d.field(35.5, 27.8, 75, QStringLiteral("PATIENT"));
    d.label(21.4, 37.0, QStringLiteral("อ้างถึง"));
    d.field(35.5, 37.3, 60, QStringLiteral("SERV_NO"));
    d.label(113.8, 37.6, QStringLiteral("แพทย์"));
    d.field(126.2, 37.8, 70, QStringLiteral("MAKER_NAME"));
    d.hline(1.1, 48.4, width - 1.1);
    d.label(11.6, 58.5, QStringLiteral("วัตถุประสงค์"));
    d.field(35.2, 58.7, 157.7, QStringLiteral("LAP_FOR"));
    d.label(11.4, 66.1, QStringLiteral("ผลตรวจแลบ"));
    d.field(35.2, 66.7, 157.7, QStringLiteral("LAP_REM")).height(131.2).wrap();
    d.label(11.4, 200.4, QStringLiteral("ผู้ตรวจ"));
    d.field(35.2, 200.7, 100, QStringLiteral("LAP_PER_NAME"));

    ReportBand& foot = def.pageFooter;
    foot.height = 8;
    foot.hline(0, 0, width);
    foot.special(0, 1.5, 30, SpecialField::PageNumber);
    foot.special(width - 40, 1.5, 40, SpecialField::PrintDate).right();

    QVariantMap row = lab;
    row.insert(QStringLiteral("PATIENT"), patientName);
    row.insert(QStringLiteral("SERV_NO"), visitNumber);
    row.insert(QStringLiteral("MAKER_NAME"), doctorName);
    return layoutReport(def, rowsFromMaps({row}));
}

std::optional<PageDocument> LabResultDocument(const Connection& c, const QString& visitNumber, QString* error)
{
    const auto visit = readRow(c, QStringLiteral("select * from service where serv_no =:pserv_no"), {{"pserv_no", visitNumber}});
    if (!visit) {
        if (error) *error = QStringLiteral("ไม่พบใบตรวจ-รักษาเลขที่ %1").arg(visitNumber);
        return std::nullopt;
    }
    const QVariantMap lab =
        readRow(c, QStringLiteral(" select * from lap  where serv_no =:p_serv_no "), {{"p_serv_no", visitNumber}}).value_or(QVariantMap());
    // The patient's name as the registry has it, or as the visit kept it.
    QString patient = scalar(c, QStringLiteral("select cust_name from customer where cust_no =:p_cust_no"),
                             {{"p_cust_no", visit->value(QStringLiteral("CUST_NO"))}}).toString();
    if (patient.isEmpty()) patient = visit->value(QStringLiteral("CUST_NAME")).toString();
    return LabResultDocument(lab, patient, visitNumber, visit->value(QStringLiteral("MAKER_NAME")).toString());
}

QString LabelBusinessName(const Connection& c)
{
    const QString kept = shared().Business.name;
    return kept.isEmpty() ? scalar(c, QStringLiteral("select of_name from quorvexsys")).toString() : kept;
}

namespace {

std::optional<PageDocument> receiptFor(const PrintOptions& o, QString* error)
{
    if (!o.contains(QStringLiteral("visit"))) {
        *error = QStringLiteral("missing --visit");
        return std::nullopt;
    }
    Connection c;
    const auto data = ReadReceiptData(c, o.value(QStringLiteral("visit")), error);
    if (!data) return std::nullopt;
    int layout = data->settings.value(QStringLiteral("PAPER1")).toInt();
    if (o.contains(QStringLiteral("layout"))) {
        bool ok = false;
        layout = o.value(QStringLiteral("layout")).toInt(&ok);
        if (!ok || layout < 0 || layout > 5) {
            *error = QStringLiteral("--layout must be 0 to 5");
            return std::nullopt;
        }
    }
    return ReceiptDocument(*data, layout);
}

std::optional<PageDocument> drugLabelsFor(const PrintOptions& o, QString* error)
{
    if (!o.contains(QStringLiteral("visit")) || !o.contains(QStringLiteral("positions")) || !o.contains(QStringLiteral("items"))) {
        *error = QStringLiteral("missing --visit, --positions or --items");
        return std::nullopt;
    }
    QList<int> positions;
    for (const QString& p : o.value(QStringLiteral("positions")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        positions.append(p.trimmed().toInt(&ok));
        if (!ok) positions.last() = 0;
    }
    const QStringList items = o.value(QStringLiteral("items")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    Connection c;
    const auto request = DrugLabelRequestForVisit(c, o.value(QStringLiteral("visit")), positions, items, error);
    if (!request) return std::nullopt;
    return DrugLabelDocument(c, *request, LabelBusinessName(c));
}

} // namespace

void RegisterVisitPrintables()
{
    registerPrintableDocument(QStringLiteral("receipt"), QStringLiteral("--visit SERV_NO [--layout 0-5]"),
                              QStringLiteral("ใบเสร็จของใบตรวจ-รักษา (แบบตามการตั้งค่า PAPER1 หรือ --layout)"), receiptFor);
    registerPrintableDocument(QStringLiteral("drug-labels"), QStringLiteral("--visit SERV_NO --positions 1,12 --items CODE,CODE"),
                              QStringLiteral("ฉลากยา สติ๊กเกอร์ A12 ของผู้ป่วยในใบตรวจ-รักษา"), drugLabelsFor);
    registerPrintableDocument(QStringLiteral("lab"), QStringLiteral("--visit SERV_NO"),
                              QStringLiteral("ผลตรวจแลบของใบตรวจ-รักษา"), [](const PrintOptions& o, QString* error) {
                                  if (!o.contains(QStringLiteral("visit"))) {
                                      *error = QStringLiteral("missing --visit");
                                      return std::optional<PageDocument>();
                                  }
                                  Connection c;
                                  return LabResultDocument(c, o.value(QStringLiteral("visit")), error);
                              });
    registerPrintableDocument(QStringLiteral("certificate"), QStringLiteral("--visit SERV_NO --form 1|2"),
                              QStringLiteral("ใบรับรองแพทย์ (1) ใบรับรองการเจ็บป่วย, (2) ใบรับรองสุขภาพ"),
                              [](const PrintOptions& o, QString* error) {
                                  if (!o.contains(QStringLiteral("visit")) || !o.contains(QStringLiteral("form"))) {
                                      *error = QStringLiteral("missing --visit or --form");
                                      return std::optional<PageDocument>();
                                  }
                                  Connection c;
                                  return CertificateDocument(c, o.value(QStringLiteral("visit")),
                                                             o.value(QStringLiteral("form")).toInt(), error);
                              });
}
