#include "data/stock.h"

#include "data/numbers.h"

#include <QSqlQuery>
#include <QStringList>

namespace {

bool countsBase(StockMeasure m) { return m != StockMeasure::ReceivedLessDispensed; }
bool countsSales(StockMeasure m) { return m == StockMeasure::OnHand; }

// An empty or null value counts 0.
double quantity(const QVariant& v) { return v.isNull() ? 0.0 : v.toDouble(); }

} // namespace

double Stock(const StockMovements& m, StockMeasure measure)
{
    double s = m.received - m.dispensed;
    if (countsBase(measure)) s += m.base;
    if (countsSales(measure)) s -= m.sold;
    return RoundMoney(s);
}

StockMovements ReadStockMovements(const Connection& c, const QString& itemCode, StockMeasure measure, bool* ok)
{
    // One statement: each sum is a lookup in its table's covering index.
    QStringList parts;
    parts << (countsBase(measure) ? QStringLiteral("(select pro_total from product where pro_no = :mPro_No)")
                                  : QStringLiteral("null"));
    parts << QStringLiteral("(select sum(pro_qty) from order1 where pro_no = :mPro_No and stk_post = 2.00)");
    parts << (countsSales(measure)
                  ? QStringLiteral("(select sum(pro_qty) from invoice1 where pro_no = :mPro_No and stk_post = 1.00)")
                  : QStringLiteral("null"));
    parts << QStringLiteral("(select sum(qty) from service1 where spr_no = :mPro_No and stk_post = 1.00)");

    StockMovements m;
    bool read = false;
    if (c.isOpen()) {
        QSqlQuery q = c.query(QStringLiteral("select ") + parts.join(QStringLiteral(", ")));
        if (exec(q, {{"mPro_No", itemCode}}) && q.next()) {
            m.base = quantity(q.value(0));
            m.received = quantity(q.value(1));
            m.sold = quantity(q.value(2));
            m.dispensed = quantity(q.value(3));
            read = true;
        }
        q.finish();
    }
    if (!read) m = {};
    if (ok) *ok = read;
    return m;
}

namespace {

double measured(const Connection& c, const QString& itemCode, StockMeasure measure, bool* ok)
{
    return Stock(ReadStockMovements(c, itemCode, measure, ok), measure);
}

} // namespace

double StockOnHand(const Connection& c, const QString& itemCode, bool* ok)
{
    return measured(c, itemCode, StockMeasure::OnHand, ok);
}

double StockWithoutSales(const Connection& c, const QString& itemCode, bool* ok)
{
    return measured(c, itemCode, StockMeasure::WithoutSales, ok);
}

double StockReceivedLessDispensed(const Connection& c, const QString& itemCode, bool* ok)
{
    return measured(c, itemCode, StockMeasure::ReceivedLessDispensed, ok);
}

StockTable StockTable::read(const Connection& c, StockMeasure measure, bool* ok)
{
    StockTable t;
    t.measure_ = measure;
    struct Sum {
        const char* sql;
        double StockMovements::*into;
    };
    QList<Sum> sums = {
        {"select pro_no, sum(pro_qty) from order1 where stk_post = 2.00 group by pro_no", &StockMovements::received},
        {"select spr_no, sum(qty) from service1 where stk_post = 1.00 group by spr_no", &StockMovements::dispensed},
    };
    if (countsSales(measure))
        sums << Sum{"select pro_no, sum(pro_qty) from invoice1 where stk_post = 1.00 group by pro_no",
                    &StockMovements::sold};
    bool read = c.isOpen();
    for (const Sum& s : sums) {
        if (!read) break;
        QSqlQuery q = c.query(QString::fromLatin1(s.sql));
        q.setForwardOnly(true);
        read = exec(q);
        while (read && q.next()) t.sums_[q.value(0).toString().toUpper()].*s.into += quantity(q.value(1));
        q.finish();
    }
    if (!read) t.sums_.clear();
    if (ok) *ok = read;
    return t;
}

StockMovements StockTable::movements(const QString& itemCode, const QVariant& base) const
{
    StockMovements m = sums_.value(itemCode.toUpper());
    m.base = quantity(base);
    return m;
}

double StockTable::stock(const QString& itemCode, const QVariant& base) const
{
    return Stock(movements(itemCode, base), measure_);
}

QString StockText(double quantity)
{
    if (quantity == 0) return QStringLiteral("0"); // never "-0"
    return QString::number(quantity, 'g', 15);
}
