#include "demogen/demodata.h"

#include "data/connection.h"
#include "data/database.h"
#include "data/terms.h"
#include "data/thaidate.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlError>
#include <QTextStream>
#include <QVector>

#include <cmath>

DemoOptions DemoOptions::busyClinic(int years)
{
    DemoOptions o;
    o.months = years * 12;
    o.visitsPerDay = 200;
    o.linesPerVisit = 4;
    o.items = 5000;
    o.patients = 100000;
    o.doctors = 12;
    o.suppliers = 40;
    return o;
}

namespace {

// Texts are stored as empty strings, not nulls, so that joined texts in
// reports never vanish.
const QString blank = QStringLiteral("");

// Six-digit patient numbers keep the billing group (year, month, kind digit
// and patient number) within its eleven characters.
QString customerNo(int i) { return QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')); }

const QStringList firstNames = {
    QStringLiteral("สมชาย"), QStringLiteral("สมหญิง"), QStringLiteral("วิชัย"), QStringLiteral("ศิริพร"),
    QStringLiteral("ประเสริฐ"), QStringLiteral("กาญจนา"), QStringLiteral("สุรชัย"), QStringLiteral("พิมพ์ใจ"),
    QStringLiteral("อนันต์"), QStringLiteral("วรรณา"), QStringLiteral("ธนากร"), QStringLiteral("นภัสสร"),
    QStringLiteral("ชัยวัฒน์"), QStringLiteral("รัตนา"), QStringLiteral("เกียรติศักดิ์"), QStringLiteral("สุดารัตน์"),
    QStringLiteral("ปิยะ"), QStringLiteral("อรุณี"), QStringLiteral("ณัฐพล"), QStringLiteral("จันทร์เพ็ญ"),
};
const QStringList lastNames = {
    QStringLiteral("ใจดี"), QStringLiteral("รักษาสุข"), QStringLiteral("ศรีสวัสดิ์"), QStringLiteral("บุญมา"),
    QStringLiteral("แก้วประเสริฐ"), QStringLiteral("ทองคำ"), QStringLiteral("วงศ์สวัสดิ์"), QStringLiteral("สุขเจริญ"),
    QStringLiteral("พงษ์พันธ์"), QStringLiteral("มีสุข"), QStringLiteral("จันทร์หอม"), QStringLiteral("เพชรรัตน์"),
    QStringLiteral("ศรีทอง"), QStringLiteral("นาคสวัสดิ์"), QStringLiteral("อินทร์แก้ว"), QStringLiteral("ชัยมงคล"),
};
const QStringList districts = {
    QStringLiteral("แขวงคลองตัน เขตคลองเตย"), QStringLiteral("แขวงลาดยาว เขตจตุจักร"),
    QStringLiteral("แขวงบางนา เขตบางนา"), QStringLiteral("ตำบลบางพูด อำเภอปากเกร็ด"),
    QStringLiteral("ตำบลบางกระสอ อำเภอเมือง"), QStringLiteral("แขวงสามเสนใน เขตพญาไท"),
};
const QStringList provinces = {QStringLiteral("กรุงเทพมหานคร"), QStringLiteral("นนทบุรี"), QStringLiteral("ปทุมธานี"),
                               QStringLiteral("สมุทรปราการ")};
const QStringList zips = {QStringLiteral("10110"), QStringLiteral("10900"), QStringLiteral("10260"),
                          QStringLiteral("11120"), QStringLiteral("11000"), QStringLiteral("10400")};

struct Disease { const char* name; const char* group; };
const Disease diseases[] = {
    {"ไข้หวัด", "01"}, {"ไข้หวัดใหญ่", "01"}, {"คออักเสบ", "01"}, {"หลอดลมอักเสบ", "01"},
    {"กระเพาะอาหารอักเสบ", "02"}, {"ท้องเสีย", "02"}, {"ความดันโลหิตสูง", "03"}, {"เบาหวาน", "03"},
    {"ผื่นแพ้ผิวหนัง", "04"}, {"สิวอักเสบ", "04"}, {"ปวดกล้ามเนื้อ", "05"}, {"ปวดศีรษะไมเกรน", "05"},
};

struct ItemSeed { const char* name; const char* unit; double price; const char* type; };
const ItemSeed drugs[] = {
    {"พาราเซตามอล 500 มก.", "เม็ด", 2, "ยาเม็ด"},       {"อะม็อกซีซิลลิน 500 มก.", "แคปซูล", 5, "ยาเม็ด"},
    {"ไอบูโพรเฟน 400 มก.", "เม็ด", 3, "ยาเม็ด"},         {"คลอเฟนิรามีน 4 มก.", "เม็ด", 1, "ยาเม็ด"},
    {"โอเมพราโซล 20 มก.", "แคปซูล", 6, "ยาเม็ด"},        {"ยาแก้ไอน้ำดำ 60 มล.", "ขวด", 45, "ยาน้ำ"},
    {"ผงเกลือแร่ ORS", "ซอง", 8, "ยาผง"},                {"เซทิริซีน 10 มก.", "เม็ด", 3, "ยาเม็ด"},
    {"ครีมสเตียรอยด์ 5 ก.", "หลอด", 60, "ยาทา"},         {"เจลแต้มสิว 10 ก.", "หลอด", 120, "ยาทา"},
    {"วิตามินซี 500 มก.", "เม็ด", 2, "ยาเม็ด"},           {"ยาฉีดลดปวด", "เข็ม", 80, "ยาฉีด"},
    {"ผ้าก๊อซ 3x3 นิ้ว", "ชิ้น", 5, "เวชภัณฑ์"},          {"พลาสเตอร์ปิดแผล", "ชิ้น", 2, "เวชภัณฑ์"},
};
const ItemSeed treatments[] = {
    {"ค่าตรวจรักษาทั่วไป", "ครั้ง", 200, ""}, {"ค่าทำแผล", "ครั้ง", 150, ""},
    {"ค่าฉีดยา", "ครั้ง", 100, ""},           {"ทรีตเมนต์หน้าใส", "ครั้ง", 1500, ""},
    {"เลเซอร์กำจัดขน", "ครั้ง", 2500, ""},    {"ค่าตรวจเลือด", "ครั้ง", 350, ""},
};
const char* const howTos[] = {
    "ครั้งละ 1 เม็ด วันละ 3 ครั้ง หลังอาหาร", "ครั้งละ 2 เม็ด ทุก 4-6 ชั่วโมง เวลาปวดหรือมีไข้",
    "ครั้งละ 1/2 เม็ด วันละ 3 ครั้ง หลังอาหาร", "ครั้งละ 1 ช้อนชา วันละ 3 ครั้ง หลังอาหาร",
    "ทาบาง ๆ บริเวณที่เป็น วันละ 2 ครั้ง", "ครั้งละ 1 เม็ด ก่อนนอน",
};

class Generator {
public:
    Generator(const Connection& c, const DemoOptions& o, QTextStream* log)
        : c_(c), o_(o), log_(log), rng_(o.seed) {}

    bool run(QString* error);

private:
    struct Item {
        QString code, name, unit, group;
        double price = 0;
        bool stock = false;
        double onHand = 0;
        double reorder = 0;
    };

    bool prepare(QSqlQuery& q, const QString& sql);
    bool execRow(QSqlQuery& q, const QVariantList& values);
    int pick(int n) { return int(rng_.bounded(quint32(n))); }
    template <typename T> const T& any(const QList<T>& l) { return l.at(pick(int(l.size()))); }
    QString personName() { return any(firstNames) + QLatin1Char(' ') + any(lastNames); }

    bool business();
    bool people();
    bool items();
    bool visitsAndStock();
    bool receive(const QDate& day, QList<Item*>& toOrder);

    const Connection& c_;
    const DemoOptions& o_;
    QTextStream* log_;
    QRandomGenerator rng_;
    QString error_;
    QList<Item> items_;
    QList<int> treatmentIdx_, drugIdx_;
    QStringList doctors_, doctorNames_, suppliers_;
    QList<double> doctorRates_;
    int receiptNo_ = 0;
};

bool Generator::prepare(QSqlQuery& q, const QString& sql)
{
    q = QSqlQuery(c_.db());
    if (q.prepare(sql)) return true;
    error_ = q.lastError().text() + QLatin1Char('\n') + sql;
    return false;
}

bool Generator::execRow(QSqlQuery& q, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i) q.bindValue(i, values.at(i));
    if (q.exec()) return true;
    error_ = q.lastError().text();
    return false;
}

bool Generator::business()
{
    QString e;
    const bool ok = execSql(c_,
        QStringLiteral("update quorvexsys set OF_NAME=:n, OF_ADD1=:a1, OF_ADD2=:a2, OF_ADD4=:a4, OF_ZIP=:z,"
                       " OF_TAXID=:t, OF_TEL=:tel, OF_FAX=:fax, OF_EMAIL=:m where OF_NO='0'"),
        {{"n", QStringLiteral("เวลินก้า คลินิกเวชกรรมและความงาม")},
         {"a1", QStringLiteral("123/45 ถนนสุขุมวิท")},
         {"a2", QStringLiteral("แขวงคลองตัน เขตคลองเตย")},
         {"a4", QStringLiteral("กรุงเทพมหานคร")},
         {"z", QStringLiteral("10110")},
         {"t", QStringLiteral("0105560123456")},
         {"tel", QStringLiteral("02-123-4567")},
         {"fax", QStringLiteral("02-123-4568")},
         {"m", QStringLiteral("info@velinka-clinic.example")}},
        &e);
    if (!ok) error_ = e;
    return ok;
}

bool Generator::people()
{
    QSqlQuery q;
    if (!prepare(q, QStringLiteral("insert into market (USRNAME, PASSWD, NAME, POSITION, AC1) values (?,?,?,?,?)")))
        return false;
    if (!execRow(q, {QString::fromLatin1(DemoAdminUser), QString::fromLatin1(DemoAdminPassword),
                     QStringLiteral("ผู้ดูแลระบบ"), QStringLiteral("Admin"), 1}) ||
        !execRow(q, {QStringLiteral("head"), QStringLiteral("1234"), QStringLiteral("หัวหน้าพยาบาล"),
                     QStringLiteral("หัวหน้างาน"), 2}) ||
        !execRow(q, {QStringLiteral("counter"), QStringLiteral("1234"), QStringLiteral("พนักงานหน้าร้าน"),
                     QStringLiteral("Counter"), 5}))
        return false;

    if (!prepare(q, QStringLiteral("insert into maker (MAK_NO, MAK_NAME, MAK_ID, MAK_COM, MAK_ADD1, MAK_ADD4, MAK_ZIP,"
                                   " MAK_TEL, SALARY) values (?,?,?,?,?,?,?,?,?)")))
        return false;
    for (int i = 1; i <= o_.doctors; ++i) {
        const QString code = QStringLiteral("D%1").arg(i, 3, 10, QLatin1Char('0'));
        const QString name = (i % 3 == 0 ? QStringLiteral("พญ. ") : QStringLiteral("นพ. ")) + personName();
        const double rate = 10 + 5 * pick(5);
        doctors_ << code;
        doctorNames_ << name;
        doctorRates_ << rate;
        if (!execRow(q, {code, name, QStringLiteral("ว.%1").arg(10000 + pick(40000)), rate,
                         QStringLiteral("%1 ถนนพหลโยธิน").arg(10 + pick(900)), any(provinces), any(zips),
                         QStringLiteral("08%1").arg(10000000 + pick(89999999)), 30000 + 1000 * pick(40)}))
            return false;
    }

    if (!prepare(q, QStringLiteral("insert into sale (SALE_NO, SALE_NAME, SALE_COM, SALE_ADD1, SALE_ADD4, SALE_ZIP,"
                                   " SALE_TEL, SALARY) values (?,?,?,?,?,?,?,?)")))
        return false;
    for (int i = 1; i <= 4; ++i)
        if (!execRow(q, {QStringLiteral("E%1").arg(i, 3, 10, QLatin1Char('0')), personName(), 0.0,
                         QStringLiteral("%1 ซอยลาดพร้าว").arg(pick(200)), any(provinces), any(zips),
                         QStringLiteral("09%1").arg(10000000 + pick(89999999)), 15000}))
            return false;

    if (!prepare(q, QStringLiteral("insert into supply (CUST_NO, CUST_NAME, CUST_ADD1, CUST_ADD2, CUST_ADD4, CUST_ZIP,"
                                   " CUST_TEL, CUST_FAX, CUST_CRE, CUST_DISC, CUST_GROUP) values (?,?,?,?,?,?,?,?,?,?,?)")))
        return false;
    for (int i = 1; i <= o_.suppliers; ++i) {
        suppliers_ << QStringLiteral("บริษัท %1 ฟาร์มาซูติคอล จำกัด").arg(any(lastNames));
        if (!execRow(q, {QStringLiteral("S%1").arg(i, 4, 10, QLatin1Char('0')), suppliers_.last(),
                         QStringLiteral("%1 ถนนรามอินทรา").arg(pick(999)), any(districts), any(provinces), any(zips),
                         QStringLiteral("02-%1").arg(1000000 + pick(8999999)), blank, QStringLiteral("30 ว."), 0.0,
                         QStringLiteral("A")}))
            return false;
    }

    if (!prepare(q, QStringLiteral("insert into customer (CUST_NO, CUST_NAME, CUST_CARD, CUST_BIRTH, CUST_SEX,"
                                   " CUST_ADD1, CUST_ADD2, CUST_ADD4, CUST_ZIP, CUST_TEL, CUST_CRE, CUST_DISC,"
                                   " CUST_GROUP, CUST_WGHT, CUST_TALL, CUST_BLOOD, CUST_HPS)"
                                   " values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")))
        return false;
    const QStringList bloods = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("O"), QStringLiteral("AB")};
    for (int i = 1; i <= o_.patients; ++i) {
        const QDate birth = o_.today.addDays(-(365 * 2 + pick(365 * 75)));
        const bool female = pick(2) == 0;
        const QString allergy = pick(12) == 0 ? QStringLiteral("แพ้ยาเพนิซิลลิน")
                                : pick(20) == 0 ? QStringLiteral("แพ้ยาซัลฟา") : blank;
        if (!execRow(q, {customerNo(i),
                         (female ? QStringLiteral("นางสาว") : QStringLiteral("นาย")) + personName(),
                         QStringLiteral("1%1").arg(qulonglong(100000000000ULL + rng_.bounded(quint64(899999999999ULL)))),
                         DateToText(birth), female ? QStringLiteral("หญิง") : QStringLiteral("ชาย"),
                         QStringLiteral("%1/%2 หมู่ %3").arg(1 + pick(300)).arg(1 + pick(50)).arg(1 + pick(12)),
                         any(districts), any(provinces), any(zips),
                         QStringLiteral("08%1").arg(10000000 + pick(89999999)),
                         pick(10) == 0 ? QStringLiteral("30 ว.") : QStringLiteral("สด"), 0.0,
                         QString(QLatin1Char(char('A' + pick(3)))), QString::number(40 + pick(50)),
                         QString::number(145 + pick(45)), any(bloods), allergy}))
            return false;
    }
    return true;
}

bool Generator::items()
{
    QSqlQuery q;
    if (!prepare(q, QStringLiteral("insert into type (TYPE) values (?)"))) return false;
    for (const char* t : {"ยาเม็ด", "ยาน้ำ", "ยาผง", "ยาทา", "ยาฉีด", "เวชภัณฑ์"})
        if (!execRow(q, {QString::fromUtf8(t)})) return false;
    if (!prepare(q, QStringLiteral("insert into how (HOW_TO) values (?)"))) return false;
    for (const char* h : howTos)
        if (!execRow(q, {QString::fromUtf8(h)})) return false;
    if (!prepare(q, QStringLiteral("insert into sickness (SICK_NO, SICKNESS, SICK_GROUP) values (?,?,?)"))) return false;
    int n = 0;
    for (const Disease& d : diseases)
        if (!execRow(q, {QStringLiteral("S%1").arg(++n, 2, 10, QLatin1Char('0')), QString::fromUtf8(d.name),
                         QString::fromLatin1(d.group)}))
            return false;

    if (!prepare(q, QStringLiteral("insert into product (PRO_NO, PRO_NAME, PRO_GROUP, PRO_BPRICE, PRO_SPRICE, WARN_TERM,"
                                   " PRO_TOTAL, PRO_UNIT, PRO_RORDER, PRO_SP2, PRO_SP3, PRO_SP4, PRO_SP5, CUT_STOCK,"
                                   " TAX_RATE, HOW_TYPE, HOW_TO_1, HOW_TO_2, HOW_TO_3, HOW_TO_4, REM)"
                                   " values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")))
        return false;
    const int treatmentCount = std::max(6, o_.items / 20);
    for (int i = 0; i < o_.items; ++i) {
        Item it;
        const bool treatment = i < treatmentCount;
        const ItemSeed& seed = treatment ? treatments[i % std::size(treatments)] : drugs[i % std::size(drugs)];
        const int round = treatment ? i / int(std::size(treatments)) : (i - treatmentCount) / int(std::size(drugs));
        it.code = treatment ? QStringLiteral("0%1").arg(i + 1, 4, 10, QLatin1Char('0'))
                            : QStringLiteral("1%1").arg(i + 1, 5, 10, QLatin1Char('0'));
        it.name = QString::fromUtf8(seed.name) + (round ? QStringLiteral(" (%1)").arg(round + 1) : blank);
        it.unit = QString::fromUtf8(seed.unit);
        it.group = treatment ? QStringLiteral("T") : QStringLiteral("D");
        it.price = seed.price * (1 + 0.05 * (round % 7));
        it.stock = !treatment;
        it.onHand = it.stock ? 200 + pick(400) : 0;
        it.reorder = it.stock ? 100 : 0;
        const QString how = it.stock ? QString::fromUtf8(howTos[i % std::size(howTos)]) : blank;
        if (!execRow(q, {it.code, it.name, it.group, std::round(it.price * 60) / 100, it.price, blank, it.onHand,
                         it.unit, it.reorder, it.price * 0.95, it.price * 0.9, it.price * 0.85, it.price * 0.8,
                         it.stock ? QStringLiteral("1") : QStringLiteral("0"), 7.0, QString::fromUtf8(seed.type),
                         how, how, how, it.stock ? QStringLiteral("หลังอาหาร เช้า กลางวัน เย็น") : blank,
                         it.stock ? QStringLiteral("บรรเทาอาการ") : blank}))
            return false;
        (treatment ? treatmentIdx_ : drugIdx_).append(int(items_.size()));
        items_.append(it);
    }
    return true;
}

// Goods received on the first working day of a month: what ran below its
// reorder point is brought back up, twenty lines to a document.
bool Generator::receive(const QDate& day, QList<Item*>& toOrder)
{
    QSqlQuery head, line;
    if (!prepare(head, QStringLiteral("insert into order0 (INV_NO, OF_NO, INV_TYPE, INV_DATE, CUST_NO, CUST_NAME, TAX_RATE,"
                                      " TOTAL, DISCOUNT, TAX, SUM_TOTAL, DUE_DATE, FG_OK, CUST_CRE, INV_TIME, P_BILL)"
                                      " values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")) ||
        !prepare(line, QStringLiteral("insert into order1 (INV_NO, PRO_NO, PRO_NAME, PRO_QTY, PRO_UNIT, UNIT_PRICE, DISCOUNT,"
                                      " PRICE, TAX_RATE, TAX, TOTAL, CUT_STOCK, STK_POST) values (?,?,?,?,?,?,?,?,?,?,?,?,?)")))
        return false;
    const QString date = DateToText(day);
    for (int start = 0; start < toOrder.size(); start += 20) {
        const QString no = QStringLiteral("RC013%1").arg(++receiptNo_, 6, 10, QLatin1Char('0'));
        double total = 0;
        for (int i = start; i < std::min<int>(start + 20, int(toOrder.size())); ++i) {
            Item* it = toOrder.at(i);
            const double qty = 500;
            const double cost = std::round(it->price * 60) / 100;
            const double price = qty * cost;
            total += price;
            it->onHand += qty;
            if (!execRow(line, {no, it->code, it->name, qty, it->unit, cost, 0.0, price, 0.0, 0.0, price,
                                QStringLiteral("1"), 2.0}))
                return false;
        }
        const int s = pick(o_.suppliers);
        if (!execRow(head, {no, QStringLiteral("0"), QStringLiteral("3"), date, QStringLiteral("S%1").arg(s + 1, 4, 10, QLatin1Char('0')),
                            suppliers_.at(s), 0.0, total, 0.0, 0.0, total,
                            DueDate(date, QStringLiteral("30 ว.")), 0, QStringLiteral("30 ว."), QStringLiteral("09:00"),
                            blank}))
            return false;
    }
    toOrder.clear();
    return true;
}

bool Generator::visitsAndStock()
{
    QSqlQuery head, line;
    if (!prepare(head, QStringLiteral("insert into service (SERV_NO, PBILL, OF_NO, SERV_DATE, CUST_NO, CUST_NAME, CUST_CARD,"
                                      " CUST_CRE, DISCOUNT, SDISC, TAX, STAX, DAMAGE, SICKNESS, SICK_GROUP, RECIEVE_NO,"
                                      " MAKER_NO, MAKER_NAME, MAKER_PERC, FOR_MAKER, EVAL_DATE, FINI_DATE, RECV_DATE,"
                                      " DUE_DATE, SUM, TOTAL, PROCESS, REM, REM2, EARNEST, SERVICE, SPART, FP, F_OK,"
                                      " WARN_TERM, WARN_DATE, APP_DATE, APP_TIME, APP_FOR, SPR_NO, TYPE_BUSINESS, FG_OK,"
                                      " FG_BILL) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
                                      "?,?,?,?,?,?,?,?,?)")) ||
        !prepare(line, QStringLiteral("insert into service1 (SERV_NO, QTY, SPR_NO, DESCRIP, U_NAME, \"GROUP\", WARN_TERM,"
                                      " WARN_DATE, P_PERU, DISC, SUM, TAX_RATE, TAX, TOTAL, CUT_STOCK, STK_POST)"
                                      " values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")))
        return false;
    QSqlQuery patient;
    if (!prepare(patient, QStringLiteral("select CUST_NAME, CUST_CARD, CUST_CRE from customer where CUST_NO = ?"))) return false;

    const QDate first = o_.today.addMonths(-o_.months).addDays(1);
    const QString empty = EmptyDateText();
    const QStringList complaints = {QStringLiteral("มีไข้ ไอ เจ็บคอ"), QStringLiteral("ปวดท้อง ท้องเสีย"),
                                    QStringLiteral("ปวดศีรษะ"), QStringLiteral("ผื่นคันที่แขน"),
                                    QStringLiteral("ปรึกษาเรื่องผิวหน้า"), QStringLiteral("ตรวจสุขภาพประจำปี")};
    int running = 0;
    QList<Item*> toOrder;
    int lastMonth = -1;
    for (QDate day = first; day <= o_.today; day = day.addDays(1)) {
        if (day.month() != lastMonth) {
            lastMonth = day.month();
            for (int i : drugIdx_)
                if (items_[i].onHand < items_[i].reorder) toOrder.append(&items_[i]);
            if (!receive(day, toOrder)) return false;
        }
        const bool sunday = day.dayOfWeek() == Qt::Sunday;
        const int visits = sunday ? o_.visitsPerDay / 4 : o_.visitsPerDay - o_.visitsPerDay / 5 + pick(o_.visitsPerDay / 5 * 2 + 1);
        const QString date = DateToText(day);
        for (int v = 0; v < visits; ++v) {
            if (++running > 999999) break;
            const QString no = QStringLiteral("SV011%1").arg(running, 6, 10, QLatin1Char('0'));
            const QString cust = customerNo(1 + pick(o_.patients));
            patient.bindValue(0, cust);
            if (!patient.exec() || !patient.next()) {
                error_ = QStringLiteral("patient %1 missing").arg(cust);
                return false;
            }
            const QString custName = patient.value(0).toString();
            const QString custCard = patient.value(1).toString();
            const QString term = patient.value(2).toString();
            patient.finish();

            const int d = pick(int(doctors_.size()));
            const Disease& sick = diseases[pick(int(std::size(diseases)))];
            // One fee or treatment, then drugs and supplies.
            const int lineCount = std::max(1, o_.linesPerVisit - 2 + pick(5));
            double sum = 0;
            for (int l = 0; l < lineCount; ++l) {
                Item& it = items_[l == 0 ? treatmentIdx_.at(pick(int(treatmentIdx_.size())))
                                         : drugIdx_.at(pick(int(drugIdx_.size())))];
                const double qty = it.stock ? 1 + pick(20) : 1;
                const double lineSum = qty * it.price;
                sum += lineSum;
                if (it.stock) it.onHand -= qty;
                if (!execRow(line, {no, qty, it.code, it.name, it.unit, it.group, blank, empty, it.price, 0.0,
                                    lineSum, 0.0, 0.0, lineSum, it.stock ? QStringLiteral("1") : QStringLiteral("0"),
                                    it.stock ? 1.0 : 0.0}))
                    return false;
            }
            const double forMaker = std::round(sum * doctorRates_.at(d)) / 100;
            const bool appointment = pick(6) == 0;
            const QString pbill = date.mid(8, 2) + date.mid(3, 2) + QStringLiteral("1") + cust;
            if (!execRow(head, {no, pbill, QStringLiteral("0"), date, cust, custName, custCard, term, 0.0, 0.0, 0, 0.0,
                                any(complaints), QString::fromUtf8(sick.name), QString::fromLatin1(sick.group), blank,
                                doctors_.at(d), doctorNames_.at(d), doctorRates_.at(d), forMaker, empty, empty, empty,
                                DueDate(date, term), sum, sum, 2, blank, any(complaints), 0.0, 0.0, 0.0, blank,
                                blank, blank, blank,
                                appointment ? DateToText(day.addDays(7 + pick(21))) : empty,
                                appointment ? QStringLiteral("%1:00").arg(9 + pick(8), 2, 10, QLatin1Char('0')) : blank,
                                appointment ? QStringLiteral("ติดตามอาการ") : blank, QStringLiteral("0"),
                                QStringLiteral("0"), term == QStringLiteral("สด") ? 1 : 0, blank}))
                return false;
        }
        if (log_ && day.day() == 1 && day.month() == 1) *log_ << "  " << date << ": " << running << " visits\n" << Qt::flush;
    }
    return execSql(c_, QStringLiteral("update que set QUE_SRV_N = :n, QUE_ORD_N = :o where QUE_NO = '0'"),
                   {{"n", QStringLiteral("SV011%1").arg(std::min(running, 999999), 6, 10, QLatin1Char('0'))},
                    {"o", receiptNo_ ? QStringLiteral("RC013%1").arg(receiptNo_, 6, 10, QLatin1Char('0')) : blank}});
}

bool Generator::run(QString* error)
{
    WriteTransaction tx(c_);
    bool ok = tx.isActive() && business() && people() && items() && visitsAndStock();
    if (ok) ok = tx.commit();
    if (!ok && error) *error = error_.isEmpty() ? tx.lastError() : error_;
    return ok;
}

} // namespace

bool GenerateDemoData(const QString& folder, const DemoOptions& options, QString* error, QTextStream* log)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    const QString file = QDir(folder).filePath(QStringLiteral("dat_clinic.abs"));
    if (QFileInfo::exists(file)) {
        *error = QStringLiteral("%1 exists already; demo data goes only into a new folder").arg(file);
        return false;
    }
    Connection c(file);
    if (!CreateOrUpgradeDatabase(c, error)) return false;
    // A new file that nobody else opens yet: no need to sync every page.
    execSql(c, QStringLiteral("PRAGMA synchronous=OFF"));
    Generator g(c, options, log);
    if (!g.run(error)) return false;
    execSql(c, QStringLiteral("ANALYZE"));
    return true;
}
