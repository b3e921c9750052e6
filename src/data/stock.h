#pragma once
// Stock is never stored as a running balance: the quantity of an item is
// computed from its base quantity (product.PRO_TOTAL) and the lines that move
// stock, each marked by STK_POST:
//   received  order1.PRO_QTY   with STK_POST = 2 (goods received)
//   sold      invoice1.PRO_QTY with STK_POST = 1 (sales)
//   dispensed service1.QTY     with STK_POST = 1 (visit lines; the code is in SPR_NO)
// Every other STK_POST value, and every line of tmpord1 and quotation1, leaves
// stock alone. Empty values count as 0.
//
// One rule, three measures of it:
//   OnHand                 base + received - (sold + dispensed): the item
//                          registry, the visit lines, the trade lines
//   WithoutSales           base + received - dispensed: the item search and
//                          the reorder-point report
//   ReceivedLessDispensed  received - dispensed: the product-set and
//                          earlier-dispensing windows of the visit screen
//
// Each sum is read from the covering index (code, STK_POST, quantity) of its
// table, so one item costs a few index lookups however many lines there are.

#include "data/connection.h"

#include <QHash>
#include <QString>
#include <QVariant>

enum class StockMeasure { OnHand, WithoutSales, ReceivedLessDispensed };

struct StockMovements {
    double base = 0;      // PRO_TOTAL
    double received = 0;
    double sold = 0;
    double dispensed = 0;
};

// The rule itself. The result is rounded to four decimals, as amounts are,
// so that a quantity equal to the stock compares equal to it.
double Stock(const StockMovements& m, StockMeasure measure = StockMeasure::OnHand);

// The base quantity and the sums of one item that the measure counts (the
// others stay 0), its code matched exactly. An item that is not in product
// has base 0. *ok (when given) is false when the database could not be read;
// the movements are then all 0.
StockMovements ReadStockMovements(const Connection& c, const QString& itemCode,
                                  StockMeasure measure = StockMeasure::OnHand, bool* ok = nullptr);

// The measures of one item.
double StockOnHand(const Connection& c, const QString& itemCode, bool* ok = nullptr);
double StockWithoutSales(const Connection& c, const QString& itemCode, bool* ok = nullptr);
double StockReceivedLessDispensed(const Connection& c, const QString& itemCode, bool* ok = nullptr);

// The movement sums of every item at once, for lists of many items: one
// grouped query per movement table the measure counts, read when the table
// is made and not again. Codes are matched ignoring letter case; the lines
// of codes that differ only in case count together. The base quantity comes
// from the caller's own product row.
class StockTable {
public:
    StockTable() = default;
    // *ok (when given) is false when the database could not be read.
    static StockTable read(const Connection& c, StockMeasure measure, bool* ok = nullptr);

    StockMeasure measure() const { return measure_; }
    // The movements of the code with base as its base quantity (PRO_TOTAL
    // of the row being listed; an empty value counts 0).
    StockMovements movements(const QString& itemCode, const QVariant& base = {}) const;
    double stock(const QString& itemCode, const QVariant& base = {}) const;

private:
    StockMeasure measure_ = StockMeasure::OnHand;
    QHash<QString, StockMovements> sums_; // by upper-case code; base unused
};

// A quantity in its shortest general form: 12, 12.5, -3 (no grouping, no
// trailing zeros, up to 15 significant digits).
QString StockText(double quantity);
