#include "visit/certificate.h"

#include "data/texts.h"
#include "platform/print/printpreview.h"
#include "platform/print/reportdefinition.h"
#include "platform/print/reportengine.h"
#include "platform/ui/messageservice.h"
#include "platform/ui/widgets.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString orDash(const QString& text) { return text.trimmed().isEmpty() ? QStringLiteral("-") : text; }

} // namespace

std::optional<PageDocument> CertificateDocument(const Connection& c, const QString& visitNumber, int form, QString* error)
{
    const auto visit = readRow(c, QStringLiteral(" Select * from service  where serv_no =:mserv_no "), {{"mserv_no", visitNumber}});
    if (!visit) {
        if (error) *error = QStringLiteral("ไม่พบใบตรวจ-รักษาเลขที่ %1").arg(visitNumber);
        return std::nullopt;
    }
    if (form != 1 && form != 2) {
        if (error) *error = QStringLiteral("--form must be 1 or 2");
        return std::nullopt;
    }
    const QVariantMap office = readRow(c, QStringLiteral("SELECT * FROM quorvexsys")).value_or(QVariantMap());
    auto v = [&visit](const char* col) { return visit->value(QString::fromLatin1(col)).toString(); };
    auto o = [&office](const char* col) { return office.value(QString::fromLatin1(col)).toString(); };
    const QString doctor = v("MAKER_NAME");
    const QString licence = scalar(c, QStringLiteral("select mak_id from maker where mak_name =:q_t_name order by rowid"),
                                   {{"q_t_name", doctor}}).toString();
    const QString patient = v("CUST_NAME");
    const QString date = v("SERV_DATE");

    ReportDefinition def;
    def.caption = QStringLiteral(" ใบรับรองแพทย์");
    def.paper = ReportPaper::letter();
    def.margins = {9.9, 9.9, 9.9, 9.9};
    def.font = {QStringLiteral("EucrosiaUPC"), 16};
    const double width = 215.9 - 2 * 9.9;

    ReportBand& t = def.title;
    t.height = 190;
    t.label(8.5, 1.1, o("OF_NAME"), 178).centre().bold().size(22).named(QStringLiteral("office"));
    t.label(41.0, 9.0, JoinNonBlank({o("OF_ADD1"), o("OF_ADD2")}), 112).centre();
    t.label(41.0, 15.1, JoinNonBlank({o("OF_ADD4"), o("OF_ZIP"), o("OF_TEL")}), 112).centre();
    t.hline(4.8, 24.6, width - 9.6);
    t.label(0, 34.4, QStringLiteral("ใบรับรองแพทย์"), width).centre().bold().size(20);
    const QString opinion = orDash(v("REM"));
    const double indent = 20;
    if (form == 1) {
        t.label(indent, 50.8, QStringLiteral("ข้าพเจ้า  %1  ใบอนุญาตประกอบวิชาชีพเวชกรรม").arg(doctor), width - indent);
        t.label(indent, 59.8, QStringLiteral("เลขที่  %1  ได้ตรวจร่างกาย  %2").arg(licence, patient), width - indent);
        t.label(indent, 68.8, QStringLiteral("เมื่อวันที่  %1  ปรากฏว่าเป็นโรค  %2").arg(date, v("SICKNESS")), width - indent);
        t.label(40.5, 76.5, orDash(v("REM2")), width - 40.5).height(26).wrap().named(QStringLiteral("symptoms"));
        t.label(indent, 105.0, QStringLiteral("มีความเห็นว่า"));
        t.label(40.5, 105.0, opinion, width - 40.5).height(26).wrap().named(QStringLiteral("opinion"));
        t.label(indent, 139.2, QStringLiteral("ใบรับรองแพทย์ฉบับนี้ ออกให้ ณ วันที่ ") + date, width - indent);
    } else {
        t.label(indent, 52.4, QStringLiteral("ข้าพเจ้า  %1  ใบอนุญาตประกอบวิชาชีพเวชกรรม เลขที่  %2").arg(doctor, licence), width - indent);
        t.label(indent, 60.9, QStringLiteral("ได้ตรวจร่างกาย  %1  เมื่อวันที่  %2").arg(patient, date), width - indent);
        t.label(indent, 69.3, QStringLiteral("ขอรับรองว่า ") + patient + QStringLiteral("ไม่เป็นผู้มีกายทุพพลภาพจนไม่สามารถปฏิบัติหน้าที่ได้"),
                width - indent);
        t.label(indent, 77.8, QStringLiteral("ไม่ปรากฏอาการของโรคจิต หรือจิตฟั่นเฟือน หรือปัญญาอ่อน  ไม่ปรากฏอาการของการติดยาเสพติดให้โทษ และอาการของโรคพิษสุรา"),
                width - indent).size(14);
        t.label(indent, 86.0, QStringLiteral("เรื้อรัง และไม่ปรากฏอาการและอาการแสดงของโรคต่อไปนี้"), width - indent);
        const QStringList diseases = {
            QStringLiteral("(1) โรคเรื้อนในระยะติดต่อหรือในระยะที่ปรากฏอาการเป็นที่รังเกียจแก่สังคม"),
            QStringLiteral("(2) โรควัณโรคในระยะอันตราย"),
            QStringLiteral("(3) โรคเท้าช้างในระยะที่ปรากฏอาการเป็นที่รังเกียจแก่สังคม"),
            QStringLiteral("(4) ............................................................................................................................"),
            QStringLiteral("      ............................................................................................................................")};
        for (int i = 0; i < diseases.size(); ++i) t.label(indent + 10, 96.3 + 8 * i, diseases.at(i), width - indent - 10);
        t.label(indent, 138.1, QStringLiteral("สรุปความเห็นของแพทย์"));
        t.label(indent + 10, 144.7, opinion, width - indent - 10).height(18).wrap().named(QStringLiteral("opinion"));
        t.label(indent, 165.9, QStringLiteral("ใบรับรองแพทย์ฉบับนี้ ออกให้ ณ วันที่ ") + date, width - indent);
    }

    ReportBand& f = def.pageFooter;
    f.height = 60;
    f.label(105.8, 5.0, QStringLiteral("ขอรับรองว่าข้อความดังกล่าวเป็นความจริง"));
    f.label(91.0, 28.6, QStringLiteral("( ") + doctor + QStringLiteral(" )"), 90).centre();
    f.label(126.5, 36.8, QStringLiteral("แพทย์ผู้ตรวจ"));
    f.hline(0, 52, width);
    f.label(width - 40, 53, date, 40).right();
    return layoutReport(def);
}

TCertificate::TCertificate(const QString& visitNumber, QWidget* parent) : QWidget(parent), visit_(visitNumber)
{
    setObjectName(QStringLiteral("TCertificate"));
    setWindowTitle(QStringLiteral(" ใบรับรองแพทย์"));
    auto* layout = new QVBoxLayout(this);
    QPushButton* one = makeButton(this, "btnCertificate1", QStringLiteral("พิมพ์ใบรับรองแพทย์ (1)"));
    QPushButton* two = makeButton(this, "btnCertificate2", QStringLiteral("พิมพ์ใบรับรองแพทย์ ( 2 )"));
    QPushButton* close = makeButton(this, "btnClose", QStringLiteral("เลิก"));
    for (QPushButton* b : {one, two, close}) {
        b->setMinimumSize(260, 44);
        layout->addWidget(b);
    }
    connect(one, &QPushButton::clicked, this, [this] { print(1); });
    connect(two, &QPushButton::clicked, this, [this] { print(2); });
    connect(close, &QPushButton::clicked, this, [this] { closeWindow(this); });
}

void TCertificate::print(int form)
{
    QString error;
    const auto doc = CertificateDocument(db_, visit_, form, &error);
    if (!doc) {
        messages().information(error);
        return;
    }
    showPrintPreview(*doc, this);
}
