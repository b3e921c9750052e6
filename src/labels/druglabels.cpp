#include "labels/druglabels.h"

#include "data/thaidate.h"
#include "platform/print/reportdefinition.h"
#include "platform/print/reportengine.h"
#include "visit/visitrules.h"

#include <cmath>

namespace {

// The tops of the five boxes of each row, mm below the top margin, for the
// left and the right column (the sheet's own small differences kept).
constexpr double LeftTops[6][5] = {{2.1, 8.7, 14.0, 19.3, 24.6},      {38.6, 45.2, 50.5, 56.1, 61.4},
                                   {76.7, 83.3, 88.9, 94.2, 99.5},    {113.2, 119.9, 125.1, 130.4, 135.7},
                                   {150.5, 156.9, 162.2, 167.7, 173.3}, {186.5, 192.9, 198.2, 202.9, 208.2}};
constexpr double RightTops[6][5] = {{2.1, 8.7, 14.0, 19.3, 24.6},      {38.6, 45.2, 50.5, 56.1, 61.4},
                                    {76.7, 83.3, 88.6, 93.9, 99.2},    {113.5, 119.9, 125.1, 130.4, 135.7},
                                    {150.5, 156.9, 162.2, 167.5, 173.0}, {186.3, 192.9, 197.9, 203.2, 208.5}};
constexpr double BoxWidth = 60.9;
constexpr double LeftX = 4.0;
constexpr double RightX = 86.0;

} // namespace

QString LabelAgeForBirthDate(const QString& birthDate)
{
    const QDate born = ReadDateQuietly(birthDate);
    return born.isValid() ? AgeYears(QDate::currentDate(), born) : QString();
}

QString DoseColumnForAge(const QString& ageText)
{
    bool ok = false;
    const double age = ageText.trimmed().toDouble(&ok);
    if (!ok || age < 0) return QString();
    const int years = int(std::floor(age));
    if (years < 7) return QStringLiteral("HOW_TO_1");
    if (years <= 12) return QStringLiteral("HOW_TO_2");
    return QStringLiteral("HOW_TO_3");
}

PageDocument DrugLabelDocument(const Connection& c, const DrugLabelRequest& request, const QString& businessName)
{
    ReportDefinition def;
    def.caption = QStringLiteral("ฉลากยา ") + request.customerName;
    def.paper = ReportPaper::custom(160, 220);
    def.margins = {request.left, request.top, 1, 1};
    def.font = {QStringLiteral("EucrosiaUPC"), 12};
    ReportBand& sheet = def.title;
    sheet.height = 218;

    const QString doseColumn = DoseColumnForAge(request.age);
    const QString sql = QStringLiteral(" select pro_no, pro_name , how_to_1 , ") + QStringLiteral(" how_to_2 , how_to_3 ,how_to_4 , rem from product ") +
                        QStringLiteral(" where pro_no =:ppro_no ");
    for (int k = 0; k < 12; ++k) {
        if (!request.printed[size_t(k)]) continue;
        const int row = k / 2;
        const bool right = k % 2 == 1;
        const double x = right ? RightX : LeftX;
        const double* tops = right ? RightTops[row] : LeftTops[row];
        const QVariantMap item = readRow(c, sql, {{"ppro_no", request.items[size_t(k)]}}).value_or(QVariantMap());
        const QString texts[5] = {businessName, request.customerName, item.value(QStringLiteral("PRO_NAME")).toString(),
                                  doseColumn.isEmpty() ? QString() : item.value(doseColumn).toString(),
                                  item.value(QStringLiteral("HOW_TO_4")).toString()};
        for (int box = 0; box < 5; ++box) {
            ReportElement& e = sheet.label(x, tops[box], texts[box], BoxWidth).height(box == 0 ? 5.6 : 5.3).wrap();
            e.named(QStringLiteral("label%1.%2").arg(k + 1).arg(box + 1));
            if (box == 0) e.bold().centre();
        }
    }
    return layoutReport(def);
}

std::optional<DrugLabelRequest> DrugLabelRequestForVisit(const Connection& c, const QString& visitNumber,
                                                         const QList<int>& positions, const QStringList& items,
                                                         QString* error)
{
    auto fail = [error](const QString& text) {
        if (error) *error = text;
        return std::optional<DrugLabelRequest>();
    };
    const auto visit = readRow(c, QStringLiteral("select cust_no, cust_name from service where serv_no =:pserv_no"),
                               {{"pserv_no", visitNumber}});
    if (!visit) return fail(QStringLiteral("ไม่พบใบตรวจ-รักษาเลขที่ %1").arg(visitNumber));
    if (items.isEmpty() || (items.size() != 1 && items.size() != positions.size()))
        return fail(QStringLiteral("--items needs one code, or one code for each position"));
    DrugLabelRequest r;
    const QVariantMap settings = readRow(c, QStringLiteral("select label_top, label_left from sevrsys")).value_or(QVariantMap());
    r.top = settings.value(QStringLiteral("LABEL_TOP")).toDouble();
    r.left = settings.value(QStringLiteral("LABEL_LEFT")).toDouble();
    for (int i = 0; i < positions.size(); ++i) {
        const int k = positions.at(i) - 1;
        if (k < 0 || k >= 12) return fail(QStringLiteral("positions are 1 to 12"));
        r.printed[size_t(k)] = true;
        r.items[size_t(k)] = items.size() == 1 ? items.first() : items.at(i);
    }
    r.customerNo = visit->value(QStringLiteral("CUST_NO")).toString();
    const QVariantMap patient = readRow(c, QStringLiteral("select cust_name, cust_birth from customer where cust_no =:p"),
                                        {{"p", r.customerNo}}).value_or(QVariantMap());
    r.customerName = patient.value(QStringLiteral("CUST_NAME")).toString();
    if (r.customerName.isEmpty()) r.customerName = visit->value(QStringLiteral("CUST_NAME")).toString();
    r.age = LabelAgeForBirthDate(patient.value(QStringLiteral("CUST_BIRTH")).toString());
    return r;
}
