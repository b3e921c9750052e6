#include "visit/visitstore.h"

#include "data/numbers.h"
#include "data/runningnumber.h"
#include "data/stock.h"
#include "data/terms.h"

#include <QSqlError>

#include <algorithm>

namespace {

// The numbers of a head lie between the head and the head with its last
// character raised by one.
QString headEnd(const QString& head)
{
    QString end = head;
    if (!end.isEmpty()) end[end.size() - 1] = QChar(end.back().unicode() + 1);
    return end;
}

QString oneNumber(const Connection& c, const QString& sql, std::initializer_list<Binding> bindings)
{
    return scalar(c, sql, bindings).toString();
}

// The statement parts shared by insert and update.
const char* const headerColumns[] = {
    "pbill", "of_no", "serv_date", "cust_no", "cust_name", "cust_card", "cust_cre", "discount", "sdisc", "tax",
    "stax", "damage", "sickness", "sick_group", "recieve_no", "maker_no", "maker_name", "maker_perc", "for_maker",
    "eval_date", "fini_date", "recv_date", "due_date", "sum", "total", "process", "rem", "rem2", "earnest",
    "service", "spart", "fp", "f_ok", "fg_ok", "warn_term", "warn_date", "spr_no", "type_business"};

bool writeHeader(const Connection& c, bool insert, const QString& number, const VisitHeader& h, QString* error)
{
    const TaxMode mode = TaxModeOfVisit(number);
    bool ok = true;
    const QList<VisitLine> lines = AsVisitLines(ReadVisitLines(c, number, &ok));
    if (!ok) {
        if (error) *error = QStringLiteral("cannot read the lines of %1").arg(number);
        return false;
    }
    const VisitTotals t = TotalsFromStoredAmounts(lines, mode, h.discount);
    const QString blank = QStringLiteral("");

    QStringList cols, params, sets;
    for (const char* col : headerColumns) {
        const QString name = QString::fromLatin1(col);
        cols << name;
        params << QStringLiteral(":p") + name;
        sets << name + QStringLiteral("=:p") + name;
    }
    const QString sql = insert ? QStringLiteral("insert into service (serv_no, %1) values (:pserv_no, %2)")
                                     .arg(cols.join(QStringLiteral(", ")), params.join(QStringLiteral(", ")))
                               : QStringLiteral("update service set %1 where serv_no =:pserv_no").arg(sets.join(QStringLiteral(", ")));
    QSqlQuery q = c.query(sql);
    const QVariantMap values = {
        {QStringLiteral("pserv_no"), number},
        {QStringLiteral("ppbill"), BillingKey(h.date, number, h.customerNo)},
        {QStringLiteral("pof_no"), h.branch},
        {QStringLiteral("pserv_date"), h.date},
        {QStringLiteral("pcust_no"), h.customerNo},
        {QStringLiteral("pcust_name"), h.customerName},
        {QStringLiteral("pcust_card"), h.customerCard},
        {QStringLiteral("pcust_cre"), h.credit},
        {QStringLiteral("pdiscount"), mode == TaxMode::LumpSum ? h.discount : 0.0},
        {QStringLiteral("psdisc"), t.appliedDiscount},
        {QStringLiteral("ptax"), int(t.taxRate)},
        {QStringLiteral("pstax"), t.tax},
        {QStringLiteral("pdamage"), h.complaint},
        {QStringLiteral("psickness"), h.sickness},
        {QStringLiteral("psick_group"), h.sickGroup},
        {QStringLiteral("precieve_no"), blank},
        {QStringLiteral("pmaker_no"), h.doctorNo},
        {QStringLiteral("pmaker_name"), h.doctorName},
        {QStringLiteral("pmaker_perc"), h.doctorPercent},
        {QStringLiteral("pfor_maker"), DoctorFee(h.doctorPercent, t.sum, t.appliedDiscount)},
        {QStringLiteral("peval_date"), blank},
        {QStringLiteral("pfini_date"), blank},
        {QStringLiteral("precv_date"), blank},
        {QStringLiteral("pdue_date"), DueDate(h.date, h.credit)},
        {QStringLiteral("psum"), t.sum},
        {QStringLiteral("ptotal"), t.total},
        {QStringLiteral("pprocess"), 2},
        {QStringLiteral("prem"), h.diagnosis},
        {QStringLiteral("prem2"), h.symptoms},
        {QStringLiteral("pearnest"), 0.0},
        {QStringLiteral("pservice"), 0.0},
        {QStringLiteral("pspart"), 0.0},
        {QStringLiteral("pfp"), blank},
        {QStringLiteral("pf_ok"), blank},
        {QStringLiteral("pfg_ok"), h.credit == QStringLiteral("สด") ? 1 : 0},
        {QStringLiteral("pwarn_term"), blank},
        {QStringLiteral("pwarn_date"), blank},
        {QStringLiteral("pspr_no"), QStringLiteral("0")},
        {QStringLiteral("ptype_business"), QStringLiteral("0")},
    };
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QVariant v = it.value().typeId() == QMetaType::QString && it.value().toString().isNull()
                               ? QVariant(blank) : it.value();
        q.bindValue(QLatin1Char(':') + it.key(), v);
    }
    if (q.exec()) return true;
    if (error) *error = q.lastError().text();
    return false;
}

} // namespace

TaxMode TaxModeOfVisit(const QString& visitNumber)
{
    return visitNumber.mid(4, 1) == QLatin1String("2") ? TaxMode::Vat : TaxMode::LumpSum;
}

QString FirstVisitOfHead(const Connection& c, const QString& head)
{
    return oneNumber(c, QStringLiteral("select min(serv_no) from service where serv_no >= :h and serv_no < :e"),
                     {{"h", head}, {"e", headEnd(head)}});
}

QString LastVisitOfHead(const Connection& c, const QString& head)
{
    return LastStoredNumber(c, QStringLiteral("service"), QStringLiteral("serv_no"), head);
}

QString NeighbourVisit(const Connection& c, const QString& head, const QString& from, int step)
{
    if (step > 0)
        return oneNumber(c, QStringLiteral("select min(serv_no) from service where serv_no > :f and serv_no < :e"),
                         {{"f", from}, {"e", headEnd(head)}});
    return oneNumber(c, QStringLiteral("select max(serv_no) from service where serv_no < :f and serv_no >= :h"),
                     {{"f", from}, {"h", head}});
}

QString VisitStartingWith(const Connection& c, const QString& head, const QString& text)
{
    if (!text.startsWith(head) && !head.startsWith(text)) return {};
    const QString from = text.size() > head.size() ? text : head;
    const QString found = oneNumber(c, QStringLiteral("select min(serv_no) from service where serv_no >= :f and serv_no < :e"),
                                    {{"f", from}, {"e", headEnd(head)}});
    return found.startsWith(text) ? found : QString();
}

std::optional<QVariantMap> ReadVisit(const Connection& c, const QString& visitNumber)
{
    return readRow(c, QStringLiteral("select * from service where serv_no =:pserv_no"), {{"pserv_no", visitNumber}});
}

QList<QVariantMap> ReadVisitLines(const Connection& c, const QString& visitNumber, bool* ok)
{
    QList<QVariantMap> rows;
    QSqlQuery q = c.query(QStringLiteral("select * from service1 where serv_no =:p_serv_no order by auto"));
    q.setForwardOnly(true);
    const bool read = exec(q, {{"p_serv_no", visitNumber}});
    while (read && q.next()) rows.append(rowMap(q));
    if (ok) *ok = read;
    return rows;
}

QList<VisitLine> AsVisitLines(const QList<QVariantMap>& rows)
{
    QList<VisitLine> lines;
    for (const QVariantMap& r : rows)
        lines.append({r.value(QStringLiteral("QTY")).toDouble(), r.value(QStringLiteral("P_PERU")).toDouble(),
                      r.value(QStringLiteral("DISC")).toDouble(), r.value(QStringLiteral("TAX_RATE")).toDouble(),
                      r.value(QStringLiteral("SUM")).toDouble()});
    return lines;
}

VisitSaveResult InsertVisit(const Connection& c, const QString& head, const VisitHeader& h)
{
    VisitSaveResult r;
    // The number is worked out, and every question or message about it
    // shown, before the write lock is taken: nobody waits on an answer typed
    // on another computer.
    const QString seen = LastVisitOfHead(c, head);
    QString number = seen.isEmpty() ? AskFirstDocumentNumber(head) : NumberAfter(head, seen);
    if (!AcceptDocumentNumber(number)) {
        r.outcome = SaveOutcome::Refused;
        return r;
    }
    {
        WriteTransaction tx(c);
        if (!tx.isActive()) {
            r.error = tx.lastError();
            return r;
        }
        // Another computer may have saved a visit meanwhile: under the lock
        // the number follows the highest one stored now.
        const QString last = LastVisitOfHead(c, head);
        if (last != seen) number = NumberAfter(head, last);
        const QString running = number.mid(5);
        const bool fits = running.size() == 6 && std::all_of(running.cbegin(), running.cend(), [](QChar ch) { return ch.isDigit(); });
        if (fits) {
            const QString queColumn =
                TaxModeOfVisit(number) == TaxMode::Vat ? QStringLiteral("que_srv_v") : QStringLiteral("que_srv_n");
            if (!NoteLastNumber(c, queColumn, number) || !writeHeader(c, true, number, h, &r.error) || !tx.commit()) {
                if (r.error.isEmpty()) r.error = tx.lastError();
                return r;
            }
            r.outcome = SaveOutcome::Saved;
            r.number = number;
            return r;
        }
    }
    AcceptDocumentNumber(number); // tells why, now that the lock is given back
    r.outcome = SaveOutcome::Refused;
    return r;
}

VisitSaveResult UpdateVisit(const Connection& c, const QString& visitNumber, const VisitHeader& h)
{
    VisitSaveResult r;
    WriteTransaction tx(c);
    if (!tx.isActive() || !writeHeader(c, false, visitNumber, h, &r.error) || !tx.commit()) {
        if (r.error.isEmpty()) r.error = tx.lastError();
        return r;
    }
    r.outcome = SaveOutcome::Saved;
    r.number = visitNumber;
    return r;
}

bool RewriteVisitTotals(const Connection& c, const QString& visitNumber, QString* error)
{
    const std::optional<QVariantMap> visit = ReadVisit(c, visitNumber);
    if (!visit) {
        if (error) *error = QStringLiteral("no visit %1").arg(visitNumber);
        return false;
    }
    bool ok = true;
    const QList<VisitLine> lines = AsVisitLines(ReadVisitLines(c, visitNumber, &ok));
    if (!ok) return false;
    const TaxMode mode = TaxModeOfVisit(visitNumber);
    const double discount = visit->value(QStringLiteral("DISCOUNT")).toDouble();
    const VisitTotals t = TotalsFromLines(lines, mode, discount);
    return execSql(c,
                   QStringLiteral("update service set discount=:pdiscount,sdisc=:psdisc,tax=:ptax,stax=:pstax,"
                                  " for_maker=:pfor_maker,sum=:psum,total=:ptotal where serv_no =:pserv_no"),
                   {{"pdiscount", discount},
                    {"psdisc", mode == TaxMode::LumpSum ? discount : 0.0},
                    {"ptax", int(t.taxRate)},
                    {"pstax", t.tax},
                    {"pfor_maker", DoctorFee(visit->value(QStringLiteral("MAKER_PERC")).toDouble(), t.sum, discount)},
                    {"psum", t.sum},
                    {"ptotal", t.total},
                    {"pserv_no", visitNumber}},
                   error);
}

double AvailableForLine(const Connection& c, const QString& itemCode, int editAuto, bool* ok)
{
    double available = StockOnHand(c, itemCode, ok);
    if (editAuto > 0) {
        QSqlQuery q = c.query(QStringLiteral("select spr_no, qty, stk_post from service1 where auto =:pauto"));
        if (exec(q, {{"pauto", editAuto}}) && q.next() && q.value(0).toString() == itemCode && q.value(2).toDouble() == 1)
            available = RoundMoney(available + q.value(1).toDouble());
    }
    return available;
}

LineSaveResult SaveVisitLine(const Connection& c, const QString& visitNumber, const LineInput& line, int editAuto)
{
    LineSaveResult r;
    WriteTransaction tx(c);
    if (!tx.isActive()) {
        r.error = tx.lastError();
        return r;
    }
    if (line.stockItem) {
        bool ok = true;
        r.available = AvailableForLine(c, line.itemCode, editAuto, &ok);
        if (!ok) return r;
        if (RoundMoney(line.quantity) > r.available) {
            r.outcome = LineSaveOutcome::NotEnoughStock;
            return r;
        }
    }
    const TaxMode mode = TaxModeOfVisit(visitNumber);
    const LineAmount a = LineAmountFor(line.quantity, line.price, line.discount, line.taxRate, mode);
    const QString blank = QStringLiteral("");
    const QString columns = QStringLiteral(
        "serv_no=:pserv_no, qty=:pqty, spr_no=:pspr_no, descrip=:pdescrip, u_name=:pu_name, \"group\"=:pgroup,"
        " warn_term=:pwarn_term, warn_date=:pwarn_date, p_peru=:pp_peru, disc=:pdisc, sum=:psum, tax_rate=:ptax_rate,"
        " tax=:ptax, total=:ptotal, cut_stock=:pcut_stock, stk_post=:pstk_post");
    const QString sql = editAuto > 0
        ? QStringLiteral("update service1 set %1 where auto =:pauto").arg(columns)
        : QStringLiteral("insert into service1 (serv_no,qty,spr_no,descrip,u_name,\"group\",warn_term,warn_date,p_peru,"
                         "disc,sum,tax_rate,tax,total,cut_stock,stk_post) values (:pserv_no,:pqty,:pspr_no,:pdescrip,"
                         ":pu_name,:pgroup,:pwarn_term,:pwarn_date,:pp_peru,:pdisc,:psum,:ptax_rate,:ptax,:ptotal,"
                         ":pcut_stock,:pstk_post)");
    QSqlQuery q = c.query(sql);
    if (editAuto > 0) q.bindValue(QStringLiteral(":pauto"), editAuto);
    const bool written =
        exec(q,
             {{"pserv_no", visitNumber}, {"pqty", line.quantity}, {"pspr_no", line.itemCode}, {"pdescrip", line.itemName},
              {"pu_name", line.unit}, {"pgroup", line.group}, {"pwarn_term", blank}, {"pwarn_date", blank},
              {"pp_peru", line.price}, {"pdisc", line.discount}, {"psum", a.sum},
              {"ptax_rate", mode == TaxMode::Vat ? line.taxRate : 0.0}, {"ptax", a.tax}, {"ptotal", a.total},
              {"pcut_stock", line.stockItem ? QStringLiteral("1") : QStringLiteral("0")},
              {"pstk_post", line.stockItem ? 1.0 : 0.0}},
             &r.error) &&
        RewriteVisitTotals(c, visitNumber, &r.error) && tx.commit();
    if (!written) {
        if (r.error.isEmpty()) r.error = tx.lastError();
        return r;
    }
    r.outcome = LineSaveOutcome::Saved;
    return r;
}

bool DeleteVisitLine(const Connection& c, const QString& visitNumber, int lineAuto, QString* error)
{
    WriteTransaction tx(c);
    if (!tx.isActive()) {
        if (error) *error = tx.lastError();
        return false;
    }
    return execSql(c, QStringLiteral("delete from service1 where auto =:pauto"), {{"pauto", lineAuto}}, error) &&
           RewriteVisitTotals(c, visitNumber, error) && tx.commit();
}

CopyLinesResult CopyLinesIntoVisit(const Connection& c, const QString& visitNumber, const QList<QVariantMap>& lines,
                                   LineSource source)
{
    CopyLinesResult r;
    WriteTransaction tx(c);
    if (!tx.isActive()) {
        r.error = tx.lastError();
        return r;
    }
    auto num = [](const QVariantMap& l, const char* col) { return l.value(QString::fromLatin1(col)).toDouble(); };
    auto text = [](const QVariantMap& l, const char* col) { return l.value(QString::fromLatin1(col)).toString(); };
    for (const QVariantMap& l : lines) {
        if (text(l, "CUT_STOCK") != QLatin1String("1")) continue;
        bool ok = true;
        const double available = StockReceivedLessDispensed(c, text(l, "SPR_NO"), &ok);
        if (!ok) return r;
        if (RoundMoney(available - num(l, "QTY")) < 0) {
            r.outcome = LineSaveOutcome::NotEnoughStock;
            r.shortItem = text(l, "SPR_NO");
            return r;
        }
    }
    QSqlQuery q = c.query(QStringLiteral(
        "insert into service1 (serv_no,qty,spr_no,descrip,u_name,\"group\",warn_term,warn_date,p_peru,disc,sum,tax_rate,"
        "tax,total,cut_stock,stk_post) values (:pserv_no,:pqty,:pspr_no,:pdescrip,:pu_name,:pgroup,:pwarn_term,"
        ":pwarn_date,:pp_peru,:pdisc,:psum,:ptax_rate,:ptax,:ptotal,:pcut_stock,:pstk_post)"));
    for (const QVariantMap& l : lines) {
        double sum = num(l, "SUM"), total = num(l, "TOTAL");
        if (source == LineSource::ProductSet) {
            const double gross = num(l, "QTY") * num(l, "P_PERU");
            sum = total = RoundMoney(num(l, "DISC") > 0 ? gross - num(l, "DISC") * gross / 100 : gross);
        }
        if (!exec(q,
                  {{"pserv_no", visitNumber}, {"pqty", num(l, "QTY")}, {"pspr_no", text(l, "SPR_NO")},
                   {"pdescrip", text(l, "DESCRIP")}, {"pu_name", text(l, "U_NAME")}, {"pgroup", text(l, "GROUP")},
                   {"pwarn_term", text(l, "WARN_TERM")}, {"pwarn_date", text(l, "WARN_DATE")},
                   {"pp_peru", num(l, "P_PERU")}, {"pdisc", num(l, "DISC")}, {"psum", sum},
                   {"ptax_rate", num(l, "TAX_RATE")}, {"ptax", num(l, "TAX")}, {"ptotal", total},
                   {"pcut_stock", text(l, "CUT_STOCK")}, {"pstk_post", num(l, "STK_POST")}},
                  &r.error))
            return r;
    }
    if (!RewriteVisitTotals(c, visitNumber, &r.error) || !tx.commit()) {
        if (r.error.isEmpty()) r.error = tx.lastError();
        return r;
    }
    r.outcome = LineSaveOutcome::Saved;
    return r;
}
