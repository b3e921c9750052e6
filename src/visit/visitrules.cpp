#include "visit/visitrules.h"

#include "data/conversion.h"
#include "data/numbers.h"
#include "data/thaidate.h"

TaxMode TaxModeFromSetting(const QString& fPer1)
{
    return fPer1 == QLatin1String("0") ? TaxMode::LumpSum : TaxMode::Vat;
}

int VisitTaxRate(TaxMode mode) { return mode == TaxMode::Vat ? 7 : 0; }

LineAmount LineAmountFor(double quantity, double price, double discountPercent, double taxRate, TaxMode mode)
{
    const double gross = quantity * price;
    LineAmount a;
    a.sum = RoundMoney(discountPercent > 0 ? gross - discountPercent * gross / 100 : gross);
    a.tax = mode == TaxMode::Vat ? RoundMoney(a.sum * taxRate / 100) : 0;
    a.total = RoundMoney(a.sum + a.tax);
    return a;
}

VisitTotals TotalsFromLines(const QList<VisitLine>& lines, TaxMode mode, double overallDiscount)
{
    VisitTotals t;
    for (const VisitLine& l : lines) {
        const double gross = l.quantity * l.price;
        const double net = gross - (l.discount > 0 ? l.discount * gross / 100 : 0);
        t.sum = RoundMoney(t.sum + net);
        if (mode == TaxMode::Vat && l.taxRate > 0) t.tax = RoundMoney(t.tax + net * l.taxRate / 100);
        // A lump-sum visit has no tax rate, even when a copied line carries one.
        t.taxRate = mode == TaxMode::Vat ? l.taxRate : 0;
    }
    if (lines.isEmpty()) return t;
    t.appliedDiscount = mode == TaxMode::LumpSum ? overallDiscount : 0;
    t.total = RoundMoney(mode == TaxMode::LumpSum ? t.sum - overallDiscount : t.sum + t.tax);
    return t;
}

VisitTotals TotalsFromStoredAmounts(const QList<VisitLine>& lines, TaxMode mode, double overallDiscount)
{
    VisitTotals t;
    for (const VisitLine& l : lines) {
        t.sum = RoundMoney(t.sum + l.sum);
        if (mode == TaxMode::Vat) t.tax = RoundMoney(t.tax + l.sum * l.taxRate / 100);
        t.taxRate = mode == TaxMode::Vat ? l.taxRate : 0;
    }
    t.appliedDiscount = mode == TaxMode::LumpSum ? overallDiscount : 0;
    t.total = RoundMoney(t.sum - t.appliedDiscount + t.tax);
    return t;
}

double DoctorFee(double percent, double sum, double discount)
{
    return percent > 0 ? RoundMoney(percent * (sum - discount) / 100) : 0;
}

QString BillingKey(const QString& visitDate, const QString& visitNumber, const QString& customerNo)
{
    return visitDate.mid(8, 2) + visitDate.mid(3, 2) + visitNumber.mid(4, 1) + customerNo;
}

QDate ReadDateQuietly(const QString& dateText)
{
    try {
        if (!IsDateText(dateText)) return {};
        const DateParts p = ReadDateParts(dateText);
        return p.day >= 1 ? QDate(p.year - 543, p.month, p.day) : QDate();
    } catch (const ConversionError&) {
        return {};
    }
}
